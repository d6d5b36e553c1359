// SPDX-License-Identifier: MIT
#include "core/document/recovery_snapshot.h"

#include "support/random_records.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace keelwright {
namespace {

Snapshot randomSnapshot(unsigned seed) {
    testing::RecordGenerator generate(seed);
    std::mt19937 random(seed);
    Snapshot s;
    s.form = seed % 2 ? FileContent::Weapon : FileContent::ShipClass;
    const auto values = [&] {
        return s.form == FileContent::Weapon ? weaponTexts(generate.weapon())
                                             : valuesOf(generate.shipClass());
    };
    s.values = values();
    if (random() % 2)
        s.path = "/ships/" + generate.text() + "\n.txt";
    for (int i = 0; i < 32; ++i)
        s.digest += char(random());
    s.linesNotOnForm = random() % 5;
    s.fromWindows1252 = random() % 2;
    if (random() % 3)
        s.saved = values();
    if (random() % 3)
        s.baseline = values();
    if (random() % 2) {
        s.record = RecordPlace{generate.text(), {}};
        for (std::size_t line = 1 + random() % 9; s.record->lines.size() < random() % 40;)
            s.record->lines.push_back(line++);
    }
    s.lastEdit = std::int64_t(random()) * 1000;
    return s;
}

// What a restore needs comes back exactly: every text, tick and choice, the file and baseline.
TEST(RecoverySnapshot, RandomSnapshotsComeBackWhole) {
    for (unsigned seed = 0; seed < 2000; ++seed) {
        const Snapshot original = randomSnapshot(seed);
        const auto read = readSnapshot(writeSnapshot(original));
        ASSERT_TRUE(read) << "seed " << seed;
        ASSERT_EQ(*read, original) << "seed " << seed;
    }
}

// A damaged snapshot is refused, never half used: cut at every length, or changed bytes.
TEST(RecoverySnapshot, DamagedSnapshotsAreRefused) {
    const std::string whole = writeSnapshot(randomSnapshot(4));
    for (std::size_t length = 0; length < whole.size(); ++length)
        ASSERT_FALSE(readSnapshot(whole.substr(0, length))) << "cut at " << length;
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        std::string garbage(random() % 300, '\0');
        for (char& c : garbage)
            c = char(random());
        EXPECT_FALSE(readSnapshot(garbage));
    }
    // Fields more or fewer than the form has: another version's snapshot.
    for (const char* count : {"values 105", "values 107", "values 11"}) {
        std::string changed = whole;
        changed.replace(changed.find("values 106"), 10, count);
        EXPECT_FALSE(readSnapshot(changed)) << count;
    }
    EXPECT_FALSE(readSnapshot("Keelwright recovery 2\n" + whole.substr(22)));
    EXPECT_FALSE(readSnapshot(std::string(kMaxSnapshotBytes + 1, 'a')));
}

} // namespace
} // namespace keelwright

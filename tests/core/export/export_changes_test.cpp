// SPDX-License-Identifier: MIT
// Export Changes against the full export, over many random pairs of a baseline and a form: the
// lines it writes are exactly the full export's lines that the baseline's export did not hold,
// in order and byte for byte, unless the number or kind differs and it writes everything.
#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "support/random_records.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {
namespace {

// The lines of an export, each with its own line end (the laser's last has none).
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find("\r\n", from);
        const std::size_t next = end == std::string::npos ? text.size() : end + 2;
        lines.push_back(text.substr(from, next - from));
        from = next;
    }
    return lines;
}

std::string linesNotIn(const std::string& now, const std::string& before) {
    const auto old = linesOf(before);
    const std::set<std::string> held(old.begin(), old.end());
    std::string out;
    for (const std::string& line : linesOf(now))
        out += held.contains(line) ? "" : line;
    return out;
}

constexpr int kPairs = 10000;

// A form made from the baseline by a few edits, now and then another record altogether.
ShipClassRecord editedClass(testing::RecordGenerator& generate, const ShipClassRecord& base) {
    ShipClassRecord now = generate.pick(8) == 0 ? generate.shipClass() : base;
    const ShipClassRecord other = generate.shipClass();
    for (std::size_t edits = generate.pick(5); edits > 0; --edits) {
        const std::size_t field = generate.pick(classFields().size());
        now.setValue(field, std::string(other.value(field)));
    }
    if (generate.pick(4) != 0)
        now.setText("Text1", std::string(base.text("Text1")));
    return now;
}

TEST(ExportChanges, ClassLinesAreThoseTheBaselineLackedAndLeftSystemsAreNamed) {
    testing::RecordGenerator generate(2024);
    int partial = 0, leftOut = 0;
    for (int i = 0; i < kPairs; ++i) {
        const ShipClassRecord base = generate.shipClass();
        const ShipClassRecord now = editedClass(generate, base);
        const ClassChanges changes = exportClassChanges(base, now);
        const std::string full = exportClass(now);
        if (base.text("Text1") != now.text("Text1")) {
            EXPECT_EQ(changes.text, full) << "another class is exported whole";
            EXPECT_TRUE(changes.systemsLeft.empty());
            continue;
        }
        ASSERT_EQ(changes.text, linesNotIn(full, exportClass(base))) << "pair " << i;
        std::vector<std::string_view> left;
        for (const ExportSection& section : classExportSections()) {
            if (!section.includeFlag.empty() && base.text(section.includeFlag) == "1" &&
                now.text(section.includeFlag) != "1")
                left.push_back(section.title);
        }
        EXPECT_EQ(changes.systemsLeft, left) << "pair " << i;
        partial += changes.text != full;
        leftOut += !left.empty();
    }
    EXPECT_GT(partial, kPairs / 2) << "the pairs should mostly share their class";
    EXPECT_GT(leftOut, kPairs / 10);
    EXPECT_EQ(exportClassChanges(std::nullopt, ShipClassRecord{}).text, exportClass({}));
}

TEST(ExportChanges, WeaponLinesAreThoseTheBaselineLacked) {
    testing::RecordGenerator generate(77);
    int partial = 0;
    for (int i = 0; i < kPairs; ++i) {
        const WeaponRecord base = generate.weapon();
        WeaponRecord now = generate.pick(8) == 0 ? generate.weapon() : base;
        const WeaponRecord other = generate.weapon();
        for (std::size_t edits = generate.pick(4); edits > 0; --edits) {
            const WeaponControl& control = weaponControls()[generate.pick(weaponControls().size())];
            if (control.text)
                now.*control.text = other.*control.text;
            else
                now.*control.flag = other.*control.flag;
        }
        if (generate.pick(4) != 0)
            now.number = base.number;
        const std::string changes = exportWeaponChanges(base, now);
        const std::string full = exportWeapon(now);
        if (base.number != now.number || base.missile != now.missile) {
            EXPECT_EQ(changes, full) << "another weapon is exported whole";
            continue;
        }
        ASSERT_EQ(changes, linesNotIn(full, exportWeapon(base))) << "pair " << i;
        partial += changes != full;
    }
    EXPECT_GT(partial, kPairs / 3);
    EXPECT_EQ(exportWeaponChanges(std::nullopt, WeaponRecord{}), exportWeapon({}));
}

} // namespace
} // namespace keelwright

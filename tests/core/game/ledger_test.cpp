// SPDX-License-Identifier: MIT
#include "core/game/ledger.h"

#include "core/export/class_export.h"
#include "core/export/class_reader.h"
#include "core/export/weapon_export.h"
#include "core/export/weapon_reader.h"
#include "core/fleet/fleet_row.h"
#include "core/game/sending.h"
#include "support/random_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace keelwright {
namespace {

std::vector<FileLine> numbered(const std::vector<std::string>& lines) {
    std::vector<FileLine> out;
    for (const std::string& line : lines)
        out.push_back({out.size() + 1, line});
    return out;
}

// What a game that applied `lines` in order holds, as the reader reads it: the last line of
// each key, and the systems declared.
std::string held(FileContent kind, const std::vector<std::string>& lines) {
    if (kind == FileContent::Weapon)
        return exportWeapon(readWeapon(numbered(lines)).weapon);
    ShipClassRecord record = readClass(numbered(lines), ShipClassRecord()).record;
    for (const ExportSection& section : classExportSections()) // every field, to compare them all
        if (!section.includeFlag.empty())
            record.setFlag(section.includeFlag, true);
    std::set<std::string> declared;
    for (const std::string& line : lines)
        if (line.starts_with("@space/addsysclass"))
            declared.insert(line);
    std::string out = exportClass(record);
    for (const std::string& line : declared)
        out += line + '\n';
    return out;
}

// What the fleet shows of the form read back from its file: how many of its lines the game does
// not hold, from the digests alone.
std::optional<std::size_t> fleetCount(const std::string& form, const RecordLedger& ledger) {
    const std::vector<FleetRow> rows = fleetRows("ships.txt", readRecords(form));
    if (rows.size() != 1)
        return 999999;
    std::optional<std::vector<std::uint64_t>> held;
    if (!ledger.empty()) {
        held.emplace();
        for (const std::string& line : ledger.lines())
            held->push_back(lineDigest(line));
        std::sort(held->begin(), held->end());
    }
    return linesNotHeld(rows.front().exportLines, held);
}

// Random edits, each followed by a Send Changes that the game answers "OK" up to a random line,
// where the line fails or the connection is lost (it does not take effect) and nothing more is
// sent. The ledger always holds what the game holds; a last Send Changes that all arrives brings
// the game to the form, and after it there is nothing left to send.
TEST(Ledger, HoldsWhatTheGameTookAndSendChangesCompletesIt) {
    for (unsigned seed = 0; seed < 400; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        testing::RecordGenerator generate(seed);
        const FileContent kind = seed % 3 == 0 ? FileContent::Weapon : FileContent::ShipClass;
        const WeaponRecord firstWeapon = generate.weapon();
        const std::string number =
            kind == FileContent::Weapon ? firstWeapon.number : generate.text(3);
        const auto edited = [&] {
            if (kind == FileContent::Weapon) {
                WeaponRecord weapon = generate.weapon();
                weapon.number = number;
                weapon.missile = firstWeapon.missile;
                return exportWeapon(weapon);
            }
            ShipClassRecord record = generate.shipClass();
            record.setText(kClassNumberField, number);
            return exportClass(record);
        };
        RecordLedger ledger(kind, number);
        std::vector<std::string> recorded; // what took effect in the game, in order
        std::string form;
        for (int round = 0; round < 6; ++round) {
            form = edited();
            const std::vector<std::string> sent = ledger.notTaken(linesToSend(form));
            // The fleet's In Game column counts the lines Send Changes sends.
            ASSERT_EQ(fleetCount(form, ledger),
                      ledger.empty() ? std::nullopt : std::optional(sent.size()));
            const std::size_t ok = generate.pick(sent.size() + 1);
            for (std::size_t i = 0; i < ok; ++i) {
                recorded.push_back(sent[i]);
                ledger.took(sent[i]);
            }
            ASSERT_EQ(held(kind, ledger.lines()), held(kind, recorded));
        }
        for (const std::string& line : ledger.notTaken(linesToSend(form))) {
            recorded.push_back(line);
            ledger.took(line);
        }
        EXPECT_TRUE(ledger.notTaken(linesToSend(form)).empty());
        EXPECT_EQ(fleetCount(form, ledger), std::optional<std::size_t>(0));
        // The game holds the form: each of its values, and each system it declares.
        EXPECT_EQ(held(kind, ledger.lines()), held(kind, recorded));
        std::vector<std::string> withForm = recorded;
        for (const std::string& line : linesToSend(form))
            withForm.push_back(line);
        EXPECT_EQ(held(kind, withForm), held(kind, recorded));
    }
}

} // namespace
} // namespace keelwright

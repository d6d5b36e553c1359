// SPDX-License-Identifier: MIT
#include "core/export/weapon_reader.h"

#include "core/export/weapon_export.h"
#include "support/command_files.h"
#include "support/random_records.h"
#include "support/torpedo_example.h"

#include <gtest/gtest.h>

namespace keelwright {
namespace {

using testing::linesOf;

WeaponReading read(std::string_view bytes) {
    return readWeapon(linesOf(bytes));
}

// A missile writes no power, accuracy or "No Hull"; a laser no speed or turn rate.
void expectSameOnExportedFields(const WeaponRecord& read, const WeaponRecord& original) {
    for (const WeaponLine& line : weaponLines(original.missile)) {
        if (line.text)
            ASSERT_EQ(read.*line.text, original.*line.text) << line.key;
        else
            ASSERT_EQ(read.*line.flag, original.*line.flag) << line.key;
    }
    ASSERT_EQ(read.number, original.number);
}

TEST(WeaponReaderRoundTrip, TenThousandRandomWeapons) {
    for (unsigned seed = 0; seed < 10000; ++seed) {
        const bool codePage = seed % 4 == 3;
        testing::RecordGenerator generate(seed, codePage ? testing::Alphabet::Windows1252
                                                         : testing::Alphabet::Unicode);
        WeaponRecord original = generate.weapon();
        if (codePage)
            original.name += "é;";
        const std::string text = exportWeapon(original);
        std::string bytes = seed % 2 ? testing::withLf(text) : text;
        if (codePage)
            bytes = testing::toWindows1252(bytes);
        const WeaponReading reading = read(bytes);
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_TRUE(reading.findings.empty()) << reading.findings.front().why;
        expectSameOnExportedFields(reading.weapon, original);
        ASSERT_EQ(exportWeapon(reading.weapon), text);
    }
}

TEST(WeaponReader, TorpedoAsMissileAndAsLaser) {
    const WeaponReading missile = read(testing::kTorpedoMissileText);
    EXPECT_TRUE(missile.weapon.missile);
    EXPECT_EQ(missile.weapon.turnRate, "3");
    EXPECT_EQ(missile.weapon.power, "#") << "a missile file says nothing of power";
    const WeaponReading laser = read(testing::kTorpedoLaserText);
    EXPECT_FALSE(laser.weapon.missile);
    EXPECT_TRUE(laser.weapon.noHull);
    EXPECT_EQ(laser.weapon.accuracy, "80");
    EXPECT_EQ(exportWeapon(laser.weapon), testing::kTorpedoLaserText);
}

TEST(WeaponReader, FlagsOtherThanZeroOrOneAreNamed) {
    const WeaponReading reading = read("@space/setweapon 3/type=2\n@space/setweapon 3/nohull=yes\n"
                                       "@space/setweapon 3/name=Ray\n");
    EXPECT_FALSE(reading.weapon.missile);
    EXPECT_FALSE(reading.weapon.noHull);
    EXPECT_EQ(reading.weapon.name, "Ray");
    ASSERT_EQ(reading.findings.size(), 2u);
    EXPECT_EQ(reading.findings[0].line, 1u);
    EXPECT_EQ(reading.findings[1].line, 2u);
}

TEST(WeaponReader, ClassLinesAreNoWeaponCommands) {
    const WeaponReading reading = read("@space/setclass 1/name=A\r\n");
    EXPECT_EQ(reading.linesRead, 0u);
    EXPECT_EQ(reading.weapon, WeaponRecord{});
}

} // namespace
} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "core/files/command_file_reading.h"

#include "core/export/class_export.h"
#include "support/torpedo_example.h"

#include <gtest/gtest.h>

#include <random>

namespace keelwright {
namespace {

TEST(CommandFileReading, AFileGoesToTheEditorWhoseCommandsItHoldsMostOf) {
    EXPECT_EQ(readCommandFile(exportClass({}), {}).content, FileContent::ShipClass);
    const FileReading weapon = readCommandFile(testing::kTorpedoLaserText, {});
    EXPECT_EQ(weapon.content, FileContent::Weapon);
    EXPECT_EQ(weapon.weapon.number, "7");
    const FileReading mixed = readCommandFile(
        std::string(testing::kTorpedoLaserText) + "\r\n@space/setclass 1/name=A", {});
    EXPECT_EQ(mixed.content, FileContent::Weapon);
    EXPECT_EQ(mixed.findings.size(), 1u) << "the class line is no weapon command";
}

TEST(CommandFileReading, RefusalsSayWhy) {
    using namespace std::string_literals;
    for (const std::string& bytes :
         {"just some notes\r\n"s, ""s, "@space\0"s, std::string(kMaxCommandFileBytes + 1, '@')}) {
        const FileReading reading = readCommandFile(bytes, {});
        EXPECT_EQ(reading.content, FileContent::Nothing);
        ASSERT_TRUE(reading.refusal.has_value());
        EXPECT_FALSE(reading.refusal->empty());
    }
}

// Damaged, cut and random files never crash the readers and are read or refused.
TEST(CommandFileReading, CutAndDamagedFilesAreReadOrRefused) {
    const std::string whole = exportClass({}) + testing::kTorpedoMissileText;
    std::mt19937 random(5);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes = whole.substr(0, random() % (whole.size() + 1));
        for (int k = 0; k < 3 && !bytes.empty(); ++k)
            bytes[random() % bytes.size()] = char(random() % 256);
        const FileReading reading = readCommandFile(bytes, {});
        EXPECT_EQ(reading.content == FileContent::Nothing, reading.refusal.has_value());
    }
}

// Saving the form over its file drops every line its export does not write again: the count
// must see each kind of such line, and no line of a clean file.
TEST(CommandFileReading, LinesNotOnTheFormAreCounted) {
    using namespace std::string_literals;
    const std::string shipClass = exportClass({});
    const std::string laser = testing::kTorpedoLaserText;
    std::string cafe = laser;
    cafe.replace(cafe.find("Torpedo"), 7, "Caf\xE9");
    const struct {
        std::string bytes;
        std::size_t lost;
        bool windows1252;
    } cases[] = {
        {shipClass, 0, false},
        {laser, 0, false},
        {"\xEF\xBB\xBF"s + laser + "\n\n", 0, false}, // a BOM, blank lines, LF ends
        {shipClass + "@space/setclass 9/name=Other\r\n", 1, false},
        {shipClass + "@space/setclass #/colour=red\r\n", 1, false},
        {"@space/setclass Class #/name=Old\r\n" + shipClass, 1, false}, // the last value holds
        {shipClass + shipClass.substr(0, shipClass.find("\r\n") + 2), 1, false}, // a line twice
        {laser + "\r\n@space/setweapon 8/name=Lance\r\nnotes\r\n", 2, false},
        {cafe, 0, true}, // read as Windows-1252, and every line on the form
    };
    for (const auto& c : cases) {
        const FileReading reading = readCommandFile(c.bytes, {});
        ASSERT_FALSE(reading.refusal.has_value()) << c.bytes;
        EXPECT_EQ(reading.linesNotOnForm, c.lost) << c.bytes;
        EXPECT_EQ(reading.fromWindows1252, c.windows1252) << c.bytes;
    }
}

} // namespace
} // namespace keelwright

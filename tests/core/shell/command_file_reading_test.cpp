// SPDX-License-Identifier: MIT
#include "core/shell/command_file_reading.h"

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

} // namespace
} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "core/fleet/file_records.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "support/random_records.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace keelwright {
namespace {

struct Fleet {
    std::string bytes;
    std::vector<std::string> exports;            // each record's export, in file order
    std::vector<std::vector<std::size_t>> lines; // each record's line numbers
    std::vector<FileContent> kinds;
};

std::string exportOf(const RecordInFile& record) {
    return record.kind == FileContent::Weapon ? exportWeapon(record.weapon)
                                              : exportClass(record.shipClass);
}

// One to thirty classes and weapons of distinct numbers, in random order, with blank lines,
// text and unknown commands between them.
Fleet randomFleet(unsigned seed, testing::RecordGenerator& generate, std::mt19937& random) {
    Fleet fleet;
    const std::size_t count = 1 + random() % 30;
    std::size_t line = 1;
    const auto addLine = [&](const std::string& text) {
        fleet.bytes += text + "\r\n";
        return line++;
    };
    for (std::size_t r = 0; r < count; ++r) {
        const std::string number =
            std::to_string(seed % 7) + std::to_string(r) + (random() % 4 == 0 ? "/a:b=c" : "");
        for (int between = int(random() % 3); between > 0; --between)
            addLine(random() % 2 ? "" : random() % 2 ? "a note" : "@space/nosuch " + number);
        std::string text;
        if (random() % 2) {
            WeaponRecord weapon = generate.weapon();
            weapon.number = number;
            text = exportWeapon(weapon);
            fleet.kinds.push_back(FileContent::Weapon);
        } else {
            ShipClassRecord shipClass = generate.shipClass();
            shipClass.setText("Text1", number);
            text = exportClass(shipClass);
            fleet.kinds.push_back(FileContent::ShipClass);
        }
        fleet.exports.push_back(text);
        fleet.lines.emplace_back();
        for (const std::string& own : testing::splitCrLf(text))
            fleet.lines.back().push_back(addLine(own));
    }
    return fleet;
}

// The raw lines of a file, each with its line end.
std::vector<std::string> rawLines(const std::string& bytes) {
    std::vector<std::string> out;
    for (std::size_t from = 0; from < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", from);
        out.push_back(bytes.substr(from, end + 2 - from));
        from = end + 2;
    }
    return out;
}

TEST(FileRecords, EveryRecordIsFoundAndOneIsSavedInPlace) {
    for (unsigned seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        testing::RecordGenerator generate(seed);
        std::mt19937 random(seed);
        const Fleet fleet = randomFleet(seed, generate, random);
        const FileRecords read = readRecords(fleet.bytes);
        ASSERT_EQ(read.records.size(), fleet.exports.size());
        for (std::size_t r = 0; r < read.records.size(); ++r) {
            ASSERT_EQ(read.records[r].kind, fleet.kinds[r]) << r;
            ASSERT_EQ(read.records[r].lines, fleet.lines[r]) << r;
            ASSERT_EQ(exportOf(read.records[r]), fleet.exports[r]) << r;
            if (read.records.size() > 1) {
                ASSERT_TRUE(read.records[r].findings.empty()) << read.records[r].findings[0].why;
            }
        }

        // Record k edited and saved: its new lines stand where its first line stood.
        const std::size_t k = random() % read.records.size();
        RecordInFile edited = read.records[k];
        if (edited.kind == FileContent::Weapon) {
            edited.weapon = generate.weapon();
            edited.weapon.number = read.records[k].number;
        } else {
            edited.shipClass = generate.shipClass();
            edited.shipClass.setText("Text1", read.records[k].number);
        }
        const std::string text = exportOf(edited);
        const std::string saved = replaceRecord(fleet.bytes, edited.lines, text, false);
        std::vector<std::string> expected;
        const std::vector<std::string> before = rawLines(fleet.bytes);
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (i + 1 == edited.lines.front()) {
                for (const std::string& own : testing::splitCrLf(text))
                    expected.push_back(own + "\r\n");
            }
            if (std::find(edited.lines.begin(), edited.lines.end(), i + 1) == edited.lines.end())
                expected.push_back(before[i]);
        }
        ASSERT_EQ(rawLines(saved), expected);
        const FileRecords again = readRecords(saved);
        ASSERT_EQ(again.records.size(), read.records.size());
        ASSERT_EQ(again.records[k].lines, replacedLines(fleet.bytes, edited.lines, text));
        ASSERT_EQ(findRecord(again, edited.kind, edited.number), again.records[k].lines);
        for (std::size_t r = 0; r < again.records.size(); ++r)
            ASSERT_EQ(exportOf(again.records[r]), r == k ? text : fleet.exports[r]) << r;
    }
}

// A file of one record, whatever its fields and number hold, is that one record as Open reads
// it: checked against the record it was exported from.
TEST(FileRecords, TwentyThousandFilesOfOneRecordEachReadAsOpenReadsThem) {
    for (unsigned seed = 0; seed < 20000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        testing::RecordGenerator generate(seed);
        const bool weapon = seed % 2 == 1;
        const WeaponRecord sentWeapon = weapon ? generate.weapon() : WeaponRecord{};
        const ShipClassRecord sentClass = weapon ? ShipClassRecord{} : generate.shipClass();
        const std::string text = weapon ? exportWeapon(sentWeapon) : exportClass(sentClass);
        const FileRecords read = readRecords(text);
        ASSERT_EQ(read.records.size(), 1u);
        const RecordInFile& only = read.records.front();
        ASSERT_EQ(only.kind, weapon ? FileContent::Weapon : FileContent::ShipClass);
        ASSERT_EQ(only.number, weapon ? sentWeapon.number : sentClass.text("Text1"));
        ASSERT_EQ(exportOf(only), text);
        ASSERT_EQ(only.lines.size(), testing::splitCrLf(text).size());
        ASSERT_TRUE(read.linesOfNoRecord.empty());
        const FileReading open = readCommandFile(text, ShipClassRecord{});
        ASSERT_EQ(only.findings.size(), open.findings.size());
        ASSERT_EQ(weapon ? exportWeapon(open.weapon) : exportClass(open.shipClass), text);
    }
}

TEST(FileRecords, OneRecordReadsAsOpenReadsIt) {
    const std::string file = "a note\r\n@space/setclass 12/name=A\r\n@space/setclass 12/x=1\r\n";
    const FileRecords read = readRecords(file);
    const FileReading open = readCommandFile(file, ShipClassRecord{});
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].shipClass, open.shipClass);
    ASSERT_EQ(read.records[0].findings.size(), open.findings.size());
    for (std::size_t i = 0; i < open.findings.size(); ++i)
        EXPECT_EQ(read.records[0].findings[i].what, open.findings[i].what);
    // A key no reader knows, of the class's number, is the class's line and its finding.
    EXPECT_EQ(read.linesOfNoRecord, (std::vector<std::size_t>{1}));
    EXPECT_EQ(read.records[0].lines, (std::vector<std::size_t>{2, 3}));
    const FileRecords many =
        readRecords(file + "@space/setweapon 7/name=W\r\n" + "@space/setweapon 7/warhead=big\r\n" +
                    "@space/setweapon 8/warhead=big\r\n");
    ASSERT_EQ(many.records.size(), 2u);
    EXPECT_EQ(many.records[1].lines, (std::vector<std::size_t>{4, 5}));
    EXPECT_EQ(many.records[1].findings.at(0).line, 5u);
    EXPECT_EQ(many.linesOfNoRecord, (std::vector<std::size_t>{1, 6}));
    // Opened alone, the weapon names its finding by the file's line.
    const auto weapon =
        readRecord(file + "@space/setweapon 7/name=W\r\n@space/setweapon 7/warhead=big\r\n",
                   FileContent::Weapon, "7", 4, ShipClassRecord{});
    ASSERT_TRUE(weapon);
    EXPECT_EQ(weapon->place.lines, (std::vector<std::size_t>{4, 5}));
    EXPECT_EQ(weapon->reading.weapon.name, "W");
    ASSERT_EQ(weapon->reading.findings.size(), 1u);
    EXPECT_EQ(weapon->reading.findings[0].line, 5u);
}

TEST(FileRecords, TheSameClassTwiceIsAFindingOnBoth) {
    const FileRecords read = readRecords("@space/setclass 1/name=A\n@space/setclass 2/name=B\n"
                                         "@space/setclass 1/name=C\n");
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].findings.back().why,
              "stands again at line 3; the game keeps the later one");
    EXPECT_EQ(read.records[2].findings.back().why,
              "stood before at line 1; the game keeps this later one");
    EXPECT_TRUE(read.records[1].findings.size() == read.records[0].findings.size() - 1);
}

TEST(FileRecords, LineEndsByteOrderMarkAndCodePageStay) {
    const std::string file =
        "\xEF\xBB\xBF@space/setweapon 7/name=A\n@space/setweapon 8/name=\xE9\n";
    EXPECT_EQ(replaceRecord(file, {1}, "@space/setweapon 7/name=B\r\n", true),
              "\xEF\xBB\xBF@space/setweapon 7/name=B\n@space/setweapon 8/name=\xE9\n");
    EXPECT_EQ(
        replaceRecord("x\n@space/setweapon 7/name=A", {2}, "@space/setweapon 7/name=é\r\n", true),
        "x\n@space/setweapon 7/name=\xE9");
    // A record gone from its file is added at its end.
    EXPECT_EQ(replaceRecord("x\ry", {}, "@space/setweapon 7/name=B\r\n", false),
              "x\ry\r@space/setweapon 7/name=B\r");
    EXPECT_EQ(replacedLines("x\ry", {}, "a\r\nb\r\n"), (std::vector<std::size_t>{3, 4}));
}

} // namespace
} // namespace keelwright

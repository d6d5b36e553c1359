// SPDX-License-Identifier: MIT
#include "core/export/class_reader.h"

#include "core/export/class_export.h"
#include "support/command_files.h"
#include "support/random_records.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>

namespace keelwright {
namespace {

using testing::linesOf;

ClassReading read(std::string_view bytes, const ShipClassRecord& current = {}) {
    return readClass(linesOf(bytes), current);
}

// The fields an export of `record` writes, with the include flags and the class number.
std::vector<std::size_t> exportedFields(const ShipClassRecord& record) {
    std::vector<std::size_t> out{fieldIndex("Text1").value()};
    for (const ExportSection& section : classExportSections()) {
        if (!section.includeFlag.empty()) {
            out.push_back(fieldIndex(section.includeFlag).value());
            if (record.flag(section.includeFlag) != 1)
                continue;
        }
        for (const ExportLine& line : section.lines) {
            if (!line.source.empty())
                out.push_back(fieldIndex(line.source).value());
        }
    }
    return out;
}

void expectSameOnExportedFields(const ShipClassRecord& read, const ShipClassRecord& original) {
    for (const std::size_t i : exportedFields(original))
        ASSERT_EQ(read.value(i), original.value(i)) << "field " << classFields()[i].name;
}

std::string whys(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings)
        out += std::to_string(f.line) + ": " + f.what + " " + f.why + "\n";
    return out;
}

// The property builders rely on: reading an export gives the class back, and exporting that
// gives the same bytes, with CR LF or LF ends and in UTF-8 or Windows-1252.
TEST(ClassReaderRoundTrip, TenThousandRandomClasses) {
    for (unsigned seed = 0; seed < 10000; ++seed) {
        const bool codePage = seed % 4 == 3;
        testing::RecordGenerator generate(seed, codePage ? testing::Alphabet::Windows1252
                                                         : testing::Alphabet::Unicode);
        ShipClassRecord original = generate.shipClass();
        if (codePage) // an "é" before the line end: the file is surely no UTF-8
            original.setText("Text2", original.text("Text2") + "é");
        const std::string text = exportClass(original);
        std::string bytes = seed % 2 ? testing::withLf(text) : text;
        if (codePage)
            bytes = testing::toWindows1252(bytes);
        const ClassReading reading = read(bytes, original);
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_EQ(reading.linesRead, testing::splitCrLf(text).size());
        ASSERT_TRUE(reading.findings.empty()) << whys(reading.findings);
        expectSameOnExportedFields(reading.record, original);
        ASSERT_EQ(exportClass(reading.record), text);
    }
}

TEST(ClassReaderRoundTrip, LinesInAnyOrderWithBlankLinesBetween) {
    testing::RecordGenerator generate(99);
    ShipClassRecord original = generate.shipClass();
    for (const ExportSection& section : classExportSections()) {
        if (!section.includeFlag.empty())
            original.setFlag(section.includeFlag, true);
    }
    const std::string text = exportClass(original);
    auto lines = testing::splitCrLf(text);
    std::reverse(lines.begin(), lines.end());
    std::string shuffled = "\xEF\xBB\xBF\r\n";
    for (const std::string& line : lines)
        shuffled += line + "\n\r\n";
    const ClassReading reading = read(shuffled);
    EXPECT_TRUE(reading.findings.empty()) << whys(reading.findings);
    EXPECT_EQ(exportClass(reading.record), text);
}

TEST(ClassReaderObjectNumber, NumbersHoldingSeparatorsOrKeysComeBack) {
    for (const std::string number :
         {"", " 12 ", "12/3", "a:b", "x=y", "5/name=6", "1=reactor", "7 :tachyon/name=", "日本"}) {
        ShipClassRecord original;
        original.setText("Text1", number);
        original.setText("Text2", "/size=:reactor/name=");
        original.setFlag("Check3", true);
        original.setFlag("Check12", true);
        const ClassReading reading = read(exportClass(original));
        EXPECT_EQ(reading.record.text("Text1"), number);
        EXPECT_TRUE(reading.findings.empty()) << number << "\n" << whys(reading.findings);
        EXPECT_EQ(exportClass(reading.record), exportClass(original)) << number;
    }
}

TEST(ClassReaderSections, LinelessSectionsAreLeftOutAndTakeResetValues) {
    ShipClassRecord current;
    current.setFlag("Check6", true); // "Visible": no file says anything of it
    current.setFlag("Check11", true);
    current.setFlag("Check13", true);
    current.setText("Text21", "Warp Core");
    const ClassReading reading = read("@space/setclass 4/name=Skiff\r\n"
                                      "@space/addsysclass 4=reactor\r\n"
                                      "@space/syssetclass 4:reactor/name=Pile\r\n"
                                      "@space/syssetclass 4:reactor/max output=90\r\n"
                                      "@Space/syssetclass 4:Reactor/efficiency=3\r\n"
                                      "@space/syssetclass 4:reactor/tolerance=2\r\n",
                                      current);
    const ShipClassRecord& r = reading.record;
    EXPECT_EQ(r.text("Text1"), "4");
    EXPECT_EQ(r.text("Text2"), "Skiff");
    EXPECT_EQ(r.flag("Check3"), 1);
    EXPECT_EQ(r.text("Text8"), "90");
    EXPECT_EQ(r.flag("Check11"), 0) << "engines have no lines";
    EXPECT_EQ(r.text("Text21"), "#");
    EXPECT_EQ(r.text("text22"), "0");
    EXPECT_EQ(r.flag("Check13"), 0);
    EXPECT_EQ(r.text("Text6"), "#") << "a header line the file lacks";
    EXPECT_EQ(r.flag("Check6"), 1);
    ASSERT_EQ(reading.findings.size(), 1u) << whys(reading.findings);
    EXPECT_EQ(reading.findings[0].line, 1u);
    EXPECT_NE(reading.findings[0].why.find("Ship Size (Text6)"), std::string::npos);
}

TEST(ClassReaderFindings, EachKindIsNamedWithItsLine) {
    const ClassReading reading = read("@space/setclass 9/name=Ark\r\n"
                                      "@space/setclass 9/colour=red\r\n"
                                      "@space/setclass 9/can drop=yes\r\n"
                                      "@space/syssetclass 9:Fore/shield type=2\r\n"
                                      "@space/syssetclass 9:reactor/max output=1000\r\n"
                                      "@space/setclass 9/name=Ark II\r\n"
                                      "@space/setclass 9/name=Ark II\r\n"
                                      "@space/setclass 10/name=Other\r\n"
                                      "@space/setclass 10/size=1\r\n"
                                      "@space/setweapon 7/name=Torpedo\r\n");
    const ShipClassRecord& r = reading.record;
    EXPECT_EQ(r.text("Text2"), "Ark II") << "the last line holds";
    EXPECT_EQ(r.flag("Check1"), 0);
    EXPECT_EQ(r.text("Combo1"), "");
    EXPECT_EQ(r.text("Text8"), "0");
    std::multiset<std::size_t> lines;
    for (const Finding& f : reading.findings)
        lines.insert(f.line);
    // 2 unknown key, 3 flag, 4 shield type, 5 power, 6 repeated with another value, 8 another
    // class, 10 another kind of command; the header and two sections lack lines besides.
    for (const std::size_t line : {2u, 3u, 4u, 5u, 6u, 8u, 10u})
        EXPECT_GE(lines.count(line), 1u) << "line " << line << "\n" << whys(reading.findings);
    EXPECT_EQ(reading.findings.size(), 10u) << whys(reading.findings);
    EXPECT_EQ(lines.count(7u), 0u) << "the same value twice is no finding";
    const std::string all = whys(reading.findings);
    EXPECT_NE(all.find("class \"10\" (2 lines)"), std::string::npos) << all;
}

TEST(ClassReaderFindings, PowerValuesAFieldCannotHold) {
    for (const std::string value : {"1234", "", "1e3", "٣"}) {
        const ClassReading reading =
            read("@space/setclass 1/name=A\r\n@space/syssetclass 1:int/optimal power=" + value);
        EXPECT_EQ(reading.record.text("text15"), "0") << value;
        EXPECT_FALSE(reading.findings.empty()) << value;
    }
}

TEST(ClassReaderFindings, AFileWithoutClassLinesReadsAsNothing) {
    ShipClassRecord current;
    current.setText("Text2", "Kept");
    const ClassReading reading = read("hello\r\n@space/setweapon 1/name=x\r\n", current);
    EXPECT_EQ(reading.linesRead, 0u);
    EXPECT_EQ(reading.record, current);
}

TEST(ClassReaderFindings, CaseOfCommandWordsAndKeysCounts) {
    const ClassReading reading = read("@space/setclass 1/name=A\r\n"
                                      "@space/syssetclass 1:reactor/efficiency=3\r\n"
                                      "@Space/setclass 1/size=3\r\n");
    EXPECT_EQ(reading.record.text("Text9"), "#");
    EXPECT_EQ(reading.record.text("Text6"), "#");
    EXPECT_EQ(reading.linesRead, 1u);
}

} // namespace
} // namespace keelwright

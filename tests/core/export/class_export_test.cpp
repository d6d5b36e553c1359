// SPDX-License-Identifier: MIT
#include "core/export/class_export.h"

#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <sstream>

namespace keelwright {
namespace {

using testing::hasStrayBreak;
using testing::splitCrLf;

std::string joinCrLf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (const std::string_view line : lines)
        out.append(line).append("\r\n");
    return out;
}

ShipClassRecord classTwelve() {
    ShipClassRecord record;
    record.setText("Text1", "12");
    return record;
}

TEST(ClassExport, DesignRecordGivesTheSevenHeaderLines) {
    EXPECT_EQ(exportClass(ShipClassRecord{}), joinCrLf({
                                                  "@space/setclass Class #/name=Class Name",
                                                  "@space/setclass Class #/size=#",
                                                  "@space/setclass Class #/maxhull=#",
                                                  "@space/setclass Class #/can drop=0",
                                                  "@space/setclass Class #/spacedock=0",
                                                  "@space/setclass Class #/cargo=#",
                                                  "@space/setclass Class #/minmanned=#",
                                              }));
}

TEST(ClassExport, GalleonHeader) {
    ShipClassRecord record = classTwelve();
    record.setText("Text2", "Galleon");
    record.setText("Text6", "3");
    record.setText("Text3", "500");
    record.setText("Text5", "20");
    record.setText("Text4", "4");
    record.setFlag("Check1", true);
    EXPECT_EQ(exportClass(record), joinCrLf({
                                       "@space/setclass 12/name=Galleon",
                                       "@space/setclass 12/size=3",
                                       "@space/setclass 12/maxhull=500",
                                       "@space/setclass 12/can drop=1",
                                       "@space/setclass 12/spacedock=0",
                                       "@space/setclass 12/cargo=20",
                                       "@space/setclass 12/minmanned=4",
                                   }));
}

std::string withoutHeader(const ShipClassRecord& record) {
    const std::string text = exportClass(record);
    std::size_t at = 0;
    for (int i = 0; i < 7; ++i)
        at = text.find("\r\n", at) + 2;
    return text.substr(at);
}

TEST(ClassExport, ReactorSection) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check3", true);
    record.setText("Text8", "90");
    record.setText("Text9", "1");
    record.setText("Text10", "5");
    EXPECT_EQ(withoutHeader(record), joinCrLf({
                                         "@space/addsysclass 12=reactor",
                                         "@space/syssetclass 12:reactor/name=Fusion Reactor",
                                         "@space/syssetclass 12:reactor/max output=90",
                                         "@Space/syssetclass 12:Reactor/efficiency=1",
                                         "@space/syssetclass 12:reactor/tolerance=5",
                                     }));
}

TEST(ClassExport, ForeShieldLines) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check16", true);
    record.setText("Text70", "Bow");
    record.setText("Text30", "100");
    record.setText("Text34", "2");
    record.setText("text38", "10");
    record.setText("Text74", "3");
    record.choose("Combo1", "1 Absorption");
    const auto lines = splitCrLf(withoutHeader(record));
    ASSERT_EQ(lines.size(), 14u);
    const std::vector<std::string> fore(lines.begin(), lines.begin() + 8);
    EXPECT_EQ(fore, (std::vector<std::string>{
                        "@space/addsysclass 12=fore",
                        "@space/addsysclass 12=aft",
                        "@space/syssetclass 12:Fore/optimal power=10",
                        "@space/syssetclass 12:Fore/tolerance=3",
                        "@space/syssetclass 12:Fore/name=Bow",
                        "@space/syssetclass 12:Fore/regen rate=2",
                        "@space/syssetclass 12:Fore/shield type=1",
                        "@space/syssetclass 12:Fore/max strength=100",
                    }));
    EXPECT_EQ(lines[12], "@space/syssetclass 12:aft/shield type="); // nothing chosen
}

TEST(ClassExport, OnlyStarAndPort) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check18", true);
    record.choose("Combo3", "0 Deflector");
    record.choose("Combo4", "1 Absorption");
    record.setText("Text76", "s");
    record.setText("Text77", "p");
    const std::string text = withoutHeader(record);
    EXPECT_EQ(text.find("fore"), std::string::npos);
    EXPECT_EQ(text.find("aft"), std::string::npos);
    const auto lines = splitCrLf(text);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "@space/addsysclass 12=port");
    EXPECT_EQ(lines[1], "@space/addsysclass 12=star");
    EXPECT_EQ(lines[3], "@space/syssetclass 12:star/tolerance=s");
    EXPECT_EQ(lines[6], "@space/syssetclass 12:star/shield type=0");
    EXPECT_EQ(lines[9], "@space/syssetclass 12:port/tolerance=p");
    EXPECT_EQ(lines[12], "@space/syssetclass 12:port/shield type=1");
}

TEST(ClassExport, TachyonSensorsAtDesignValues) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check12", true);
    EXPECT_EQ(withoutHeader(record), joinCrLf({
                                         "@space/addsysclass 12=tachyon",
                                         "@space/syssetclass 12 :tachyon/optimal power=0",
                                         "@space/syssetclass 12 :tachyon/tolerance=#",
                                         "@space/syssetclass 12 :tachyon/name=Tachyon Sensor",
                                         "@space/syssetclass 12 :tachyon/efficiency=#",
                                     }));
}

TEST(ClassExport, EnginesWriteTheAfterburnerFlagAndTheBlankAfterTolerance) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check11", true);
    record.setText("Text23", "7");
    const auto lines = splitCrLf(withoutHeader(record));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3], "@space/syssetclass 12:engine/tolerance= 7");
    EXPECT_EQ(lines[6], "@space/syssetclass 12:engine/can afterburn=0");

    ShipClassRecord burnerOnly = classTwelve();
    burnerOnly.setFlag("Check13", true);
    EXPECT_EQ(withoutHeader(burnerOnly), "");
}

TEST(ClassExport, LifeSupportDeclarationEndsInABlank) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check14", true);
    const auto lines = splitCrLf(withoutHeader(record));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "@space/addsysclass 12=life ");
    EXPECT_EQ(lines[2], "@space/syssetclass 12:life/tolerance=#");
    EXPECT_EQ(lines[3], "@space/syssetclass 12:life/optimal power=0");
}

TEST(ClassExport, CommArrayKeepsTheBlankOfItsDesignName) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check19", true);
    const auto lines = splitCrLf(withoutHeader(record));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], "@space/syssetclass 12 :comm. array/name=Comm. Array ");
    EXPECT_EQ(lines[4], "@space/syssetclass 12 :comm. array/optimal power=0");
}

TEST(ClassExport, CloakingDeviceComesBeforeTheJumpDrive) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check4", true);
    record.setFlag("Check20", true);
    const auto lines = splitCrLf(withoutHeader(record));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "@space/addsysclass 12=cloaking device");
    EXPECT_EQ(lines[5], "@space/addsysclass 12=jump drive");
    EXPECT_EQ(lines[9], "@space/syssetclass 12:jump/min speed=#");
    EXPECT_EQ(lines[10], "@space/syssetclass 12:jump/EFFICIENCY=#");
}

TEST(ClassExport, VisibleChangesNothing) {
    ShipClassRecord record = classTwelve();
    record.setFlag("Check5", true);
    const std::string hidden = exportClass(record);
    record.setFlag("Check6", true);
    EXPECT_EQ(exportClass(record), hidden);
}

TEST(ClassExport, ClassNumberIsCopiedAsTyped) {
    ShipClassRecord empty;
    empty.setText("Text1", "");
    empty.setFlag("Check3", true);
    auto lines = splitCrLf(exportClass(empty));
    EXPECT_EQ(lines[0], "@space/setclass /name=Class Name");
    EXPECT_EQ(lines[7], "@space/addsysclass =reactor");

    ShipClassRecord padded;
    padded.setText("Text1", " 12 ");
    padded.setFlag("Check15", true);
    lines = splitCrLf(exportClass(padded));
    EXPECT_EQ(lines[0], "@space/setclass  12 /name=Class Name");
    EXPECT_EQ(lines[8], "@space/syssetclass  12  :tractor/optimal power=0");
}

TEST(ClassExport, ValuesPassThroughUntouched) {
    ShipClassRecord record = classTwelve();
    record.setText("Text2", "Zerstörer «Ωmega» 🚀 ");
    record.setText("Text3", " /a:b=c ");
    record.setText("Text6", "");
    const auto lines = splitCrLf(exportClass(record));
    EXPECT_EQ(lines[0], "@space/setclass 12/name=Zerstörer «Ωmega» 🚀 ");
    EXPECT_EQ(lines[1], "@space/setclass 12/size=");
    EXPECT_EQ(lines[2], "@space/setclass 12/maxhull= /a:b=c ");
}

TEST(ClassExport, AValueHoldingALineBreakIsStillCopied) {
    ShipClassRecord record = classTwelve();
    record.setText("Text2", "a\nb");
    EXPECT_EQ(splitCrLf(exportClass(record))[0], "@space/setclass 12/name=a\nb");
}

// Every field holds a value of its own and every section is included: the whole export, byte for
// byte, against the command list kept beside this test.
TEST(ClassExport, EverySectionByteForByte) {
    ShipClassRecord record = classTwelve();
    for (std::size_t i = 0; i < classFields().size(); ++i) {
        const Field& field = classFields()[i];
        if (isTextual(field.kind) && field.name != "Text1")
            record.setValue(i, "v-" + std::string(field.name));
        else if (field.kind == FieldKind::Flag)
            record.setFlag(field.name, true);
    }
    record.choose("Combo1", "1 Absorption");
    record.choose("Combo2", "0 Deflector");
    record.choose("Combo3", "1 Absorption");
    record.choose("Combo4", "0 Deflector");

    std::ifstream file(KEELWRIGHT_TEST_DATA "/export/data/every_section.txt", std::ios::binary);
    ASSERT_TRUE(file) << "missing expected export";
    std::string expected;
    for (std::string line; std::getline(file, line);)
        expected.append(line).append("\r\n");

    const std::string text = exportClass(record);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(splitCrLf(text).size(), 106u);
    EXPECT_FALSE(hasStrayBreak(text));
    EXPECT_TRUE(text.ends_with(" :comm. array/optimal power=v-text80\r\n"));
}

} // namespace
} // namespace keelwright

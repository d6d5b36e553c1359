// SPDX-License-Identifier: MIT
#include "core/export/command_file.h"

#include "support/command_files.h"

#include <gtest/gtest.h>
#include <utility>

namespace keelwright {
namespace {

using testing::linesOf;

std::vector<std::pair<std::size_t, std::string>> numbered(std::string_view bytes) {
    std::vector<std::pair<std::size_t, std::string>> out;
    for (const FileLine& line : linesOf(bytes))
        out.emplace_back(line.number, line.text);
    return out;
}

using Lines = std::vector<std::pair<std::size_t, std::string>>;

TEST(CommandFileDecoding, LineEndsOfEveryKindAndBlankLines) {
    EXPECT_EQ(numbered("a\r\nb\nc\rd"), (Lines{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}}));
    EXPECT_EQ(numbered("\r\n\na\r\n  \r\n\tb \r\n\r\n"), (Lines{{3, "a"}, {5, "\tb "}}));
    EXPECT_EQ(numbered(""), Lines{});
}

TEST(CommandFileDecoding, ByteOrderMarkIsDropped) {
    EXPECT_EQ(numbered("\xEF\xBB\xBF@x\r\n"), (Lines{{1, "@x"}}));
}

TEST(CommandFileDecoding, Utf8StaysAndOtherBytesAreWindows1252) {
    EXPECT_EQ(numbered("K\xC3\xA9l 日本 🚀"), (Lines{{1, "Kél 日本 🚀"}}));
    EXPECT_EQ(numbered("K\xE9l \x80 \x93x\x94 \x81"), (Lines{{1, "Kél € “x” \xC2\x81"}}));
}

TEST(CommandFileDecoding, Utf8ValidityIsStrict) {
    EXPECT_TRUE(isValidUtf8("plain é 日 🚀"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));     // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE6\x97"));         // cut short
    EXPECT_FALSE(isValidUtf8("\x80"));
}

TEST(CommandFileDecoding, NulBytesAndOversizedFilesAreRefused) {
    using namespace std::string_literals;
    EXPECT_TRUE(std::holds_alternative<Refusal>(decodeCommandFile("@space\0x"s)));
    const std::string big(kMaxCommandFileBytes + 1, 'a');
    EXPECT_TRUE(std::holds_alternative<Refusal>(decodeCommandFile(big)));
    EXPECT_FALSE(std::holds_alternative<Refusal>(
        decodeCommandFile(std::string_view(big).substr(0, kMaxCommandFileBytes))));
}

TEST(CommandFileDecoding, QuotedLinesAreCutOnCharacterBoundaries) {
    const std::string longLine(59, 'a');
    const std::string quoted = quoteLine(longLine + "日本");
    EXPECT_EQ(quoted, '"' + longLine + "...\"");
    EXPECT_EQ(quoteLine("short"), "\"short\"");
}

} // namespace
} // namespace keelwright

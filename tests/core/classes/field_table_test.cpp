// SPDX-License-Identifier: MIT
#include "core/classes/field_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace keelwright {
namespace {

int numberIn(std::string_view name, std::string_view prefix) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.rfind(prefix, 0) != 0)
        return -1;
    return std::stoi(lower.substr(prefix.size()));
}

TEST(FieldTable, HoldsEveryControlOnceWithTheRightCounts) {
    std::set<int> texts, checks, combos;
    std::set<std::string_view> names;
    for (const Field& field : classFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        if (isTextual(field.kind))
            EXPECT_TRUE(texts.insert(numberIn(field.name, "text")).second) << field.name;
        else if (field.kind == FieldKind::Flag)
            EXPECT_TRUE(checks.insert(numberIn(field.name, "check")).second) << field.name;
        else
            EXPECT_TRUE(combos.insert(numberIn(field.name, "combo")).second) << field.name;
    }
    EXPECT_EQ(texts.size(), 82u);
    EXPECT_EQ(*texts.begin(), 1);
    EXPECT_EQ(*texts.rbegin(), 82);
    EXPECT_EQ(checks.size(), 20u);
    EXPECT_EQ(*checks.rbegin(), 20);
    EXPECT_EQ(combos.size(), 4u);
    EXPECT_EQ(classFields().size(), kFieldCount);
}

TEST(FieldTable, NameCaseIsPartOfTheName) {
    EXPECT_TRUE(fieldIndex("text15"));
    EXPECT_FALSE(fieldIndex("Text15"));
    EXPECT_TRUE(fieldIndex("Text16"));
    EXPECT_FALSE(fieldIndex("text16"));
    EXPECT_FALSE(fieldIndex(""));
}

TEST(FieldTable, PowerFieldsAreExactlyTheSeventeenListed) {
    std::set<std::string_view> listed(powerFieldNames().begin(), powerFieldNames().end());
    EXPECT_EQ(listed.size(), kPowerFieldCount);
    EXPECT_EQ(powerFieldNames()[0], "Text8");
    for (const Field& field : classFields())
        EXPECT_EQ(field.kind == FieldKind::Power, listed.count(field.name) == 1) << field.name;
}

TEST(FieldTable, StartValuesFollowTheKind) {
    for (const Field& field : classFields()) {
        switch (field.kind) {
        case FieldKind::Number:
            EXPECT_EQ(field.start, "#") << field.name;
            break;
        case FieldKind::Power:
        case FieldKind::Flag:
            EXPECT_EQ(field.start, "0") << field.name;
            break;
        case FieldKind::Choice:
            EXPECT_EQ(field.start, "") << field.name;
            break;
        case FieldKind::Text:
            EXPECT_NE(field.start, "#") << field.name;
            break;
        }
    }
    EXPECT_EQ(classFields()[*fieldIndex("Text79")].start, "Comm. Array ");
    EXPECT_EQ(classFields()[*fieldIndex("Text17")].start, "Thusters");
}

TEST(FieldTable, EveryPageHasFieldsAndEveryUnlabelledFieldASpokenName) {
    std::set<int> pages;
    for (const Field& field : classFields()) {
        ASSERT_GE(field.page, 0);
        ASSERT_LT(field.page, static_cast<int>(kPageCount));
        pages.insert(field.page);
        EXPECT_FALSE(field.caption.empty() && field.spokenName.empty()) << field.name;
    }
    EXPECT_EQ(pages.size(), kPageCount);
    EXPECT_EQ(pageCaptions()[7], "Shields");
    EXPECT_EQ(pageCaptions()[15], "Comms");
}

// Two fields of a page must not share any pixel, labels above them included.
TEST(FieldTable, NoTwoControlsOfAPageOverlap) {
    struct Box {
        std::string_view name;
        int page, left, top, right, bottom;
    };
    std::vector<Box> boxes;
    for (const Field& f : classFields()) {
        const bool labelAbove = isTextual(f.kind) && !f.caption.empty();
        const int top = labelAbove ? f.top - kLabelAbove : f.top;
        boxes.push_back(
            {f.name, f.page, f.left, top, f.left + f.width, f.top + controlHeight(f.kind)});
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& a = boxes[i];
            const Box& b = boxes[j];
            const bool overlap = a.page == b.page && a.left < b.right && b.left < a.right &&
                                 a.top < b.bottom && b.top < a.bottom;
            EXPECT_FALSE(overlap) << a.name << " and " << b.name;
        }
    }
}

} // namespace
} // namespace keelwright

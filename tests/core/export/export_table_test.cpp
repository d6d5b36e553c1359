// SPDX-License-Identifier: MIT
// The field table and the export tables must describe the same fields: every field the builder
// can fill in reaches the game exactly once, in the section of its own page.
#include "core/export/class_export.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <set>

namespace keelwright {
namespace {

int pageOf(std::string_view name) {
    return classFields()[fieldIndex(name).value()].page;
}

TEST(ExportTables, EveryFieldIsExportedOnceInItsOwnSection) {
    std::map<std::string_view, int> uses;
    std::set<std::string_view> includeFlags;
    for (const ExportSection& section : classExportSections()) {
        const int page = section.includeFlag.empty() ? 0 : pageOf(section.includeFlag);
        if (!section.includeFlag.empty()) {
            EXPECT_TRUE(includeFlags.insert(section.includeFlag).second) << section.title;
        }
        for (const ExportLine& line : section.lines) {
            if (line.source.empty())
                continue;
            ASSERT_TRUE(fieldIndex(line.source)) << line.source;
            EXPECT_EQ(pageOf(line.source), page) << line.source << " in " << section.title;
            ++uses[line.source];
        }
    }
    EXPECT_EQ(includeFlags.size(), 16u);
    for (const Field& field : classFields()) {
        const bool control = field.name == "Text1" || includeFlags.count(field.name) == 1;
        const int expected = control || field.name == "Check6" ? 0 : 1;
        EXPECT_EQ(uses[field.name], expected) << field.name;
    }
}

TEST(ExportTables, LinesHaveTheThreeKeyShapes) {
    for (const ExportSection& section : classExportSections()) {
        for (const ExportLine& line : section.lines) {
            if (line.source.empty()) {
                EXPECT_EQ(line.command, "@space/addsysclass ") << line.key;
                EXPECT_EQ(line.key.front(), '=') << line.key;
            } else if (line.command == "@space/setclass ") {
                EXPECT_EQ(line.key.front(), '/') << line.key;
            } else {
                EXPECT_NE(line.key.find(':'), std::string_view::npos) << line.key;
            }
            if (!line.source.empty()) {
                EXPECT_TRUE(line.key.back() == '=' || line.key.ends_with("= ")) << line.key;
            }
        }
    }
}

TEST(ExportTables, SectionSizesAddUpToAHundredAndSix) {
    const std::size_t expected[] = {7, 5, 4, 4, 5, 8, 4, 14, 14, 5, 5, 6, 5, 5, 5, 5, 5};
    std::size_t total = 0;
    ASSERT_EQ(classExportSections().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(classExportSections()[i].lines.size(), expected[i]) << i;
        total += classExportSections()[i].lines.size();
    }
    EXPECT_EQ(total, 106u);
}

} // namespace
} // namespace keelwright

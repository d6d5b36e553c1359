// SPDX-License-Identifier: MIT
#include "core/files/file_names.h"

#include <gtest/gtest.h>

namespace keelwright {
namespace {

TEST(SuggestedFileName, NamesTheFormAndHoldsOnlyWhatFileNamesCan) {
    const struct {
        const char* name;
        const char* file;
    } cases[] = {
        {"Galleon", "Galleon.txt"},
        {"  Galleon Mk II ", "Galleon Mk II.txt"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j.txt"},
        {"tab\there", "tab_here.txt"},
        {"Ærø 🚀", "Ærø 🚀.txt"},
        {"#", "class.txt"},
        {"", "class.txt"},
        {"   ", "class.txt"},
        {"..", "class.txt"},
        {"Lance.", "Lance.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(suggestedFileName(c.name, "class"), c.file) << c.name;
    EXPECT_EQ(suggestedFileName("#", "weapon"), "weapon.txt");
}

} // namespace
} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// Splits command text at CR LF, and says whether any line break is not a CR LF pair.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright::testing {

inline std::vector<std::string> splitCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
         start = end + 2)
        lines.emplace_back(text.substr(start, end - start));
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

inline bool hasStrayBreak(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return true;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return true;
    }
    return false;
}

} // namespace keelwright::testing

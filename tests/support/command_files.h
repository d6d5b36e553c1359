// SPDX-License-Identifier: MIT
#pragma once
// Command texts as files may hold them: LF line ends, or the Windows-1252 code page.

#include "core/export/command_file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace keelwright::testing {

inline std::string withLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    }
    return out;
}

// UTF-8 to Windows-1252, for the non-ASCII characters the random records use in that mode.
inline std::string toWindows1252(std::string_view utf8) {
    static const std::map<std::string, char> codes = {{"é", '\xE9'}, {"ß", '\xDF'}, {"€", '\x80'},
                                                      {"Š", '\x8A'}, {"“", '\x93'}, {"”", '\x94'}};
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string character(utf8.substr(i, length));
        if (length == 1)
            out += character;
        else
            out += codes.at(character);
        i += length;
    }
    return out;
}

// The lines of a text that decodes; a refusal fails the test.
inline std::vector<FileLine> linesOf(std::string_view bytes) {
    auto decoded = decodeCommandFile(bytes);
    if (const auto* refusal = std::get_if<Refusal>(&decoded)) {
        ADD_FAILURE() << "refused: " << refusal->reason;
        return {};
    }
    return std::get<std::vector<FileLine>>(decoded);
}

} // namespace keelwright::testing

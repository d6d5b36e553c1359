// SPDX-License-Identifier: MIT
#pragma once
// A fuzzer's bytes as the core takes them: texts cut at each 0x1F (unit separator) byte, or the
// lines of a command file.

#include "core/export/command_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace keelwright::fuzz {

inline std::vector<std::string_view> texts(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t end; (end = all.find('\x1f', start)) != std::string_view::npos;
         start = end + 1)
        out.push_back(all.substr(start, end - start));
    out.push_back(all.substr(start));
    return out;
}

// The lines of the bytes as a command file, or nothing where the file is refused.
inline const std::vector<FileLine>* fileLines(const std::uint8_t* data, std::size_t size,
                                              std::variant<std::vector<FileLine>, Refusal>& keep) {
    keep = decodeCommandFile({reinterpret_cast<const char*>(data), size});
    return std::get_if<std::vector<FileLine>>(&keep);
}

} // namespace keelwright::fuzz

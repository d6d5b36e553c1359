#pragma once
// Cuts a fuzzer's bytes into texts at each 0x1F (unit separator) byte.

#include <cstddef>
#include <cstdint>
#include <string_view>
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

} // namespace keelwright::fuzz

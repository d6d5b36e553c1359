// SPDX-License-Identifier: MIT
#include "core/files/file_names.h"

namespace keelwright {
namespace {

// Forbidden in Windows file names, or a folder separator somewhere.
bool unfitForFileName(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f ||
           std::string_view(R"(<>:"/\|?*)").find(c) != std::string_view::npos;
}

} // namespace

std::string suggestedFileName(std::string_view name, std::string_view fallback) {
    const auto first = name.find_first_not_of(' ');
    name = first == std::string_view::npos
               ? std::string_view{}
               : name.substr(first, name.find_last_not_of(' ') + 1 - first);
    // Windows drops a name's trailing dots; "..", "." or "" would name no file at all.
    while (!name.empty() && name.back() == '.')
        name.remove_suffix(1);
    std::string file;
    for (const char c : name)
        file += unfitForFileName(c) ? '_' : c;
    if (file.empty() || file == "#")
        file = fallback;
    return file + ".txt";
}

} // namespace keelwright

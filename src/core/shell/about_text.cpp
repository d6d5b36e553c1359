// SPDX-License-Identifier: MIT
#include "core/shell/about_text.h"

#include "core/version.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace keelwright {

std::string aboutText() {
    // Lines 7 to 9 read as one sentence: where to connect to learn more about Vantor.
    const std::string title = std::string(kProgramName) + " " + std::string(kVersion);
    const std::array<std::string_view, 9> lines = {
        title,
        "Written by the Keelwright developers",
        "Contact: keelwright@example.org",
        "",
        "Copyright (C) 2026 the Keelwright developers",
        "",
        "Connect to vantor.example.org port 4201",
        "to find out more information about",
        "Vantor 4.21",
    };
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace keelwright

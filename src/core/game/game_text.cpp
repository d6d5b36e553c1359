// SPDX-License-Identifier: MIT
#include "core/game/game_text.h"

#include "core/export/command_file.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace keelwright {
namespace {

// The code point of the UTF-8 sequence at `at`, and its length.
std::uint32_t codePointAt(std::string_view text, std::size_t at, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1)
        return lead;
    if (at + length > text.size()) { // cut short: no character Latin-1 has
        length = text.size() - at;
        return 0xFFFD;
    }
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = code << 6 | (byte(i) & 0x3F);
    return code;
}

} // namespace

void LineSplitter::feed(std::string_view text, std::vector<std::string>& lines) {
    for (const char c : text) {
        if (c == '\n') {
            if (!cut_) {
                if (partial_.ends_with('\r'))
                    partial_.pop_back();
                lines.push_back(std::move(partial_));
            }
            partial_.clear();
            cut_ = false;
            continue;
        }
        if (cut_ || c == '\0')
            continue;
        partial_ += c;
        if (partial_.size() >= max_) {
            lines.push_back(std::move(partial_).append(kCutLineNote));
            partial_.clear();
            cut_ = true;
        }
    }
}

std::optional<std::string> LineSplitter::rest() {
    if (partial_.ends_with('\r'))
        partial_.pop_back();
    if (partial_.empty())
        return std::nullopt;
    std::string out;
    out.swap(partial_);
    return out;
}

std::string decodeGameLine(std::string_view bytes) {
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | b >> 6);
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> toLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0, length = 0; at < utf8.size(); at += length) {
        const std::uint32_t code = codePointAt(utf8, at, length);
        if (code > 0xFF)
            return std::nullopt;
        out += static_cast<char>(code);
    }
    return out;
}

std::vector<std::string> charactersBeyondLatin1(std::string_view utf8) {
    std::vector<std::string> out;
    for (std::size_t at = 0, length = 0; at < utf8.size(); at += length) {
        if (codePointAt(utf8, at, length) <= 0xFF)
            continue;
        const std::string character(utf8.substr(at, length));
        if (std::find(out.begin(), out.end(), character) == out.end())
            out.push_back(character);
    }
    return out;
}

std::string connectCommand(std::string_view character, std::string_view password) {
    const bool blanks = character.find(' ') != std::string_view::npos;
    std::string line = "connect ";
    line += blanks ? "\"" + std::string(character) + "\"" : std::string(character);
    return line.append(" ").append(password);
}

} // namespace keelwright

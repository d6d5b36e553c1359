// SPDX-License-Identifier: MIT
#include "core/export/command_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace keelwright {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kQuotedLength = 60;

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined keep their own code points,
// as Windows itself decodes them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool isBlank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::size_t lineEnd(std::string_view bytes, std::size_t from) {
    const auto end = std::find_if(bytes.begin() + std::ptrdiff_t(from), bytes.end(),
                                  [](char c) { return c == '\r' || c == '\n'; });
    return std::size_t(end - bytes.begin());
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint8_t low = 0x80, high = 0xBF; // the allowed range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
        } else
            return false;
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            const std::uint8_t min = k == 1 ? low : 0x80, max = k == 1 ? high : 0xBF;
            if (next < min || next > max)
                return false;
        }
        i += length;
    }
    return true;
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + length > utf8.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
        i += length;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += char(c);
            continue;
        }
        const auto high = std::find(kHighControls.begin(), kHighControls.end(), c);
        if (high == kHighControls.end())
            return std::nullopt;
        out += char(0x80 + (high - kHighControls.begin()));
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t(b));
    }
    return out;
}

std::variant<std::vector<FileLine>, Refusal> decodeCommandFile(std::string_view bytes,
                                                               std::size_t maxBytes) {
    if (bytes.size() > maxBytes) {
        if (maxBytes == kMaxCommandFileBytes)
            return Refusal{
                "The file is larger than 1 MiB; a ship class or weapon file is far smaller."};
        return Refusal{"The file is larger than " + std::to_string(maxBytes >> 20) + " MiB."};
    }
    if (bytes.find('\0') != std::string_view::npos)
        return Refusal{"This is not a text file."};
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    std::string decoded;
    if (!isValidUtf8(bytes)) {
        decoded = windows1252ToUtf8(bytes);
        bytes = decoded;
    }
    std::vector<FileLine> lines;
    std::size_t number = 1;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = lineEnd(bytes, start);
        const std::string_view line = bytes.substr(start, end - start);
        if (!isBlank(line))
            lines.push_back({number, std::string(line)});
        if (end == bytes.size())
            break;
        start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        ++number;
    }
    return lines;
}

void sortByLine(std::vector<Finding>& findings) {
    // Most findings come in file order; the few added after them are sorted and merged in.
    const auto byLine = [](const Finding& a, const Finding& b) { return a.line < b.line; };
    const auto unsorted = std::is_sorted_until(findings.begin(), findings.end(), byLine);
    std::stable_sort(unsorted, findings.end(), byLine);
    std::inplace_merge(findings.begin(), unsorted, findings.end(), byLine);
}

std::string quoteLine(std::string_view text) {
    if (text.size() <= kQuotedLength)
        return '"' + std::string(text) + '"';
    std::size_t cut = kQuotedLength;
    while (cut > 0 && (static_cast<std::uint8_t>(text[cut]) & 0xC0) == 0x80)
        --cut; // not inside a character
    return '"' + std::string(text.substr(0, cut)) + "...\"";
}

std::vector<std::string> linesToSend(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t from = 0; from < text.size();) {
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(from, end - from);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        out.emplace_back(line);
        from = end + 1;
    }
    return out;
}

} // namespace keelwright

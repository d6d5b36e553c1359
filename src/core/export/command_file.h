// SPDX-License-Identifier: MIT
#pragma once
// A saved command file as the readers see it: its bytes checked and decoded to UTF-8 lines, and
// what a reader found wrong in them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace keelwright {

// Larger files are refused before they are read whole: a class is at most 106 short lines.
inline constexpr std::size_t kMaxCommandFileBytes = 1024 * 1024;
// A file that keeps a whole game's classes and weapons may be far larger.
inline constexpr std::size_t kMaxFleetFileBytes = 64 * 1024 * 1024;

struct FileLine {
    std::size_t number; // counted from 1, blank lines included
    std::string text;   // UTF-8, without its line end
};

// The lines of a text, at its line ends (CR LF or LF); a last line without one counts.
std::vector<std::string> linesToSend(std::string_view text);

// One thing a reader could not take as it stands: where, what, and why.
struct Finding {
    std::size_t line; // 0 where it concerns no single line
    std::string what;
    std::string why;
};

// In file order; findings about no single line (line 0) first.
void sortByLine(std::vector<Finding>& findings);

// Why a file is not read at all.
struct Refusal {
    std::string reason;
};

// The non-blank lines of a file. Line ends may be CR LF, LF or CR, mixed; a UTF-8 byte-order
// mark is dropped; bytes that are not UTF-8 are read as Windows-1252. A file over the size limit
// or holding a NUL byte is refused.
std::variant<std::vector<FileLine>, Refusal>
decodeCommandFile(std::string_view bytes, std::size_t maxBytes = kMaxCommandFileBytes);

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// Nothing when the text holds a character Windows-1252 does not have.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

// A line or value as a finding shows it: in double quotes, so that it cannot run into the words
// around it, and shortened to a readable length on a character boundary.
std::string quoteLine(std::string_view text);

} // namespace keelwright

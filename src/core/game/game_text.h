// SPDX-License-Identifier: MIT
#pragma once
// The game's text as lines, bounded in length whatever the game sends, read as UTF-8 where it is
// valid UTF-8 and as Latin-1 otherwise; and text made fit for a game that takes Latin-1 only.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

inline constexpr std::size_t kMaxGameLineBytes = 64 * 1024;
inline constexpr std::string_view kCutLineNote = " [cut here: the line was longer than 64 KiB]";

// The text of a connection split at its line ends (LF, with or without a CR before it). A line
// longer than the limit is given cut, with the note, and the rest of it up to its end is dropped.
class LineSplitter {
public:
    explicit LineSplitter(std::size_t maxBytes = kMaxGameLineBytes) : max_(maxBytes) {}
    // Appends each line `text` ends to `lines`, without its line end; NUL bytes go.
    void feed(std::string_view text, std::vector<std::string>& lines);
    // What stands after the last line end, as a line: the game closed in the middle of it.
    std::optional<std::string> rest();

private:
    std::string partial_;
    std::size_t max_;
    bool cut_ = false; // dropping the rest of a line too long
};

// A line as the game sent it, made UTF-8.
std::string decodeGameLine(std::string_view bytes);

// The text in Latin-1, for a game that did not agree to UTF-8; nothing where it holds a
// character Latin-1 lacks. The characters it lacks, each once, in the order they stand.
std::optional<std::string> toLatin1(std::string_view utf8);
std::vector<std::string> charactersBeyondLatin1(std::string_view utf8);

// The login line: a name with blanks goes in double quotes.
std::string connectCommand(std::string_view character, std::string_view password);

} // namespace keelwright

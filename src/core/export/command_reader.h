#pragma once
// Matches the lines of a command file against the commands an export writes: command word,
// object number, key literal, value. The object number is not delimited (it may itself hold "/",
// ":" or "="), so every place a key could begin is a possible reading; the one chosen is the
// first command line's reading under which the lines agree on the most keys.

#include "core/export/command_file.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

// A command an export writes. A valueless key says everything: nothing may follow it.
struct CommandKey {
    std::string_view command;
    std::string_view key;
    bool valueless = false;
};

struct MatchedLine {
    std::size_t line; // its number in the file
    std::size_t key;  // index into the keys matched against
    std::string value;
};

struct CommandMatch {
    std::string object;             // the object number the matched lines share
    std::vector<MatchedLine> lines; // in file order
    std::vector<Finding> findings;  // lines of no such command, lines of other objects
};

// `kind` names a command in findings ("ship class"), `object` its number ("class").
CommandMatch matchCommands(std::span<const FileLine> lines, std::span<const CommandKey> keys,
                           std::string_view kind, std::string_view object);

} // namespace keelwright

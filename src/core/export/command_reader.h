// SPDX-License-Identifier: MIT
#pragma once
// Matches the lines of a command file against the commands an export writes: command word,
// object number, key literal, value. The object number is not delimited (it may itself hold "/",
// ":" or "="), so every place a key could begin is a possible reading; the one chosen is the
// first command line's reading under which the lines agree on the most keys.

#include "core/export/command_file.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace keelwright {

// A command an export writes. A valueless key says everything: nothing may follow it.
struct CommandKey {
    std::string_view command;
    std::string_view key;
    bool valueless = false;
};

// A line split after its command word, and the places a key could begin in what follows.
struct ParsedLine {
    const FileLine* line;
    std::optional<std::size_t> command; // index into the distinct command words
    std::string_view rest;              // what follows the command word
};

struct Reading {
    std::size_t split; // the object number is rest[0, split)
    std::size_t key;
};

// The keys grouped by command word and by their first bytes, for a quick look at every place
// in a line. Built once per table of keys.
class CommandIndex {
public:
    explicit CommandIndex(std::span<const CommandKey> keys);

    std::span<const CommandKey> keys() const { return keys_; }
    ParsedLine parse(const FileLine& line) const;
    // Appends the keys of the line's command that begin at `split`, in table order.
    void keysAt(const ParsedLine& line, std::size_t split, std::vector<std::size_t>& out) const;
    // The first `limit` places a key could begin, by position.
    std::vector<Reading> readings(const ParsedLine& line, std::size_t limit) const;

private:
    std::span<const CommandKey> keys_;
    std::vector<std::string_view> commands_;
    std::vector<std::unordered_map<std::uint32_t, std::vector<std::size_t>>> buckets_;
    std::array<bool, 256> starts_ = {};
};

struct MatchedLine {
    std::size_t line; // its number in the file
    std::size_t key;  // index into the keys matched against
    std::string value;
};

struct CommandMatch {
    std::string object;             // the object number the matched lines share
    std::vector<MatchedLine> lines; // in file order
    std::vector<Finding> findings;  // lines of no such command or of other objects, repeated keys
};

// `kind` names a command in findings ("ship class"), `object` its number ("class").
CommandMatch matchCommands(std::span<const FileLine> lines, const CommandIndex& index,
                           std::string_view kind, std::string_view object);

} // namespace keelwright

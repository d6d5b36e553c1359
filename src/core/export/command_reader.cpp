// SPDX-License-Identifier: MIT
#include "core/export/command_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

namespace keelwright {
namespace {

// The object number is looked for among the first readings of the first command line: a number
// holding more key-like pieces than this is not found. It keeps reading linear in the file's
// size whatever the file holds.
constexpr std::size_t kMaxReadings = 64;
constexpr std::size_t kBucketPrefix = 3; // every key is at least this long

std::uint32_t prefixOf(std::string_view text) {
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < kBucketPrefix; ++i)
        code = code << 8 | static_cast<std::uint8_t>(text[i]);
    return code;
}

// How well one reading of the first line's number explains the file: how many different keys
// and how many lines it reads.
struct Support {
    std::size_t distinctKeys = 0;
    std::size_t lines = 0;
};

Support supportOf(std::string_view object, const std::vector<ParsedLine>& parsed,
                  const CommandIndex& index, std::size_t keyCount) {
    Support support;
    std::vector<bool> seen(keyCount);
    std::vector<std::size_t> found;
    for (const ParsedLine& line : parsed) {
        if (!line.rest.starts_with(object))
            continue;
        found.clear();
        index.keysAt(line, object.size(), found);
        for (const std::size_t k : found) {
            if (!seen[k]) {
                seen[k] = true;
                ++support.distinctKeys;
            }
        }
        support.lines += !found.empty();
    }
    return support;
}

std::string_view chooseObject(const std::vector<ParsedLine>& parsed, const CommandIndex& index,
                              std::size_t keyCount) {
    for (const ParsedLine& first : parsed) {
        std::vector<Reading> readings = index.readings(first, kMaxReadings);
        if (readings.empty())
            continue;
        if (readings.back().split == readings.front().split) // one reading: nothing to weigh
            return first.rest.substr(0, readings.front().split);
        std::string_view best;
        Support bestSupport{0, 0};
        std::size_t lastSplit = std::string_view::npos;
        for (const Reading& reading : readings) {
            if (reading.split == lastSplit)
                continue;
            lastSplit = reading.split;
            const std::string_view object = first.rest.substr(0, reading.split);
            const Support s = supportOf(object, parsed, index, keyCount);
            // Readings come shortest first, so a tie keeps the shorter number.
            if (s.distinctKeys > bestSupport.distinctKeys ||
                (s.distinctKeys == bestSupport.distinctKeys && s.lines > bestSupport.lines)) {
                best = object;
                bestSupport = s;
            }
        }
        return best;
    }
    return {};
}

// The other objects in a file, each once, with the line it first appears on.
struct OtherObject {
    std::size_t firstLine;
    std::size_t lines = 0;
};

} // namespace

CommandIndex::CommandIndex(std::span<const CommandKey> keys) : keys_(keys) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const auto found = std::find(commands_.begin(), commands_.end(), keys[k].command);
        const std::size_t c = std::size_t(found - commands_.begin());
        if (found == commands_.end()) {
            commands_.push_back(keys[k].command);
            buckets_.emplace_back();
        }
        buckets_[c][prefixOf(keys[k].key)].push_back(k);
        starts_[static_cast<std::uint8_t>(keys[k].key.front())] = true;
    }
}

ParsedLine CommandIndex::parse(const FileLine& line) const {
    const std::string_view text = line.text;
    for (std::size_t c = 0; c < commands_.size(); ++c) {
        if (text.starts_with(commands_[c]))
            return {&line, c, text.substr(commands_[c].size())};
    }
    return {&line, std::nullopt, {}};
}

void CommandIndex::keysAt(const ParsedLine& line, std::size_t split,
                          std::vector<std::size_t>& out) const {
    if (!line.command || split + kBucketPrefix > line.rest.size() ||
        !starts_[static_cast<std::uint8_t>(line.rest[split])])
        return;
    const std::string_view tail = line.rest.substr(split);
    const auto& buckets = buckets_[*line.command];
    const auto bucket = buckets.find(prefixOf(tail));
    if (bucket == buckets.end())
        return;
    for (const std::size_t k : bucket->second) {
        const CommandKey& key = keys_[k];
        if (tail.starts_with(key.key) && (!key.valueless || tail.size() == key.key.size()))
            out.push_back(k);
    }
}

std::vector<Reading> CommandIndex::readings(const ParsedLine& line, std::size_t limit) const {
    std::vector<Reading> out;
    std::vector<std::size_t> found;
    for (std::size_t p = 0; p < line.rest.size() && out.size() < limit; ++p) {
        found.clear();
        keysAt(line, p, found);
        for (const std::size_t k : found)
            out.push_back({p, k});
    }
    return out;
}

CommandMatch matchCommands(std::span<const FileLine> lines, const CommandIndex& index,
                           std::string_view kind, std::string_view object) {
    const auto keys = index.keys();
    std::vector<ParsedLine> parsed;
    parsed.reserve(lines.size());
    for (const FileLine& line : lines)
        parsed.push_back(index.parse(line));

    CommandMatch match;
    match.object = std::string(chooseObject(parsed, index, keys.size()));
    std::map<std::string, OtherObject> others;
    std::vector<std::string> otherOrder;
    std::vector<std::size_t> found;
    // The last line of a key holds; an earlier one with another value is reported.
    constexpr std::size_t kUnseen = static_cast<std::size_t>(-1);
    std::vector<std::size_t> lastOf(keys.size(), kUnseen); // index into match.lines
    const std::string noCommand = "is not a " + std::string(kind) + " command";
    for (const ParsedLine& p : parsed) {
        found.clear();
        if (p.rest.starts_with(match.object))
            index.keysAt(p, match.object.size(), found);
        if (!found.empty()) {
            const std::size_t key = found.front();
            const std::size_t valueStart = match.object.size() + keys[key].key.size();
            const std::string_view value = p.rest.substr(valueStart);
            if (lastOf[key] != kUnseen && match.lines[lastOf[key]].value != value)
                match.findings.push_back({p.line->number, quoteLine(p.line->text),
                                          "repeats a key of line " +
                                              std::to_string(match.lines[lastOf[key]].line) +
                                              " with another value; this later one holds"});
            lastOf[key] = match.lines.size();
            match.lines.push_back({p.line->number, key, std::string(value)});
            continue;
        }
        const std::vector<Reading> first = index.readings(p, 1);
        if (first.empty()) {
            match.findings.push_back({p.line->number, quoteLine(p.line->text), noCommand});
            continue;
        }
        const std::string number(p.rest.substr(0, first.front().split));
        auto [entry, added] = others.try_emplace(number, OtherObject{p.line->number});
        ++entry->second.lines;
        if (added)
            otherOrder.push_back(number);
    }
    for (const std::string& number : otherOrder) {
        const OtherObject& other = others[number];
        match.findings.push_back(
            {other.firstLine,
             std::string(object) + " " + quoteLine(number) + " (" + std::to_string(other.lines) +
                 (other.lines == 1 ? " line)" : " lines)"),
             "is not read: the file holds more than one " + std::string(object) +
                 ", and only the first, " + quoteLine(match.object) + ", is read"});
    }
    sortByLine(match.findings);
    return match;
}

} // namespace keelwright

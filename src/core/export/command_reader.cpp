#include "core/export/command_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>

namespace keelwright {
namespace {

// A number holding more key-like pieces than this is not looked for: it keeps the reading
// linear in the file's size whatever the file holds.
constexpr std::size_t kMaxReadingsPerLine = 16;
constexpr std::size_t kBucketPrefix = 3; // every key is at least this long

// Where a key could begin after the command word: the object number is what stands before it.
struct Reading {
    std::size_t split;
    std::size_t key;
};

struct ParsedLine {
    const FileLine* line;
    std::optional<std::size_t> command; // index into the distinct command words
    std::string_view rest;              // what follows the command word
    std::vector<Reading> readings;      // by position, the first few only
};

std::uint32_t prefixOf(std::string_view text) {
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < kBucketPrefix; ++i)
        code = code << 8 | static_cast<std::uint8_t>(text[i]);
    return code;
}

// The keys grouped by command word and by their first bytes, for a quick look at every position.
class KeyIndex {
public:
    explicit KeyIndex(std::span<const CommandKey> keys) : keys_(keys) {
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

    ParsedLine parse(const FileLine& line) const {
        ParsedLine parsed{&line, std::nullopt, {}, {}};
        const std::string_view text = line.text;
        for (std::size_t c = 0; c < commands_.size(); ++c) {
            if (text.starts_with(commands_[c])) {
                parsed.command = c;
                parsed.rest = text.substr(commands_[c].size());
                collectReadings(parsed);
                break;
            }
        }
        return parsed;
    }

private:
    void collectReadings(ParsedLine& parsed) const {
        const std::string_view rest = parsed.rest;
        const auto& buckets = buckets_[*parsed.command];
        for (std::size_t p = 0; p + kBucketPrefix <= rest.size(); ++p) {
            if (!starts_[static_cast<std::uint8_t>(rest[p])])
                continue;
            const auto bucket = buckets.find(prefixOf(rest.substr(p)));
            if (bucket == buckets.end())
                continue;
            for (const std::size_t k : bucket->second) {
                const CommandKey& key = keys_[k];
                const std::string_view tail = rest.substr(p);
                if (tail.starts_with(key.key) && (!key.valueless || tail.size() == key.key.size()))
                    parsed.readings.push_back({p, k});
            }
            if (parsed.readings.size() >= kMaxReadingsPerLine)
                return;
        }
    }

    std::span<const CommandKey> keys_;
    std::vector<std::string_view> commands_;
    std::vector<std::unordered_map<std::uint32_t, std::vector<std::size_t>>> buckets_;
    std::array<bool, 256> starts_ = {};
};

// How well one object number explains the file: how many different keys and lines it reads.
struct Support {
    std::vector<bool> keys;
    std::size_t distinctKeys = 0;
    std::size_t lines = 0;
    const FileLine* lastLine = nullptr;
};

std::string_view chooseObject(const std::vector<ParsedLine>& parsed, std::size_t keyCount) {
    const auto first = std::find_if(parsed.begin(), parsed.end(),
                                    [](const ParsedLine& p) { return !p.readings.empty(); });
    if (first == parsed.end())
        return {};
    std::unordered_map<std::string_view, Support> support;
    for (const Reading& reading : first->readings)
        support[first->rest.substr(0, reading.split)].keys.resize(keyCount);
    for (const ParsedLine& line : parsed) {
        for (const Reading& reading : line.readings) {
            const auto found = support.find(line.rest.substr(0, reading.split));
            if (found == support.end())
                continue;
            Support& s = found->second;
            if (!s.keys[reading.key]) {
                s.keys[reading.key] = true;
                ++s.distinctKeys;
            }
            if (s.lastLine != line.line) {
                s.lastLine = line.line;
                ++s.lines;
            }
        }
    }
    std::string_view best;
    const Support* bestSupport = nullptr;
    for (const Reading& reading : first->readings) {
        const std::string_view object = first->rest.substr(0, reading.split);
        const Support& s = support[object];
        const bool better =
            !bestSupport || s.distinctKeys > bestSupport->distinctKeys ||
            (s.distinctKeys == bestSupport->distinctKeys && s.lines > bestSupport->lines);
        if (better) { // readings come shortest first, so a tie keeps the shorter number
            best = object;
            bestSupport = &s;
        }
    }
    return best;
}

// The other objects in a file, each once, with the line it first appears on.
struct OtherObject {
    std::size_t firstLine;
    std::size_t lines = 0;
};

} // namespace

CommandMatch matchCommands(std::span<const FileLine> lines, std::span<const CommandKey> keys,
                           std::string_view kind, std::string_view object) {
    const KeyIndex index(keys);
    std::vector<ParsedLine> parsed;
    parsed.reserve(lines.size());
    for (const FileLine& line : lines)
        parsed.push_back(index.parse(line));

    CommandMatch match;
    match.object = std::string(chooseObject(parsed, keys.size()));
    std::map<std::string, OtherObject> others;
    std::vector<std::string> otherOrder;
    for (const ParsedLine& p : parsed) {
        const auto ours = std::find_if(p.readings.begin(), p.readings.end(), [&](const Reading& r) {
            return r.split == match.object.size() && p.rest.starts_with(match.object);
        });
        if (ours != p.readings.end()) {
            const std::size_t valueStart = ours->split + keys[ours->key].key.size();
            match.lines.push_back(
                {p.line->number, ours->key, std::string(p.rest.substr(valueStart))});
        } else if (!p.readings.empty()) {
            const std::string number(p.rest.substr(0, p.readings.front().split));
            auto [entry, added] = others.try_emplace(number, OtherObject{p.line->number});
            ++entry->second.lines;
            if (added)
                otherOrder.push_back(number);
        } else {
            match.findings.push_back({p.line->number, quoteLine(p.line->text),
                                      "is no " + std::string(kind) + " command"});
        }
    }
    for (const std::string& number : otherOrder) {
        const OtherObject& other = others[number];
        match.findings.push_back(
            {other.firstLine,
             std::string(object) + " \"" + quoteLine(number) + "\" (" +
                 std::to_string(other.lines) + (other.lines == 1 ? " line)" : " lines)"),
             "is not read: the file holds more than one " + std::string(object) +
                 ", and only the first, \"" + quoteLine(match.object) + "\", is read"});
    }
    sortByLine(match.findings);
    return match;
}

} // namespace keelwright

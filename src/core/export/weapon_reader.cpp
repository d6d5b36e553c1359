// SPDX-License-Identifier: MIT
#include "core/export/weapon_reader.h"

#include "core/export/command_line.h"
#include "core/export/command_reader.h"
#include "core/export/weapon_export.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace keelwright {
namespace {

// Every key either kind of weapon writes, once ("/type=" and "/name=" are in both).
struct WeaponKeys {
    std::vector<CommandKey> commands;
    std::vector<const WeaponLine*> lines;
    std::unique_ptr<CommandIndex> index;
};

const WeaponKeys& weaponKeys() {
    static const WeaponKeys keys = [] {
        WeaponKeys out;
        for (const bool missile : {true, false}) {
            for (const WeaponLine& line : weaponLines(missile)) {
                const bool known =
                    std::any_of(out.lines.begin(), out.lines.end(),
                                [&](const WeaponLine* seen) { return seen->key == line.key; });
                if (!known) {
                    out.commands.push_back({kSetWeapon, line.key, false});
                    out.lines.push_back(&line);
                }
            }
        }
        out.index = std::make_unique<CommandIndex>(out.commands);
        return out;
    }();
    return keys;
}

} // namespace

const CommandIndex& weaponCommandIndex() {
    return *weaponKeys().index;
}

WeaponReading readWeapon(std::span<const FileLine> lines) {
    const WeaponKeys& keys = weaponKeys();
    CommandMatch match = matchCommands(lines, *keys.index, "weapon", "weapon");
    WeaponReading reading{match.lines.size(), {}, std::move(match.findings)};
    if (match.lines.empty())
        return reading;
    WeaponRecord& weapon = reading.weapon;
    weapon.number = match.object;
    // In file order, so the last line of a key holds.
    for (const MatchedLine& line : match.lines) {
        const WeaponLine& key = *keys.lines[line.key];
        const std::string text =
            quoteLine(std::string(kSetWeapon) + match.object + std::string(key.key) + line.value);
        if (key.text)
            weapon.*key.text = line.value;
        else if (line.value == "0" || line.value == "1")
            weapon.*key.flag = line.value == "1";
        else {
            weapon.*key.flag = false;
            reading.findings.push_back(
                {line.line, text, "is not a flag (0 or 1); it is left as 0"});
        }
    }
    sortByLine(reading.findings);
    return reading;
}

} // namespace keelwright

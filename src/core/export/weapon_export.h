// SPDX-License-Identifier: MIT
#pragma once
// The weapon export: seven missile lines, or eight laser lines whose last has no line break.

#include "core/weapons/weapon_record.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace keelwright {

// One "@space/setweapon" line: its key, and the text or flag ("1"/"0") of the record it writes.
struct WeaponLine {
    std::string_view key;
    std::string WeaponRecord::*text = nullptr;
    bool WeaponRecord::*flag = nullptr;
};

// The lines of each kind of weapon, in the order they are written.
std::span<const WeaponLine> weaponLines(bool missile);

std::string exportWeapon(const WeaponRecord& weapon);

// What Export Changes writes: the lines of the full export whose value differs from the
// baseline's, each as the full export writes it. Without a baseline, or for another weapon
// number or kind, it is the whole export.
std::string exportWeaponChanges(const std::optional<WeaponRecord>& baseline,
                                const WeaponRecord& weapon);

} // namespace keelwright

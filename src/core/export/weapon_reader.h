// SPDX-License-Identifier: MIT
#pragma once
// Reads a weapon back from its command text: the weapon export's lines, run backwards.

#include "core/export/command_file.h"
#include "core/weapons/weapon_record.h"

#include <span>
#include <vector>

namespace keelwright {

struct WeaponReading {
    std::size_t linesRead = 0; // none: the file holds no weapon
    WeaponRecord weapon;
    std::vector<Finding> findings;
};

// Missile or laser from "/type=", "No Hull" from "/nohull=", the texts by their keys; a text no
// line names keeps "#".
WeaponReading readWeapon(std::span<const FileLine> lines);

class CommandIndex;
// The commands a weapon export writes, for finding the weapon a line belongs to.
const CommandIndex& weaponCommandIndex();

} // namespace keelwright

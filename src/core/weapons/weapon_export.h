#pragma once
// The weapon export: seven missile lines, or eight laser lines whose last has no line break.

#include "core/weapons/weapon_record.h"

#include <string>

namespace keelwright {

std::string exportWeapon(const WeaponRecord& weapon);

} // namespace keelwright

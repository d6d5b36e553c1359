// SPDX-License-Identifier: MIT
#include "core/weapons/weapon_export.h"

#include "core/export/command_line.h"

#include <cstddef>

namespace keelwright {
namespace {

using W = WeaponRecord;

// "/type=" writes the missile flag: "1" in the missile's lines, "0" in the laser's.
constexpr WeaponLine kMissile[] = {
    {"/reload time=", &W::time},   {"/type=", nullptr, &W::missile}, {"/name=", &W::name},
    {"/range=", &W::range},        {"/strength=", &W::strength},     {"/speed=", &W::speed},
    {"/turn rate=", &W::turnRate},
};

constexpr WeaponLine kLaser[] = {
    {"/regen time=", &W::time},   {"/type=", nullptr, &W::missile},  {"/name=", &W::name},
    {"/range=", &W::range},       {"/strength=", &W::strength},      {"/power=", &W::power},
    {"/accuracy=", &W::accuracy}, {"/nohull=", nullptr, &W::noHull},
};

} // namespace

std::span<const WeaponLine> weaponLines(bool missile) {
    if (missile)
        return kMissile;
    return kLaser;
}

std::string exportWeapon(const WeaponRecord& weapon) {
    const auto lines = weaponLines(weapon.missile);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const WeaponLine& line = lines[i];
        const std::string_view value =
            line.text ? std::string_view(weapon.*line.text) : (weapon.*line.flag ? "1" : "0");
        // The laser's last line is left open: the game has always been sent it without a break.
        const bool lineEnd = weapon.missile || i + 1 < lines.size();
        appendCommandLine(out, kSetWeapon, weapon.number, line.key, value, lineEnd);
    }
    return out;
}

} // namespace keelwright

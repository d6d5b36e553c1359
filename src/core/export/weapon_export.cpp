// SPDX-License-Identifier: MIT
#include "core/export/weapon_export.h"

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

namespace {

std::string_view lineValue(const WeaponRecord& weapon, const WeaponLine& line) {
    return line.text ? std::string_view(weapon.*line.text) : (weapon.*line.flag ? "1" : "0");
}

// The lines for which `send` holds, each as the full export writes it.
template <class Send> std::string exportLines(const WeaponRecord& weapon, Send send) {
    const auto lines = weaponLines(weapon.missile);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!send(lines[i]))
            continue;
        // The laser's last line is left open: the game has always been sent it without a break.
        const bool lineEnd = weapon.missile || i + 1 < lines.size();
        appendCommandLine(out, kSetWeapon, weapon.number, lines[i].key, lineValue(weapon, lines[i]),
                          lineEnd);
    }
    return out;
}

} // namespace

std::string exportWeapon(const WeaponRecord& weapon) {
    return exportLines(weapon, [](const WeaponLine&) { return true; });
}

std::string exportWeaponChanges(const std::optional<WeaponRecord>& baseline,
                                const WeaponRecord& weapon) {
    if (!baseline || baseline->number != weapon.number || baseline->missile != weapon.missile)
        return exportWeapon(weapon);
    return exportLines(weapon, [&](const WeaponLine& line) {
        return lineValue(weapon, line) != lineValue(*baseline, line);
    });
}

} // namespace keelwright

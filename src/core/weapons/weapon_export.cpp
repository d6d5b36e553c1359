#include "core/weapons/weapon_export.h"

#include "core/export/command_line.h"

namespace keelwright {
namespace {

using W = WeaponRecord;

struct WeaponLine {
    std::string_view key;
    std::string W::*value; // null where the key carries its own value
};

constexpr WeaponLine kMissile[] = {
    {"/reload time=", &W::time},   {"/type=1", nullptr},         {"/name=", &W::name},
    {"/range=", &W::range},        {"/strength=", &W::strength}, {"/speed=", &W::speed},
    {"/turn rate=", &W::turnRate},
};

constexpr WeaponLine kLaser[] = {
    {"/regen time=", &W::time},   {"/type=0", nullptr},         {"/name=", &W::name},
    {"/range=", &W::range},       {"/strength=", &W::strength}, {"/power=", &W::power},
    {"/accuracy=", &W::accuracy},
};

template <std::size_t N>
void appendLines(std::string& out, const W& weapon, const WeaponLine (&lines)[N]) {
    for (const WeaponLine& line : lines)
        appendCommandLine(out, kSetWeapon, weapon.number, line.key,
                          line.value ? std::string_view(weapon.*line.value) : std::string_view{});
}

} // namespace

std::string exportWeapon(const WeaponRecord& weapon) {
    std::string out;
    if (weapon.missile) {
        appendLines(out, weapon, kMissile);
        return out;
    }
    appendLines(out, weapon, kLaser);
    // The laser's last line is left open: the game has always been sent it without a break.
    appendCommandLine(out, kSetWeapon, weapon.number, weapon.noHull ? "/nohull=1" : "/nohull=0", {},
                      false);
    return out;
}

} // namespace keelwright

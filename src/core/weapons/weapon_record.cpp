// SPDX-License-Identifier: MIT
#include "core/weapons/weapon_record.h"

#include <array>
#include <cstddef>

namespace keelwright {
namespace {

using W = WeaponRecord;

// Keyboard order: the weapon name comes last although it stands second on the screen.
const std::array<WeaponControl, 11> kControls = {{
    {"Text1", "Weapon Number:", "Label1", 360, 360, 2175, 2055, &W::number},
    {"Check1", "Missile", "", 360, 3360, 1335, 0, nullptr, &W::missile},
    {"Text2", "Regen/Reload Time:", "Label3", 360, 1560, 2175, 2175, &W::time},
    {"Text3", "Range:", "Label4", 360, 2160, 2175, 2175, &W::range},
    {"Text4", "Strength:", "Label5", 360, 2760, 2175, 2175, &W::strength},
    {"Text5", "Power:", "Label6", 3240, 2160, 2175, 2175, &W::power},
    {"Check2", "No Hull", "", 2040, 3360, 1215, 0, nullptr, &W::noHull},
    {"Text6", "Accuracy:", "Label7", 3240, 360, 2175, 1695, &W::accuracy},
    {"Text7", "Speed:", "Label8", 3240, 960, 2175, 2175, &W::speed},
    {"Text8", "Turn rate:", "Label9", 3240, 1560, 2175, 2175, &W::turnRate},
    {"Text9", "Weapon Name:", "Label10", 360, 960, 2175, 2175, &W::name},
}};

const WeaponNote kNote = {
    "Label2",
    "Default Weapon type is Laser - No Hull, Power and Accuracy only apply to "
    "Lasers while Turn rate and Speed only apply to missiles.",
    240,
    3840,
    5055,
    495};

} // namespace

std::span<const WeaponControl> weaponControls() {
    return kControls;
}
const WeaponNote& weaponNote() {
    return kNote;
}

std::vector<std::string> weaponTexts(const WeaponRecord& weapon) {
    std::vector<std::string> texts;
    texts.reserve(kControls.size());
    for (const WeaponControl& control : kControls)
        texts.push_back(control.text ? weapon.*control.text : (weapon.*control.flag ? "1" : "0"));
    return texts;
}

WeaponRecord weaponFromTexts(std::span<const std::string> texts) {
    WeaponRecord weapon;
    for (std::size_t i = 0; i < kControls.size() && i < texts.size(); ++i) {
        if (kControls[i].text)
            weapon.*kControls[i].text = texts[i];
        else
            weapon.*kControls[i].flag = texts[i] == "1";
    }
    return weapon;
}

void resetWeapon(WeaponRecord& weapon) {
    for (const WeaponControl& control : kControls) {
        if (control.text)
            weapon.*control.text = "#";
    }
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// One weapon as the weapon editor holds it: nine texts kept exactly as typed, and two flags.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

struct WeaponRecord {
    std::string number = "#";
    std::string name = "#";
    std::string time = "#"; // regeneration time of a laser, reload time of a missile
    std::string range = "#";
    std::string strength = "#";
    std::string power = "#";
    std::string accuracy = "#";
    std::string speed = "#";
    std::string turnRate = "#";
    bool missile = false;
    bool noHull = false;

    friend bool operator==(const WeaponRecord&, const WeaponRecord&) = default;
};

// A control of the weapon editor: a text box under its label, or a check box. Positions are in
// twips; the table is in keyboard order.
struct WeaponControl {
    std::string_view name;
    std::string_view caption;   // the label's text, or the check box's own
    std::string_view labelName; // empty for check boxes
    int left;
    int top;
    int width;
    int labelWidth;
    std::string WeaponRecord::*text = nullptr; // set for text boxes
    bool WeaponRecord::*flag = nullptr;        // set for check boxes
};

struct WeaponNote {
    std::string_view name;
    std::string_view text;
    int left;
    int top;
    int width;
    int height;
};

std::span<const WeaponControl> weaponControls();
const WeaponNote& weaponNote();

// The weapon as the texts of its controls, in weaponControls() order: flags as "1" or "0".
std::vector<std::string> weaponTexts(const WeaponRecord& weapon);
WeaponRecord weaponFromTexts(std::span<const std::string> texts);

// Reset: "#" into the nine texts; the two flags stay as they are.
void resetWeapon(WeaponRecord& weapon);

} // namespace keelwright

// SPDX-License-Identifier: MIT
// Any weapon: a missile's text ends in CR LF, a laser's in its no-hull key without a break.
#include "core/export/weapon_export.h"
#include "fuzz_input.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keelwright;
    const auto parts = fuzz::texts(data, size);
    WeaponRecord weapon;
    std::size_t next = 0;
    for (const WeaponControl& control : weaponControls()) {
        const std::string_view part = next < parts.size() ? parts[next++] : std::string_view{};
        if (control.text)
            weapon.*control.text = std::string(part);
        else
            weapon.*control.flag = !part.empty() && (part[0] & 1);
    }
    const std::string text = exportWeapon(weapon);
    const bool ends = weapon.missile ? text.ends_with("\r\n")
                                     : text.ends_with(weapon.noHull ? "/nohull=1" : "/nohull=0");
    if (!text.starts_with("@space/setweapon " + weapon.number) || !ends)
        std::abort();
    return 0;
}

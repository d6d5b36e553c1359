// SPDX-License-Identifier: MIT
// Any bytes as a saved weapon file: never a crash, and whenever a weapon comes out, exporting it
// and reading that again gives the same weapon on every line the export writes, and the same text.
#include "core/export/weapon_export.h"
#include "core/export/weapon_reader.h"

#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keelwright;
    std::variant<std::vector<FileLine>, Refusal> decoded;
    const auto* lines = fuzz::fileLines(data, size, decoded);
    if (!lines)
        return 0;
    const WeaponReading first = readWeapon(*lines);
    if (first.linesRead == 0 || first.weapon.number.size() > 255) // see the class reader's target
        return 0;
    const std::string text = exportWeapon(first.weapon);
    const auto again = decodeCommandFile(text);
    const WeaponReading second = readWeapon(std::get<std::vector<FileLine>>(again));
    if (exportWeapon(second.weapon) != text || !second.findings.empty() ||
        second.weapon.number != first.weapon.number)
        std::abort();
    for (const WeaponLine& line : weaponLines(first.weapon.missile)) {
        const bool same = line.text ? second.weapon.*line.text == first.weapon.*line.text
                                    : second.weapon.*line.flag == first.weapon.*line.flag;
        if (!same)
            std::abort();
    }
    return 0;
}

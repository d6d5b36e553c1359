// SPDX-License-Identifier: MIT
#include "core/shell/command_file_reading.h"

#include "core/export/class_export.h"
#include "core/export/class_reader.h"
#include "core/export/command_line.h"
#include "core/weapons/weapon_reader.h"

#include <algorithm>
#include <utility>
#include <variant>

namespace keelwright {
namespace {

bool isClassCommand(std::string_view line) {
    for (const std::string_view command :
         {kSetClass, kAddSysClass, kSysSetClass, kSysSetClassCapital})
        if (line.starts_with(command))
            return true;
    return false;
}

} // namespace

FileReading readCommandFile(std::string_view bytes, const ShipClassRecord& currentClass) {
    FileReading reading;
    auto decoded = decodeCommandFile(bytes);
    if (const Refusal* refusal = std::get_if<Refusal>(&decoded)) {
        reading.refusal = refusal->reason;
        return reading;
    }
    const auto& lines = std::get<std::vector<FileLine>>(decoded);
    // Only the reader of the kind the file holds more commands of runs.
    const auto classLines = std::count_if(
        lines.begin(), lines.end(), [](const FileLine& line) { return isClassCommand(line.text); });
    const auto weaponLines = std::count_if(lines.begin(), lines.end(), [](const FileLine& line) {
        return std::string_view(line.text).starts_with(kSetWeapon);
    });
    if (classLines == 0 && weaponLines == 0) {
        reading.refusal = "The file holds no ship class or weapon command.";
        return reading;
    }
    if (classLines >= weaponLines) {
        ClassReading shipClass = readClass(lines, currentClass);
        reading.content = FileContent::ShipClass;
        reading.shipClass = std::move(shipClass.record);
        reading.findings = std::move(shipClass.findings);
        if (shipClass.linesRead > 0)
            return reading;
    } else {
        WeaponReading weapon = readWeapon(lines);
        reading.content = FileContent::Weapon;
        reading.weapon = std::move(weapon.weapon);
        reading.findings = std::move(weapon.findings);
        if (weapon.linesRead > 0)
            return reading;
    }
    reading = {};
    reading.refusal = "The file holds no ship class or weapon command.";
    return reading;
}

} // namespace keelwright

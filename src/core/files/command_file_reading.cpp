// SPDX-License-Identifier: MIT
#include "core/files/command_file_reading.h"

#include "core/export/class_export.h"
#include "core/export/class_reader.h"
#include "core/export/command_line.h"
#include "core/export/weapon_export.h"
#include "core/export/weapon_reader.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
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

// How many of the file's lines the export of what was read does not write again, line for line.
std::size_t linesNotWrittenAgain(const std::vector<FileLine>& lines, std::string_view exported) {
    std::map<std::string_view, std::size_t> written;
    for (std::size_t from = 0; from < exported.size();) {
        std::size_t end = exported.find(kLineEnd, from);
        if (end == std::string_view::npos)
            end = exported.size();
        ++written[exported.substr(from, end - from)];
        from = end + kLineEnd.size();
    }
    std::size_t lost = 0;
    for (const FileLine& line : lines) {
        auto found = written.find(line.text);
        if (found == written.end() || found->second == 0)
            ++lost;
        else
            --found->second;
    }
    return lost;
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
    reading.fromWindows1252 = !isValidUtf8(bytes);
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
    std::size_t linesRead = 0;
    if (classLines >= weaponLines) {
        ClassReading shipClass = readClass(lines, currentClass);
        reading.content = FileContent::ShipClass;
        reading.shipClass = std::move(shipClass.record);
        reading.findings = std::move(shipClass.findings);
        linesRead = shipClass.linesRead;
    } else {
        WeaponReading weapon = readWeapon(lines);
        reading.content = FileContent::Weapon;
        reading.weapon = std::move(weapon.weapon);
        reading.findings = std::move(weapon.findings);
        linesRead = weapon.linesRead;
    }
    if (linesRead > 0) {
        reading.linesNotOnForm = linesNotWrittenAgain(lines, reading.content == FileContent::Weapon
                                                                 ? exportWeapon(reading.weapon)
                                                                 : exportClass(reading.shipClass));
        return reading;
    }
    reading = {};
    reading.refusal = "The file holds no ship class or weapon command.";
    return reading;
}

} // namespace keelwright

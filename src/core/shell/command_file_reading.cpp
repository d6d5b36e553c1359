#include "core/shell/command_file_reading.h"

#include "core/export/class_reader.h"
#include "core/weapons/weapon_reader.h"

namespace keelwright {

FileReading readCommandFile(std::string_view bytes, const ShipClassRecord& currentClass) {
    FileReading reading;
    auto decoded = decodeCommandFile(bytes);
    if (const Refusal* refusal = std::get_if<Refusal>(&decoded)) {
        reading.refusal = refusal->reason;
        return reading;
    }
    const auto& lines = std::get<std::vector<FileLine>>(decoded);
    ClassReading shipClass = readClass(lines, currentClass);
    WeaponReading weapon = readWeapon(lines);
    if (shipClass.linesRead == 0 && weapon.linesRead == 0) {
        reading.refusal = "The file holds no ship class or weapon command.";
        return reading;
    }
    if (shipClass.linesRead >= weapon.linesRead) {
        reading.content = FileContent::ShipClass;
        reading.shipClass = std::move(shipClass.record);
        reading.findings = std::move(shipClass.findings);
    } else {
        reading.content = FileContent::Weapon;
        reading.weapon = std::move(weapon.weapon);
        reading.findings = std::move(weapon.findings);
    }
    return reading;
}

} // namespace keelwright

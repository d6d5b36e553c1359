// SPDX-License-Identifier: MIT
#pragma once
// Opening a command file: its bytes in, a ship class or a weapon out, with what was found wrong,
// or the reason it cannot be read.

#include "core/classes/ship_class_record.h"
#include "core/export/command_file.h"
#include "core/weapons/weapon_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

enum class FileContent { Nothing, ShipClass, Weapon };

struct FileReading {
    FileContent content = FileContent::Nothing;
    std::optional<std::string> refusal; // set when nothing can be read
    ShipClassRecord shipClass;
    WeaponRecord weapon;
    std::vector<Finding> findings;
};

// A file belongs to the editor whose commands it holds most of; `currentClass` gives the fields
// no export writes.
FileReading readCommandFile(std::string_view bytes, const ShipClassRecord& currentClass);

} // namespace keelwright

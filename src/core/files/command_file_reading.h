// SPDX-License-Identifier: MIT
#pragma once
// Opening a command file: its bytes in, a ship class or a weapon out, with what was found wrong,
// or the reason it cannot be read.

#include "core/classes/ship_class_record.h"
#include "core/document/file_content.h"
#include "core/export/command_file.h"
#include "core/weapons/weapon_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

struct FileReading {
    FileContent content = FileContent::Nothing;
    std::optional<std::string> refusal; // set when nothing can be read
    ShipClassRecord shipClass;
    WeaponRecord weapon;
    std::vector<Finding> findings;
    // Lines of the file that the form's export does not write again: other classes' or
    // weapons' lines, unknown commands, repeated keys, values the form could not hold. Saving
    // the form over the file loses them.
    std::size_t linesNotOnForm = 0;
    bool fromWindows1252 = false; // the file was not UTF-8; saving writes UTF-8
};

// A file belongs to the editor whose commands it holds most of; `currentClass` gives the fields
// no export writes.
FileReading readCommandFile(std::string_view bytes, const ShipClassRecord& currentClass);

} // namespace keelwright

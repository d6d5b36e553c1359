// SPDX-License-Identifier: MIT
#pragma once
// Reads a ship class back from its command text: the class export's tables, run backwards.

#include "core/classes/ship_class_record.h"
#include "core/export/command_file.h"

#include <span>
#include <vector>

namespace keelwright {

struct ClassReading {
    std::size_t linesRead = 0; // none: the file holds no ship class, and the record is `current`
    ShipClassRecord record;
    std::vector<Finding> findings;
};

// A field named by a line takes its value; a section with lines is included, one without is not
// and its fields take the values Reset writes. Flags and shield types no line names take their
// design values. Fields no export writes ("Visible") keep their value in `current`.
ClassReading readClass(std::span<const FileLine> lines, const ShipClassRecord& current);

class CommandIndex;
// The commands a class export writes, for finding the class a line belongs to.
const CommandIndex& classCommandIndex();

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// The class export: the ship class record in, the game's command text out.

#include "core/classes/ship_class_record.h"

#include <span>
#include <string>
#include <string_view>

namespace keelwright {

// One command line of a section: the value is the export value of the field named by `source`,
// or nothing when `source` is empty (a system declaration says everything in its key).
struct ExportLine {
    std::string_view command;
    std::string_view key;
    std::string_view source;
};

// A section is written whole when its include flag is ticked; the header has no flag.
struct ExportSection {
    std::string_view title;
    std::string_view includeFlag;
    std::span<const ExportLine> lines;
};

// The sections in the order they are written; it is not the order of the tabs.
std::span<const ExportSection> classExportSections();

// Every line ends in CR LF, the last included; the class number stands in every line.
std::string exportClass(const ShipClassRecord& record);

} // namespace keelwright

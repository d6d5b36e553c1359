// SPDX-License-Identifier: MIT
#pragma once
// The class export: the ship class record in, the game's command text out.

#include "core/classes/ship_class_record.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// What Export Changes writes to bring the class in the game from `baseline` to `record`: the
// lines of the full export whose value differs, and the whole of each system the baseline did
// not include (its declaration first). Without a baseline, or for another class number, it is
// the whole export. No command takes a system out of a class: those the baseline included and
// the record does not are named in `systemsLeft` (their titles), and stay in the game.
struct ClassChanges {
    std::string text;
    std::vector<std::string_view> systemsLeft;
};
ClassChanges exportClassChanges(const std::optional<ShipClassRecord>& baseline,
                                const ShipClassRecord& record);

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "core/fleet/fleet_row.h"

#include "core/classes/power_budget.h"
#include "core/export/class_export.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace keelwright {
namespace {

std::string findingText(const Finding& f) {
    const std::string what = f.what + " " + f.why;
    return f.line ? "line " + std::to_string(f.line) + ": " + what : what;
}

void addClassFigures(FleetRow& row, const ShipClassRecord& shipClass) {
    row.name = shipClass.text(kClassNameField);
    row.shipSize = shipClass.text(kShipSizeField);
    row.maxHull = shipClass.text(kMaxHullField);
    PowerTexts texts;
    for (std::size_t i = 0; i < kPowerFieldCount; ++i)
        texts[i] = shipClass.text(powerFieldNames()[i]);
    if (const auto figures = computeBudget(texts)) {
        row.reactorOutput = figures->reactorOutput;
        row.totalUsage = figures->totalUsage;
        row.freePower = figures->freePower;
        row.overdrawn = figures->overdrawn();
    }
    for (const ExportSection& section : classExportSections()) {
        if (!section.includeFlag.empty() && shipClass.flag(section.includeFlag) == 1)
            ++row.systems;
    }
}

} // namespace

std::vector<FleetRow> fleetRows(const std::string& file, const FileRecords& records) {
    std::vector<FleetRow> rows;
    rows.reserve(records.records.size());
    for (const RecordInFile& record : records.records) {
        FleetRow row;
        row.file = file;
        row.line = record.lines.front();
        row.kind = record.kind;
        row.number = record.number;
        if (record.kind == FileContent::Weapon) {
            row.name = record.weapon.name;
            row.weaponType = record.weapon.missile ? "Missile" : "Laser";
            row.strength = record.weapon.strength;
            row.range = record.weapon.range;
        } else {
            addClassFigures(row, record.shipClass);
        }
        for (const Finding& finding : record.findings)
            row.findings.push_back(findingText(finding));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace keelwright

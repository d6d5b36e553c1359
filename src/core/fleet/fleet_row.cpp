// SPDX-License-Identifier: MIT
#include "core/fleet/fleet_row.h"

#include "core/classes/power_budget.h"
#include "core/export/class_export.h"
#include "core/export/weapon_export.h"

#include <algorithm>

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

std::vector<std::uint64_t> digestsOf(std::string_view text) {
    std::vector<std::uint64_t> out;
    for (const std::string& line : linesToSend(text))
        out.push_back(lineDigest(line));
    return out;
}

} // namespace

std::uint64_t lineDigest(std::string_view line) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : line) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::optional<std::size_t> linesNotHeld(const std::vector<std::uint64_t>& exported,
                                        const std::optional<std::vector<std::uint64_t>>& held) {
    if (!held)
        return std::nullopt;
    return std::size_t(std::count_if(exported.begin(), exported.end(), [&](std::uint64_t line) {
        return !std::binary_search(held->begin(), held->end(), line);
    }));
}

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
            row.exportLines = digestsOf(exportWeapon(record.weapon));
        } else {
            addClassFigures(row, record.shipClass);
            row.exportLines = digestsOf(exportClass(record.shipClass));
        }
        for (const Finding& finding : record.findings)
            row.findings.push_back(findingText(finding));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "core/game/ledger.h"

#include "core/export/class_export.h"
#include "core/export/command_line.h"
#include "core/export/weapon_export.h"

#include <algorithm>
#include <utility>

namespace keelwright {

std::vector<std::string> linePlaces(FileContent kind, std::string_view number) {
    std::vector<std::string> out;
    if (kind == FileContent::Weapon) {
        for (const bool missile : {true, false})
            for (const WeaponLine& line : weaponLines(missile))
                out.push_back(std::string(kSetWeapon).append(number).append(line.key));
    } else {
        for (const ExportSection& section : classExportSections())
            for (const ExportLine& line : section.lines)
                out.push_back(std::string(line.command).append(number).append(line.key));
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

RecordLedger::RecordLedger(FileContent kind, std::string number)
    : kind_(kind), number_(std::move(number)), places_(linePlaces(kind_, number_)),
      sortedPlaces_(places_) {
    // A line's place is the longest start it has: a value may begin like a longer key.
    std::stable_sort(
        places_.begin(), places_.end(),
        [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
}

std::string RecordLedger::placeOf(std::string_view line) const {
    for (const std::string& place : places_)
        if (line.starts_with(place))
            return place;
    return std::string(line); // no line of this record's export: it stands for itself
}

bool RecordLedger::took(std::string_view line) {
    std::string place = placeOf(line);
    const bool placed = place.size() < line.size() ||
                        std::binary_search(sortedPlaces_.begin(), sortedPlaces_.end(), place);
    held_[std::move(place)] = std::string(line);
    return placed;
}

std::vector<std::string> RecordLedger::lines() const {
    std::vector<std::string> out;
    std::vector<std::string> placeless;
    for (const auto& [place, line] : held_) {
        if (std::find(places_.begin(), places_.end(), place) != places_.end())
            out.push_back(line);
        else
            placeless.push_back(line);
    }
    out.insert(out.end(), placeless.begin(), placeless.end());
    return out;
}

std::vector<std::string> RecordLedger::notTaken(const std::vector<std::string>& exported) const {
    std::vector<std::string> out;
    for (const std::string& line : exported) {
        const auto held = held_.find(placeOf(line));
        if (held == held_.end() || held->second != line)
            out.push_back(line);
    }
    return out;
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// One row of the fleet: a class or weapon of a file with the figures a builder looks for, as
// texts ready to show. A class's power figures are those its editor's budget row would show.

#include "core/fleet/file_records.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

struct FleetRow {
    std::string file; // as the user's system writes paths
    std::size_t line = 0;
    FileContent kind = FileContent::ShipClass;
    std::string number;
    std::string name;
    // A class's; empty for a weapon, and the power figures empty where a value is no number.
    std::string shipSize, maxHull, reactorOutput, totalUsage, freePower;
    std::size_t systems = 0;
    bool overdrawn = false; // the systems draw more than the reactor gives
    // A weapon's; empty for a class.
    std::string weaponType, strength, range;
    std::vector<std::string> findings; // "line 9: ..."
    // Each line of the record's export, as lineDigest gives it: what a game's ledger is
    // compared with, without keeping every line of a fleet in memory.
    std::vector<std::uint64_t> exportLines;
};

// A line's 64-bit FNV-1a digest: the same line gives the same digest in every run.
std::uint64_t lineDigest(std::string_view line);

// How many of the export's lines a game does not hold, given the digests of the lines it holds
// (sorted); nothing where it holds nothing of the record.
std::optional<std::size_t> linesNotHeld(const std::vector<std::uint64_t>& exported,
                                        const std::optional<std::vector<std::uint64_t>>& held);

std::vector<FleetRow> fleetRows(const std::string& file, const FileRecords& records);

} // namespace keelwright

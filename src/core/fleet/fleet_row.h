// SPDX-License-Identifier: MIT
#pragma once
// One row of the fleet: a class or weapon of a file with the figures a builder looks for, as
// texts ready to show. A class's power figures are those its editor's budget row would show.

#include "core/fleet/file_records.h"

#include <cstddef>
#include <string>
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
};

std::vector<FleetRow> fleetRows(const std::string& file, const FileRecords& records);

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// Where an editor's record stands in a file that holds many: its number and its lines.

#include <cstddef>
#include <string>
#include <vector>

namespace keelwright {

struct RecordPlace {
    std::string number;
    std::vector<std::size_t> lines; // counted from 1

    friend bool operator==(const RecordPlace&, const RecordPlace&) = default;
};

} // namespace keelwright

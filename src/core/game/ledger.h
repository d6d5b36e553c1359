// SPDX-License-Identifier: MIT
#pragma once
// What a game holds of one record (a ship class or a weapon, by its number): for each place a line
// of the export sets (a field, a system's declaration), the line last answered "OK" there. Send
// Changes then sends the export's lines the game does not hold exactly, which is what did not
// arrive, across any number of sends, whole or in part.

#include "core/document/file_content.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

// Every start of a line the export of a record of this kind and number can write, each up to its
// value: the places a line sets.
std::vector<std::string> linePlaces(FileContent kind, std::string_view number);

class RecordLedger {
public:
    RecordLedger(FileContent kind, std::string number);

    FileContent kind() const { return kind_; }
    const std::string& number() const { return number_; }

    // The line came back "OK": it replaces what the game held at its place. False where it is
    // no line of this record's export (it is kept, standing for itself).
    bool took(std::string_view line);
    // The lines the game holds, sorted by place; lines of no place of the export last.
    std::vector<std::string> lines() const;
    // The lines of `exported` the game does not hold exactly, in their order.
    std::vector<std::string> notTaken(const std::vector<std::string>& exported) const;
    bool empty() const { return held_.empty(); }

private:
    std::string placeOf(std::string_view line) const;

    FileContent kind_;
    std::string number_;
    std::vector<std::string> places_;         // longest first
    std::vector<std::string> sortedPlaces_;   // the same, sorted
    std::map<std::string, std::string> held_; // place -> line
};

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// The one ship class being edited: a value per field of the field table, kept as text exactly as
// typed or chosen. Flags hold "0" or "1"; a shield type holds its chosen item or nothing.

#include "core/classes/field_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

class ShipClassRecord {
public:
    ShipClassRecord(); // the design values

    // By position in classFields(); the fast path for the exporter and the budget.
    const std::string& value(std::size_t index) const { return values_.at(index); }
    void setValue(std::size_t index, std::string value);

    // By control name; an unknown name throws std::out_of_range (a programming error).
    const std::string& text(std::string_view name) const;
    void setText(std::string_view name, std::string value);
    int flag(std::string_view name) const;
    void setFlag(std::string_view name, bool ticked);
    // Picks an item of kShieldTypes, or clears the choice with an empty text.
    void choose(std::string_view name, std::string_view item);

    // What the export writes for a field: the text, "0"/"1", or a choice's first character.
    std::string_view exportValue(std::size_t index) const;
    std::string_view exportValue(std::string_view name) const;

    friend bool operator==(const ShipClassRecord&, const ShipClassRecord&) = default;

private:
    std::vector<std::string> values_;
};

// Reset: "0" into the power fields, "#" into every other text field; flags and choices stay.
void resetRecord(ShipClassRecord& record);

} // namespace keelwright

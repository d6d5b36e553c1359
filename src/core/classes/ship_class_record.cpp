// SPDX-License-Identifier: MIT
#include "core/classes/ship_class_record.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace keelwright {
namespace {

std::size_t indexOf(std::string_view name) {
    if (const auto index = fieldIndex(name))
        return *index;
    throw std::out_of_range("no ship class field named " + std::string(name));
}

std::size_t indexOf(std::string_view name, FieldKind expected) {
    const std::size_t index = indexOf(name);
    const FieldKind kind = classFields()[index].kind;
    const bool fits = expected == FieldKind::Text ? isTextual(kind) : kind == expected;
    if (!fits)
        throw std::out_of_range("field " + std::string(name) + " is of another kind");
    return index;
}

// The first character of a UTF-8 text, whole: one to four bytes.
std::string_view firstCharacter(std::string_view text) {
    if (text.empty())
        return text;
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(0, std::min(length, text.size()));
}

} // namespace

ShipClassRecord::ShipClassRecord() {
    values_.reserve(kFieldCount);
    for (const Field& field : classFields())
        values_.emplace_back(field.start);
}

void ShipClassRecord::setValue(std::size_t index, std::string value) {
    values_.at(index) = std::move(value);
}

const std::string& ShipClassRecord::text(std::string_view name) const {
    return values_[indexOf(name)];
}

void ShipClassRecord::setText(std::string_view name, std::string value) {
    values_[indexOf(name, FieldKind::Text)] = std::move(value);
}

int ShipClassRecord::flag(std::string_view name) const {
    return values_[indexOf(name, FieldKind::Flag)] == "1" ? 1 : 0;
}

void ShipClassRecord::setFlag(std::string_view name, bool ticked) {
    values_[indexOf(name, FieldKind::Flag)] = ticked ? "1" : "0";
}

void ShipClassRecord::choose(std::string_view name, std::string_view item) {
    const std::size_t index = indexOf(name, FieldKind::Choice);
    const bool known = item.empty() || std::find(kShieldTypes.begin(), kShieldTypes.end(), item) !=
                                           kShieldTypes.end();
    if (!known)
        throw std::out_of_range("not a shield type: " + std::string(item));
    values_[index] = std::string(item);
}

std::string_view ShipClassRecord::exportValue(std::size_t index) const {
    const std::string& value = values_.at(index);
    if (classFields()[index].kind == FieldKind::Choice)
        return firstCharacter(value);
    return value;
}

std::string_view ShipClassRecord::exportValue(std::string_view name) const {
    return exportValue(indexOf(name));
}

void resetRecord(ShipClassRecord& record) {
    const auto fields = classFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (isTextual(fields[i].kind))
            record.setValue(i, fields[i].kind == FieldKind::Power ? "0" : "#");
    }
}

} // namespace keelwright

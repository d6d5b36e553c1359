// SPDX-License-Identifier: MIT
#pragma once
// An editor's form as plain texts, one per control in the order of its table (classFields() for
// the class editor, weaponControls() for the weapon editor): what the document keeps, the undo
// history records and a recovery snapshot holds, whichever editor it is.

#include "core/classes/ship_class_record.h"
#include "core/document/file_content.h"
#include "core/weapons/weapon_record.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

using FormValues = std::vector<std::string>;

// The two kinds of form: FileContent::ShipClass and FileContent::Weapon.
std::size_t fieldCount(FileContent form);
FormValues designValues(FileContent form);
// A field as a user knows it ("Max Hull", "Weapon Name"), for the names of undo steps.
std::string fieldCaption(FileContent form, std::size_t field);

FormValues valuesOf(const ShipClassRecord& shipClass);
ShipClassRecord shipClassOf(const FormValues& values);

// Reset as each editor does it.
FormValues resetValues(FileContent form, const FormValues& values);
// What the form's record is known by: its class or weapon number, and its name.
std::string formNumber(FileContent form, const FormValues& values);
std::string formName(FileContent form, const FormValues& values);
// The full export of the form.
std::string exportForm(FileContent form, const FormValues& values);

} // namespace keelwright

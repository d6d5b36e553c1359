// SPDX-License-Identifier: MIT
#include "core/document/form_values.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"

namespace keelwright {

std::size_t fieldCount(FileContent form) {
    return form == FileContent::Weapon ? weaponControls().size() : classFields().size();
}

FormValues designValues(FileContent form) {
    return form == FileContent::Weapon ? weaponTexts(WeaponRecord{}) : valuesOf(ShipClassRecord{});
}

std::string fieldCaption(FileContent form, std::size_t field) {
    if (form == FileContent::Weapon) {
        std::string_view caption = weaponControls()[field].caption;
        if (caption.ends_with(':'))
            caption.remove_suffix(1);
        return std::string(caption);
    }
    const Field& f = classFields()[field];
    return std::string(f.caption.empty() ? f.spokenName : f.caption);
}

FormValues valuesOf(const ShipClassRecord& shipClass) {
    FormValues values;
    values.reserve(kFieldCount);
    for (std::size_t i = 0; i < kFieldCount; ++i)
        values.push_back(shipClass.value(i));
    return values;
}

ShipClassRecord shipClassOf(const FormValues& values) {
    ShipClassRecord shipClass;
    for (std::size_t i = 0; i < kFieldCount && i < values.size(); ++i)
        shipClass.setValue(i, values[i]);
    return shipClass;
}

FormValues resetValues(FileContent form, const FormValues& values) {
    if (form == FileContent::Weapon) {
        WeaponRecord weapon = weaponFromTexts(values);
        resetWeapon(weapon);
        return weaponTexts(weapon);
    }
    ShipClassRecord shipClass = shipClassOf(values);
    resetRecord(shipClass);
    return valuesOf(shipClass);
}

std::string formNumber(FileContent form, const FormValues& values) {
    if (form == FileContent::Weapon)
        return weaponFromTexts(values).number;
    return values.at(fieldIndex(kClassNumberField).value());
}

std::string formName(FileContent form, const FormValues& values) {
    if (form == FileContent::Weapon)
        return weaponFromTexts(values).name;
    return values.at(fieldIndex(kClassNameField).value());
}

std::string exportForm(FileContent form, const FormValues& values) {
    return form == FileContent::Weapon ? exportWeapon(weaponFromTexts(values))
                                       : exportClass(shipClassOf(values));
}

} // namespace keelwright

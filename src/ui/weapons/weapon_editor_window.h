// SPDX-License-Identifier: MIT
#pragma once
// Form3, the weapon editor: one weapon's nine values and two flags, its Reset and its export.

#include "core/weapons/weapon_record.h"
#include "ui/editor/editor_window.h"
#include "ui/editor/form_binder.h"

namespace keelwright {

class WeaponEditorWindow : public EditorWindow {
    Q_OBJECT
public:
    WeaponEditorWindow(); // without an owner; closing it destroys it with its values

    WeaponRecord record() const { return weaponFromTexts(document().values()); }

private:
    void buildMenu();
    void buildControls();

    FormBinder binder_; // parallel to weaponControls()
};

} // namespace keelwright

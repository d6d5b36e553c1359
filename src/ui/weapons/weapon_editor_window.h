// SPDX-License-Identifier: MIT
#pragma once
// Form3, the weapon editor: one weapon's nine values and two flags, its Reset and its export.

#include "core/weapons/weapon_record.h"
#include "ui/widgets/form_binder.h"

#include <QMainWindow>

namespace keelwright {

class WeaponEditorWindow : public QMainWindow {
    Q_OBJECT
public:
    WeaponEditorWindow(); // without an owner; closing it destroys it with its values

    WeaponRecord record() const { return weaponFromTexts(binder_.texts()); }
    void showRecord(const WeaponRecord& weapon) { binder_.show(weaponTexts(weapon)); }
    void reset();

    // Whether the form holds edits: it differs from the design values and from the weapon last
    // opened or exported.
    bool holdsEdits() const;
    void markUnchanged() { unchanged_ = record(); }

signals:
    void openRequested();
    void filesDropped(const QStringList& paths);
    void exportRequested();

private:
    void buildMenu();
    void buildControls();

    FormBinder binder_; // parallel to weaponControls()
    WeaponRecord unchanged_;
};

} // namespace keelwright

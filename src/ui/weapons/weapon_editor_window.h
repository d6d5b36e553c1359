// SPDX-License-Identifier: MIT
#pragma once
// Form3, the weapon editor: one weapon's nine values and two flags, its Reset and its export.

#include "core/weapons/weapon_record.h"
#include "ui/widgets/editor_document.h"
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

    EditorDocument<WeaponRecord>& document() { return document_; }
    const EditorDocument<WeaponRecord>& document() const { return document_; }

signals:
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    void exportChangesRequested();
    void filesDropped(const QStringList& paths);
    void exportRequested();

private:
    void buildMenu();
    void buildControls();

    FormBinder binder_; // parallel to weaponControls()
    EditorDocument<WeaponRecord> document_;
};

} // namespace keelwright

#pragma once
// Form3, the weapon editor: one weapon's nine values and two flags, its Reset and its export.

#include "weapons/weapon_record.h"

#include <QMainWindow>

#include <vector>

namespace keelwright {

class WeaponEditorWindow : public QMainWindow {
    Q_OBJECT
public:
    WeaponEditorWindow(); // without an owner; closing it destroys it with its values

    WeaponRecord record() const;
    void showRecord(const WeaponRecord& weapon);
    void reset();
    void present(); // shows it, or brings it to the front with what the user typed

signals:
    void exportRequested();

private:
    void buildMenu();
    void buildControls();

    std::vector<QWidget*> controls_; // parallel to weaponControls()
};

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// Builds the sixteen pages of the class editor from the field table, and moves values between
// their controls and a ship class record.

#include "core/classes/ship_class_record.h"
#include "ui/widgets/form_binder.h"

#include <cstddef>

class QStackedWidget;

namespace keelwright {

// Control tops on the pages are given from the top of the whole tab control; the pages start
// below the tab header, this far down.
inline constexpr int kPageTopTwips = 720;

class ClassPages {
public:
    explicit ClassPages(QStackedWidget* pages);

    ShipClassRecord record() const;
    void show(const ShipClassRecord& record); // writes only what differs
    QLineEdit* lineEdit(std::size_t index) const { return binder_.lineEdit(index); }

private:
    FormBinder binder_; // parallel to classFields()
};

} // namespace keelwright

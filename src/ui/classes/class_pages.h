// SPDX-License-Identifier: MIT
#pragma once
// Builds the sixteen pages of the class editor from the field table, their controls bound in
// the table's order.

#include "core/classes/field_table.h"
#include "ui/editor/form_binder.h"

class QStackedWidget;

namespace keelwright {

// Control tops on the pages are given from the top of the whole tab control; the pages start
// below the tab header, this far down.
inline constexpr int kPageTopTwips = 720;

class ClassPages {
public:
    explicit ClassPages(QStackedWidget* pages);

    FormBinder& binder() { return binder_; }

private:
    FormBinder binder_; // parallel to classFields()
};

} // namespace keelwright

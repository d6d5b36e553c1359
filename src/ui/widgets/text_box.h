// SPDX-License-Identifier: MIT
#pragma once
// A text box for a class or weapon value. QLineEdit cuts longer text at 32,767 characters without
// a sign; these keep whatever is typed, pasted or opened, whole.

#include <QLineEdit>

#include <limits>

namespace keelwright {

inline QLineEdit* newTextBox(const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// A power field: at most three characters, only what a number needs, and never left empty.

#include <QLineEdit>

namespace keelwright {

class PowerField : public QLineEdit {
    Q_OBJECT
public:
    explicit PowerField(QWidget* parent = nullptr);

protected:
    // White while the caret is in the field, whatever the palette; its own colours again after.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refillWhenEmpty();
};

} // namespace keelwright

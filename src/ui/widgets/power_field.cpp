// SPDX-License-Identifier: MIT
#include "ui/widgets/power_field.h"

#include "core/classes/field_table.h"
#include "ui/helpers/qt_text.h"

#include <QRegularExpressionValidator>

namespace keelwright {

PowerField::PowerField(QWidget* parent) : QLineEdit(QStringLiteral("0"), parent) {
    setMaxLength(int(kPowerFieldMaxLength));
    // Digits, a sign, a decimal point and blanks; typing and pasting go through the same check.
    const QString allowed = QRegularExpression::escape(qs(kPowerFieldCharacters));
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[%1]{0,%2}").arg(allowed).arg(kPowerFieldMaxLength)),
        this));
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    connect(this, &QLineEdit::textChanged, this, &PowerField::refillWhenEmpty);
}

void PowerField::focusInEvent(QFocusEvent* event) {
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black); // readable on white in a dark theme too
    setPalette(white);
    QLineEdit::focusInEvent(event);
}

void PowerField::focusOutEvent(QFocusEvent* event) {
    setPalette(QPalette()); // inherits the window's colours again
    QLineEdit::focusOutEvent(event);
}

// The budget needs a number in every field, so an emptied field gets its "0" back at once,
// selected, so that the next key typed replaces it.
void PowerField::refillWhenEmpty() {
    if (!text().isEmpty())
        return;
    setText(QStringLiteral("0"));
    selectAll();
}

} // namespace keelwright

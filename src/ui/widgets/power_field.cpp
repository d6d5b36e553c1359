#include "ui/widgets/power_field.h"

#include <QRegularExpressionValidator>

namespace keelwright {

PowerField::PowerField(QWidget* parent) : QLineEdit(QStringLiteral("0"), parent) {
    setMaxLength(kMaxLength);
    // Digits, a sign, a decimal point and blanks; typing and pasting go through the same check.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9+\\-. ]{0,3}")), this));
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    connect(this, &QLineEdit::textChanged, this, &PowerField::refillWhenEmpty);
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

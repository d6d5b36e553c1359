// SPDX-License-Identifier: MIT
#pragma once
// Runs a check once for each system font size a user may have chosen, with the application font
// at that size, and puts the font back afterwards.

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

#include <string>

namespace keelwright::testing {

template <class Check> void atEveryFontSize(Check check) {
    const QFont original = QApplication::font();
    for (const int points : {8, 9, 10, 11, 12, 14, 16}) {
        QFont font = original;
        font.setPointSize(points);
        QApplication::setFont(font);
        SCOPED_TRACE(std::to_string(points) + " pt");
        check();
    }
    QApplication::setFont(original);
}

} // namespace keelwright::testing

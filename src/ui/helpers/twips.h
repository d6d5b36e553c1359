// SPDX-License-Identifier: MIT
#pragma once
// The windows were drawn in twips for a small system font; these turn design positions into
// pixels. As dialog units do, the design grows with the font: a larger system font moves and
// widens everything in proportion, so no caption outgrows the room the design gave it.

#include <QRect>
#include <QWidget>

#include <algorithm>

namespace keelwright {

// Fifteen twips make a pixel at 96 dpi with the font the design was laid out for; Qt's high-DPI
// scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

// The font the design was laid out for: a 9-point sans serif, 14 pixels high and about 6.1 wide
// on average.
inline constexpr double kDesignFontHeight = 14.0;
inline constexpr double kDesignCharWidth = 6.1;

// How much larger than the design's font the application's font is; never below 1.
double designScale();

inline int pixels(int twips) {
    return int(twips * designScale() / kTwipsPerPixel);
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// A control is at least as large as its design says, and as large as its font needs: as wide as
// its smallest readable size, as high as it likes to be.
inline void placeAtLeast(QWidget* widget, QRect rect) {
    rect.setWidth(std::max(rect.width(), widget->minimumSizeHint().width()));
    rect.setHeight(std::max(rect.height(), widget->sizeHint().height()));
    widget->setGeometry(rect);
}

} // namespace keelwright

#pragma once
// The windows were drawn in twips; these turn design positions into pixels.

#include <QRect>
#include <QWidget>

#include <algorithm>

namespace keelwright {

// Fifteen twips make a pixel at 96 dpi; Qt's high-DPI scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
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

#pragma once
// Small conversions every window uses: the core's UTF-8 texts, and design positions in twips.

#include <QRect>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <string>
#include <string_view>

namespace keelwright {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
inline std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Fifteen twips make a pixel at 96 dpi; Qt's high-DPI scaling does the rest.
inline int pixels(int twips) {
    return twips / 15;
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

// SPDX-License-Identifier: MIT
#include "ui/helpers/twips.h"

#include <QApplication>
#include <QFontMetricsF>

namespace keelwright {

double designScale() {
    const QFontMetricsF metrics(QApplication::font());
    return std::max(
        {1.0, metrics.height() / kDesignFontHeight, metrics.averageCharWidth() / kDesignCharWidth});
}

} // namespace keelwright

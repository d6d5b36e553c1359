// SPDX-License-Identifier: MIT
#pragma once
// The core keeps its texts in UTF-8; the windows in QString.

#include <QString>

#include <string>
#include <string_view>

namespace keelwright {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
inline std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace keelwright

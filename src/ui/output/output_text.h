// SPDX-License-Identifier: MIT
#pragma once
// The text of an output window as the game and a saved file take it.

#include <QString>

namespace keelwright {

// Every line break of a text area (paragraph and line separators, LF, CR, CR LF) as CR LF.
QString withCrLf(const QString& text);

} // namespace keelwright

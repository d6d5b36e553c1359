// SPDX-License-Identifier: MIT
#pragma once
// Files dragged from a file manager onto a window open in it, wherever they land: a text box
// would otherwise take a dropped file's name as text.

#include <QStringList>

#include <functional>

class QWidget;

namespace keelwright {

// Call once the window holds all its controls.
void acceptFileDrops(QWidget* window, std::function<void(const QStringList& paths)> open);

} // namespace keelwright

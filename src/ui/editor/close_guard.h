// SPDX-License-Identifier: MIT
#pragma once
// A window that asks before it closes, however it is closed (its frame, a shortcut, close()).

#include <functional>

class QWidget;

namespace keelwright {

// `mayClose` is asked each time the window is about to close; false keeps it open.
void guardClose(QWidget* window, std::function<bool()> mayClose);

} // namespace keelwright

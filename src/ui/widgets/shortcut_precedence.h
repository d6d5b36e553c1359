// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace keelwright {

// A text box claims some keys for its own editing before the window's shortcuts see them (on X11
// a line edit takes Ctrl+E as end-of-line). This lets the shortcuts of `window`'s actions win
// over the key bindings of every field the window holds now.
void giveShortcutsPrecedence(QWidget* window);

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace keelwright {

// What a key does in a field of `window`, for every field the window holds now, in one place:
// - The window's shortcuts win over a text box's own key bindings (on X11 a line edit takes
//   Ctrl+E as end-of-line; Ctrl+Z is the form's Undo, not the field's), also while disabled.
// - A key pressed with Alt that no access key took types nothing: a user reaching for a menu
//   must not change a value behind their back. AltGr characters still type (Ctrl+Alt on
//   Windows, the third level on X11, which Qt does not report as Alt).
void guardFieldKeys(QWidget* window);

} // namespace keelwright

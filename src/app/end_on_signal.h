// SPDX-License-Identifier: MIT
#pragma once
// A logout, a shutdown or `kill` (TERM, INT, HUP) ends the program cleanly, without a question:
// `first` runs (it keeps unsaved edits for the next start), then the program ends with 0, so that
// what it keeps for the run only (its scratch folder) goes with it.

#include <functional>

namespace keelwright {

// Call once, after the application object exists.
void endCleanlyOnSignals(std::function<void()> first);

} // namespace keelwright

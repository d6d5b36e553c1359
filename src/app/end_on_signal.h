// SPDX-License-Identifier: MIT
#pragma once
// A logout, a shutdown or `kill` ends the program as Quit's Yes does, without a question, so
// that what it keeps for the run only (its scratch folder) goes with it.

namespace keelwright {

// Call once, after the application object exists.
void endCleanlyOnSignals();

} // namespace keelwright

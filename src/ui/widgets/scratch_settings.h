// SPDX-License-Identifier: MIT
#pragma once
// Keelwright stores nothing between runs. Qt's file dialogs keep their history and last folder in
// the user's configuration; from this call on, anything Qt stores goes into a scratch folder of
// this run's own, removed when the program ends.

namespace keelwright {

void keepSettingsOutOfHome();

} // namespace keelwright

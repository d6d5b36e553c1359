// SPDX-License-Identifier: MIT
#pragma once
// Keelwright stores nothing between runs. Qt's file dialogs keep their history and last folder in
// the user's settings: where those are files, from the first call on they go into a scratch
// folder of this run's own, removed when the program ends; where they are the Windows registry,
// which no folder redirects, what the dialogs wrote is put back as it was once they are gone.

namespace keelwright {

// Call before a file dialog is made.
void keepSettingsOutOfHome();

// Call once a file dialog is gone: the user's own Qt dialog settings are as they were before.
void putBackDialogHistory();

} // namespace keelwright

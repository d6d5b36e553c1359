#pragma once
// Keelwright stores nothing between runs. Qt's file dialogs keep their history and last folder in
// the user's configuration; for as long as this object lives, anything Qt stores goes into a
// scratch folder that is removed with it.

#include <QTemporaryDir>

namespace keelwright {

class ScratchSettings {
public:
    ScratchSettings();

private:
    QTemporaryDir folder_;
};

} // namespace keelwright

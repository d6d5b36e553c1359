#include "ui/shell/scratch_settings.h"

#include <QSettings>

namespace keelwright {

ScratchSettings::ScratchSettings() {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder_.path());
}

} // namespace keelwright

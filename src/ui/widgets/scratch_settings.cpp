// SPDX-License-Identifier: MIT
#include "ui/widgets/scratch_settings.h"

#include <QSettings>
#include <QTemporaryDir>

namespace keelwright {

void keepSettingsOutOfHome() {
    // Lives until the program ends, after the last dialog that might write into it.
    static const QTemporaryDir scratch;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, scratch.path());
}

} // namespace keelwright

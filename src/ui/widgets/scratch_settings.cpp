// SPDX-License-Identifier: MIT
#include "ui/widgets/scratch_settings.h"

#include <QCoreApplication>
#include <QList>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <utility>

namespace keelwright {
namespace {

const QString kQtProject = QStringLiteral("QtProject");

// Qt's dialogs read and write the organisation-wide settings of "QtProject" in the native format.
QSettings qtDialogSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kQtProject);
}

// What the native settings held for Qt's dialogs before this run made its first dialog.
struct DialogHistory {
    bool existed = false; // the registry key at all (elsewhere the scratch folder takes care)
    QList<std::pair<QString, QVariant>> values;
};

#ifdef Q_OS_WIN
// The registry key of the organisation, under which Qt makes one for the organisation's defaults.
QSettings softwareKey() {
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
}
bool qtProjectKeyExists() {
    return softwareKey().childGroups().contains(kQtProject);
}
void removeQtProjectKey() {
    softwareKey().remove(kQtProject);
}
#else
bool qtProjectKeyExists() {
    return true;
}
void removeQtProjectKey() {}
#endif

DialogHistory& history() {
    static DialogHistory before = [] {
        DialogHistory found;
        found.existed = qtProjectKeyExists();
        const QSettings settings = qtDialogSettings();
        for (const QString& key : settings.allKeys())
            found.values.append({key, settings.value(key)});
        return found;
    }();
    return before;
}

} // namespace

void keepSettingsOutOfHome() {
    // Lives until the program ends, after the last dialog that might write into it.
    static const QTemporaryDir scratch;
    static const bool redirected = [] {
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, scratch.path());
        (void)history(); // taken before any dialog writes
        // Qt writes into them once more after the last dialog is gone; the run's end puts back.
        qAddPostRoutine(putBackDialogHistory);
        return true;
    }();
    (void)redirected;
}

void putBackDialogHistory() {
    const DialogHistory& before = history();
    {
        QSettings settings = qtDialogSettings();
        settings.remove(QString());
        for (const auto& [key, value] : before.values)
            settings.setValue(key, value);
    }
    if (!before.existed)
        removeQtProjectKey();
}

} // namespace keelwright

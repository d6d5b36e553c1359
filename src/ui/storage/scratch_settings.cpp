// SPDX-License-Identifier: MIT
#include "ui/storage/scratch_settings.h"

#include <QCoreApplication>
#include <QList>
#include <QSettings>
#include <QStringList>
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

#ifdef Q_OS_WIN
// The registry key of the organisation, under which Qt makes one for the organisation's
// defaults. Opening a key to write creates it and every key above it.
QSettings softwareKey() {
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
}

void collectKeys(QSettings& software, const QString& key, QStringList& out) {
    out << key;
    software.beginGroup(key);
    const QStringList children = software.childGroups();
    software.endGroup();
    for (const QString& child : children)
        collectKeys(software, key + u'/' + child, out);
}

// Every registry key of Qt's settings, each before the keys below it.
QStringList qtProjectKeys() {
    QSettings software = softwareKey();
    QStringList keys;
    if (software.childGroups().contains(kQtProject))
        collectKeys(software, kQtProject, keys);
    return keys;
}

void removeKeysOtherThan(const QStringList& kept) {
    QSettings software = softwareKey();
    for (const QString& key : qtProjectKeys()) {
        if (!kept.contains(key))
            software.remove(key); // with the keys below it
    }
}
#else
// Elsewhere the settings are files, and those live in the scratch folder.
QStringList qtProjectKeys() {
    return {};
}
void removeKeysOtherThan(const QStringList&) {}
#endif

// What the native settings held for Qt's dialogs before this run made its first dialog.
struct DialogHistory {
    QStringList keys; // the registry keys, empty ones too
    QList<std::pair<QString, QVariant>> values;
};

DialogHistory& history() {
    static DialogHistory before = [] {
        DialogHistory found;
        found.keys = qtProjectKeys();
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
    // Writing back made the key of the defaults if it was not there.
    removeKeysOtherThan(before.keys);
}

} // namespace keelwright

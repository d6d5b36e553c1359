// SPDX-License-Identifier: MIT
#include "ui/storage/text_file.h"

#include "core/export/command_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace keelwright {

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    // A file the user marked read-only stays untouched, even for an administrator who could
    // replace it: the mark says the user wants it kept.
    const QFileInfo existing(path);
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (existing.exists() && existing.isFile() && !(existing.permissions() & writeBits))
        return QCoreApplication::translate("keelwright", "The file is read-only.");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QByteArray fileDigest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

std::optional<QByteArray> readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(qint64(kMaxFleetFileBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> digestOnDisk(const QString& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return fileDigest(*bytes);
}

} // namespace keelwright

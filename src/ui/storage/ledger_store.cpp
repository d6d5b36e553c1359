// SPDX-License-Identifier: MIT
#include "ui/storage/ledger_store.h"

#include "core/export/command_file.h"
#include "core/game/sending.h"
#include "ui/storage/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace keelwright {
namespace {

// A name any file system takes, readable where the text allows; the hash keeps apart texts that
// read the same once cut down.
QString fileName(const QString& text) {
    QString out;
    for (const QChar c : text.left(40))
        out += c.isLetterOrNumber() && c.unicode() < 128 ? c : u'_';
    const QByteArray hash = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
    return out + u'-' + QString::fromLatin1(hash.toHex().left(12));
}

} // namespace

LedgerStore::LedgerStore(const QString& folder)
    : folder_(!folder.isEmpty()
                  ? folder
                  : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                        QStringLiteral("/games")) {}

QString LedgerStore::gameFolder(const GameEntry& game) const {
    return folder_ + u'/' + fileName(game.name());
}

QString LedgerStore::fileOf(const GameEntry& game, FileContent kind,
                            const std::string& number) const {
    const QString record =
        kind == FileContent::Weapon ? QStringLiteral("weapon ") : QStringLiteral("class ");
    return gameFolder(game) + u'/' + fileName(record + QString::fromStdString(number)) +
           QStringLiteral(".txt");
}

void LedgerStore::forget(const GameEntry& game) const {
    QDir(gameFolder(game)).removeRecursively();
    QDir().rmdir(folder_); // the games' folder goes with the last game
}

std::optional<RecordLedger> LedgerStore::load(const GameEntry& game, FileContent kind,
                                              const std::string& number) const {
    return read(game, kind, number).ledger;
}

LedgerStore::Reading LedgerStore::read(const GameEntry& game, FileContent kind,
                                       const std::string& number) const {
    const QString path = fileOf(game, kind, number);
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.size() > qint64(kMaxCommandFileBytes))
        return {std::nullopt,
                QStringLiteral("it is larger than %1 MiB").arg(kMaxCommandFileBytes >> 20)};
    const std::optional<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return {std::nullopt, QStringLiteral("it cannot be read")};
    RecordLedger ledger(kind, number);
    for (const std::string& line : linesToSend(bytes->toStdString())) {
        if (!line.empty() && !ledger.took(line))
            return {std::nullopt, QStringLiteral("it holds lines of no such record")};
    }
    if (ledger.empty())
        return {};
    return {std::move(ledger), {}};
}

std::optional<QString> LedgerStore::save(const GameEntry& game, const RecordLedger& ledger) const {
    const QString path = fileOf(game, ledger.kind(), ledger.number());
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("The folder %1 could not be made.").arg(QFileInfo(path).path());
    std::string text;
    for (const std::string& line : ledger.lines())
        text.append(line).append("\r\n");
    return writeFileAtomically(path, QByteArray::fromStdString(text));
}

} // namespace keelwright

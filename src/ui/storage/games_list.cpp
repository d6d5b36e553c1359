// SPDX-License-Identifier: MIT
#include "ui/storage/games_list.h"

#include "ui/storage/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <string>
#include <vector>

namespace keelwright {
namespace {

// Far more than a builder keeps; a file grown past it is not read whole.
constexpr int kMaxGames = 200;
constexpr std::size_t kMaxFailureAnswers = 100;

GameEntry fromJson(const QJsonObject& o) {
    GameEntry game;
    game.host = o.value(QStringLiteral("host")).toString();
    game.port = quint16(o.value(QStringLiteral("port")).toInt(4201));
    game.tls = o.value(QStringLiteral("tls")).toBool();
    game.character = o.value(QStringLiteral("character")).toString();
    game.fingerprint = o.value(QStringLiteral("fingerprint")).toString();
    game.maxLineBytes =
        std::size_t(std::max(1, o.value(QStringLiteral("maxLineBytes")).toInt(4000)));
    game.settings.timeoutMs = std::max(100, o.value(QStringLiteral("timeoutMs")).toInt(10000));
    game.settings.stopAtFirstFailure = o.value(QStringLiteral("stopAtFirstFailure")).toBool(true);
    game.passwordRemembered = o.value(QStringLiteral("passwordRemembered")).toBool();
    const QJsonValue failures = o.value(QStringLiteral("failureAnswers"));
    if (failures.isArray()) {
        game.settings.failureAnswers.clear();
        for (const QJsonValue& v : failures.toArray()) {
            if (game.settings.failureAnswers.size() < kMaxFailureAnswers && !v.toString().isEmpty())
                game.settings.failureAnswers.push_back(v.toString().toStdString());
        }
    }
    return game;
}

QJsonObject toJson(const GameEntry& game) {
    QJsonArray failures;
    for (const std::string& failure : game.settings.failureAnswers)
        failures.append(QString::fromStdString(failure));
    return {{QStringLiteral("host"), game.host},
            {QStringLiteral("port"), int(game.port)},
            {QStringLiteral("tls"), game.tls},
            {QStringLiteral("character"), game.character},
            {QStringLiteral("fingerprint"), game.fingerprint},
            {QStringLiteral("maxLineBytes"), qint64(game.maxLineBytes)},
            {QStringLiteral("timeoutMs"), qint64(game.settings.timeoutMs)},
            {QStringLiteral("stopAtFirstFailure"), game.settings.stopAtFirstFailure},
            {QStringLiteral("passwordRemembered"), game.passwordRemembered},
            {QStringLiteral("failureAnswers"), failures}};
}

} // namespace

QString GameEntry::name() const {
    return host + u':' + QString::number(port);
}

GamesList::GamesList(const QString& file)
    : file_(file.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                                 QStringLiteral("/games.json")
                           : file) {
    load();
}

// A file that cannot be read, or is no list of games, lists none: nothing else is lost by it.
void GamesList::load() {
    const auto bytes = readFileBytes(file_);
    if (!bytes)
        return;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes);
    for (const QJsonValue& v : document.object().value(QStringLiteral("games")).toArray()) {
        if (games_.size() >= kMaxGames)
            break;
        GameEntry game = fromJson(v.toObject());
        if (!game.host.isEmpty() && game.port != 0)
            games_.append(game);
    }
}

std::optional<GameEntry> GamesList::find(const QString& host, quint16 port) const {
    for (const GameEntry& game : games_) {
        if (game.host.compare(host, Qt::CaseInsensitive) == 0 && game.port == port)
            return game;
    }
    return std::nullopt;
}

std::optional<QString> GamesList::remember(const GameEntry& game) {
    QList<GameEntry> games{game};
    games.first().passwordRemembered = false;
    for (const GameEntry& other : games_) {
        if (other.host.compare(game.host, Qt::CaseInsensitive) == 0 && other.port == game.port)
            games.first().passwordRemembered = other.passwordRemembered;
        else
            games.append(other);
    }
    return write(games);
}

std::optional<QString> GamesList::setPasswordRemembered(const QString& host, quint16 port,
                                                        bool remembered) {
    QList<GameEntry> games = games_;
    for (GameEntry& game : games) {
        if (game.host.compare(host, Qt::CaseInsensitive) == 0 && game.port == port)
            game.passwordRemembered = remembered;
    }
    return write(games);
}

std::optional<QString> GamesList::forget(const QString& host, quint16 port) {
    QList<GameEntry> games;
    for (const GameEntry& other : games_) {
        if (!(other.host.compare(host, Qt::CaseInsensitive) == 0 && other.port == port))
            games.append(other);
    }
    return write(games);
}

std::optional<QString> GamesList::write(const QList<GameEntry>& games) {
    QJsonArray list;
    for (const GameEntry& entry : games)
        list.append(toJson(entry));
    const QByteArray bytes = QJsonDocument(QJsonObject{{QStringLiteral("games"), list}}).toJson();
    if (!QDir().mkpath(QFileInfo(file_).path()))
        return QStringLiteral("The folder %1 cannot be made.").arg(QFileInfo(file_).path());
    if (const auto failure = writeFileAtomically(file_, bytes))
        return failure;
    games_ = games;
    return std::nullopt;
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// The games the user connected to, in a file of their own in the user's configuration folder
// ("games.json" in Qt's AppConfigLocation): where each is, as whom, the certificate trusted for
// it, and how its answers are read. Never a password.

#include "core/game/game_session.h"

#include <QList>
#include <QString>

#include <cstddef>
#include <optional>

namespace keelwright {

struct GameEntry {
    QString host;
    quint16 port = 4201;
    bool tls = false;
    QString character;
    QString fingerprint;             // "SHA-256: AB:CD:..." of a certificate the user trusted
    std::size_t maxLineBytes = 4000; // PennMUSH cuts longer commands at 4,095 bytes
    GameSettings settings;
    bool passwordRemembered = false; // in the system keyring, never here

    QString name() const; // "host:port"
};

class GamesList {
public:
    // The user's file, unless one is given.
    explicit GamesList(const QString& file = {});

    QString file() const { return file_; }
    const QList<GameEntry>& games() const { return games_; }
    std::optional<GameEntry> find(const QString& host, quint16 port) const;
    // Adds the game, or replaces the entry of the same host and port, first in the list; written
    // at once. Nothing on success, else why it could not be written. Whether its password is
    // remembered stays as the list has it.
    std::optional<QString> remember(const GameEntry& game);
    std::optional<QString> setPasswordRemembered(const QString& host, quint16 port,
                                                 bool remembered);
    // Takes the game of this host and port out of the list, written at once.
    std::optional<QString> forget(const QString& host, quint16 port);

private:
    void load();
    std::optional<QString> write(const QList<GameEntry>& games);

    QString file_;
    QList<GameEntry> games_;
};

} // namespace keelwright

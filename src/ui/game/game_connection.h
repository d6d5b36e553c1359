// SPDX-License-Identifier: MIT
#pragma once
// The one game connection of the program: a thin socket layer (plain or TLS, on the window
// thread, never blocking) under the game session, with one single-shot timer for the session's
// next deadline, so that nothing runs while nothing is awaited. The password is kept in memory
// for the run, for a reconnect, and nowhere else.

#include "core/game/game_session.h"
#include "ui/storage/games_list.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSslCertificate>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QSslSocket;
class QTimer;

namespace keelwright {

// "SHA-256: AB:CD:…", as openssl x509 -fingerprint -sha256 writes it.
QString certificateFingerprint(const QSslCertificate& certificate);

class GameConnection : public QObject {
    Q_OBJECT
public:
    enum class State { NotConnected, Connecting, Connected, Lost };

    explicit GameConnection(QObject* parent = nullptr);
    ~GameConnection() override;

    void connectTo(const GameEntry& game, const QString& password);
    // The same game again, with the password given for it in this run.
    void reconnect();
    void disconnectFromGame();
    // Disconnects, and keeps nothing of the game: neither its entry nor the password.
    void forgetGame();

    State state() const { return state_; }
    bool ready() const; // logged in, and not sending
    bool sending() const;
    bool utf8() const;
    const GameEntry& game() const { return game_; }
    bool hasGame() const { return !game_.host.isEmpty(); }
    // "Connected to HOST:PORT as NAME", ", TLS" after it; "Not connected"; "Connection lost".
    QString statusText() const;

    bool send(const std::vector<std::string>& lines);
    void stop();
    const std::vector<SendLine>& lines() const;

signals:
    void stateChanged();
    void loginRefused(const QString& words);
    void output(const QString& line);
    void sent(const QString& line); // as the transcript shows it: the password hidden
    void lineAnswered(int line);
    void sendFinished();
    // The game's certificate is not one the system trusts: the user is asked, and trusting it
    // connects again.
    void untrustedCertificate(const QSslCertificate& certificate);
    // Another certificate than the one trusted for the game: refused.
    void changedCertificate(const QString& trusted, const QString& offered);
    void failed(const QString& why);

private:
    void makeSocket();
    void start();
    void readSome();
    void pump();
    void lost(const QString& why);

    QSslSocket* socket_ = nullptr;
    QTimer* deadline_;
    QElapsedTimer clock_;
    std::unique_ptr<GameSession> session_;
    GameEntry game_;
    QString password_;
    State state_ = State::NotConnected;
    bool loggedIn_ = false;
    bool closing_ = false; // Disconnect asked: the socket's end is no loss
};

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/game/game_connection.h"

#include <QRandomGenerator>
#include <QSslSocket>
#include <QTimer>

#include <algorithm>
#include <cstddef>

namespace keelwright {
namespace {

// Read in small bites for a few milliseconds, then a turn of the event loop: a game that floods
// cannot hold the windows still, whatever its lines cost to show. What is not yet read waits in
// the network, not here.
constexpr qint64 kReadBite = 16 * 1024;
constexpr qint64 kReadingPerTurnMs = 20;
constexpr qint64 kReadBuffer = 1024 * 1024;
// A game that reads nothing of what it is sent (negotiation answers pile up) is left.
constexpr qint64 kMaxUnwritten = 1024 * 1024;

QString nonce() {
    QString out;
    for (int i = 0; i < 4; ++i)
        out += QString::number(QRandomGenerator::system()->generate(), 36).toUpper();
    return out;
}

} // namespace

QString certificateFingerprint(const QSslCertificate& certificate) {
    const QByteArray digest = certificate.digest(QCryptographicHash::Sha256).toHex().toUpper();
    QString out = QStringLiteral("SHA-256: ");
    for (qsizetype i = 0; i < digest.size(); i += 2)
        out += (i ? QStringLiteral(":") : QString()) + QString::fromLatin1(digest.mid(i, 2));
    return out;
}

GameConnection::GameConnection(QObject* parent) : QObject(parent), deadline_(new QTimer(this)) {
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, [this] {
        if (session_)
            session_->tick(clock_.elapsed());
        pump();
    });
}

// The socket is made at the first connect: until then no network or TLS library is loaded.
void GameConnection::makeSocket() {
    socket_ = new QSslSocket(this);
    socket_->setReadBufferSize(kReadBuffer);
    connect(socket_, &QSslSocket::connected, this, [this] {
        if (!game_.tls)
            start();
    });
    connect(socket_, &QSslSocket::encrypted, this, &GameConnection::start);
    connect(socket_, &QSslSocket::readyRead, this, &GameConnection::readSome);
    connect(socket_, &QSslSocket::disconnected, this, [this] { lost({}); });
    connect(socket_, &QSslSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (state_ == State::Connecting && !closing_)
            lost(socket_->errorString());
    });
    connect(socket_, &QSslSocket::sslErrors, this, [this](const QList<QSslError>&) {
        const QSslCertificate offered = socket_->peerCertificate();
        const QString fingerprint = certificateFingerprint(offered);
        if (!game_.fingerprint.isEmpty() && fingerprint == game_.fingerprint) {
            socket_->ignoreSslErrors(); // the certificate the user trusted for this game
            return;
        }
        closing_ = true;
        socket_->abort();
        closing_ = false;
        state_ = State::NotConnected;
        emit stateChanged();
        if (game_.fingerprint.isEmpty())
            emit untrustedCertificate(offered);
        else
            emit changedCertificate(game_.fingerprint, fingerprint);
    });
}

GameConnection::~GameConnection() {
    closing_ = true;
    if (socket_)
        socket_->abort();
}

void GameConnection::connectTo(const GameEntry& game, const QString& password) {
    game_ = game;
    password_ = password;
    reconnect();
}

void GameConnection::reconnect() {
    // A socket for each connection: Windows' TLS does not take a second handshake on a socket
    // that has been aborted.
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
    makeSocket();
    loggedIn_ = false;
    session_ = std::make_unique<GameSession>(
        GameLogin{game_.character.toStdString(), password_.toStdString()}, game_.settings,
        nonce().toStdString());
    state_ = State::Connecting;
    emit stateChanged();
    if (game_.tls)
        socket_->connectToHostEncrypted(game_.host, game_.port);
    else
        socket_->connectToHost(game_.host, game_.port);
}

void GameConnection::disconnectFromGame() {
    closing_ = true;
    if (socket_)
        socket_->abort();
    closing_ = false;
    if (session_)
        session_->closed();
    pump();
    session_.reset();
    loggedIn_ = false;
    state_ = State::NotConnected;
    deadline_->stop();
    emit stateChanged();
}

void GameConnection::forgetGame() {
    disconnectFromGame();
    game_ = {};
    password_.clear();
    emit stateChanged();
}

void GameConnection::start() {
    clock_.start();
    session_->connected(clock_.elapsed());
    pump();
}

void GameConnection::readSome() {
    if (!session_)
        return;
    QElapsedTimer turn;
    turn.start();
    while (socket_->bytesAvailable() > 0 && turn.elapsed() < kReadingPerTurnMs) {
        const QByteArray bytes = socket_->read(kReadBite);
        session_->receive({bytes.constData(), std::size_t(bytes.size())}, clock_.elapsed());
        pump();
        if (!session_)
            return;
    }
    if (socket_->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &GameConnection::readSome);
}

// What the session has to say and to send, and the timer for its next deadline.
void GameConnection::pump() {
    if (!session_)
        return;
    const std::string out = session_->takeOutgoing();
    if (!out.empty() && socket_->state() == QAbstractSocket::ConnectedState)
        socket_->write(out.data(), qint64(out.size()));
    for (const SessionEvent& event : session_->takeEvents()) {
        const QString text = QString::fromStdString(event.text);
        switch (event.kind) {
        case SessionEvent::Kind::LoggedIn:
            loggedIn_ = true;
            state_ = State::Connected;
            emit stateChanged();
            break;
        case SessionEvent::Kind::LoginRefused:
            closing_ = true;
            socket_->abort();
            closing_ = false;
            state_ = State::NotConnected;
            emit stateChanged();
            emit loginRefused(text);
            break;
        case SessionEvent::Kind::Output:
            emit output(text);
            break;
        case SessionEvent::Kind::Sent:
            emit sent(text);
            break;
        case SessionEvent::Kind::Answered:
            emit lineAnswered(int(event.line));
            break;
        case SessionEvent::Kind::Finished:
            emit sendFinished();
            emit stateChanged();
            break;
        }
        if (!session_)
            return;
    }
    if (socket_->bytesToWrite() > kMaxUnwritten) {
        lost(tr("The game does not read what it is sent."));
        return;
    }
    if (const auto due = session_->deadline())
        deadline_->start(int(std::clamp<qint64>(*due - clock_.elapsed(), 0, 24 * 3600 * 1000)));
    else
        deadline_->stop();
}

void GameConnection::lost(const QString& why) {
    if (closing_ || state_ == State::NotConnected || state_ == State::Lost)
        return;
    const bool wasUp = state_ == State::Connected;
    // Settled before the session's last words are pumped, which may find the socket wanting
    // again: the connection is lost once. Aborting drops what the game would not read.
    state_ = wasUp ? State::Lost : State::NotConnected;
    closing_ = true;
    socket_->abort();
    closing_ = false;
    if (session_) {
        session_->closed();
        pump();
    }
    deadline_->stop();
    loggedIn_ = false;
    emit stateChanged();
    if (!wasUp)
        emit failed(why.isEmpty() ? tr("The game closed the connection.") : why);
}

bool GameConnection::ready() const {
    return session_ && state_ == State::Connected && session_->phase() == SessionPhase::Ready;
}

bool GameConnection::sending() const {
    return session_ && state_ == State::Connected && session_->phase() == SessionPhase::Sending;
}

bool GameConnection::utf8() const {
    return session_ && session_->utf8();
}

QString GameConnection::statusText() const {
    switch (state_) {
    case State::Connected:
        return tr("Connected to %1 as %2").arg(game_.name(), game_.character) +
               (game_.tls ? tr(", TLS") : QString());
    case State::Connecting:
        return tr("Connecting to %1").arg(game_.name());
    case State::Lost:
        return tr("Connection lost");
    default:
        return tr("Not connected");
    }
}

bool GameConnection::send(const std::vector<std::string>& lines) {
    if (!ready() || !session_->send(lines, clock_.elapsed()))
        return false;
    pump();
    return true;
}

void GameConnection::stop() {
    if (!session_)
        return;
    session_->stop();
    pump();
}

const std::vector<SendLine>& GameConnection::lines() const {
    static const std::vector<SendLine> none;
    return session_ ? session_->lines() : none;
}

} // namespace keelwright

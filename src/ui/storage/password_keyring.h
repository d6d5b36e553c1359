// SPDX-License-Identifier: MIT
#pragma once
// The game passwords a user asked to remember, in the system's keyring: the Secret Service on
// Linux, the Credential Manager on Windows. Nowhere else: where no keyring answers, nothing is
// kept, and the password is asked at each Connect.

#include <QString>

#include <functional>

class QObject;

namespace keelwright {

struct KeyringAnswer {
    enum class State { Done, NotFound, NoKeyring };
    State state = State::NotFound;
    QString password; // of a read that found one
    QString why;      // the keyring's own words, where none answered
};
using KeyringReply = std::function<void(const KeyringAnswer&)>;

// Each call answers later, on the window thread, unless CONTEXT is gone by then. Plain functions,
// so that tests can give a keyring of their own.
struct PasswordKeyring {
    std::function<void(const QString& game, QObject* context, KeyringReply)> read;
    std::function<void(const QString& game, const QString& password, QObject* context,
                       KeyringReply)>
        write;
    std::function<void(const QString& game, QObject* context, KeyringReply)> forget;
};

// The system's, through QtKeychain, each password under "Keelwright game HOST:PORT".
PasswordKeyring systemKeyring();

} // namespace keelwright

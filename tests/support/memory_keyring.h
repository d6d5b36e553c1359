// SPDX-License-Identifier: MIT
#pragma once
// A keyring in memory for the window tests: it answers a moment later, as a real one does, or
// not at all when it stands for a system where none runs; it counts what it is asked.

#include "ui/storage/password_keyring.h"

#include <QMap>
#include <QObject>
#include <QTimer>

#include <memory>
#include <utility>

namespace keelwright::testing {

struct MemoryKeyring {
    QMap<QString, QString> passwords;
    bool present = true;
    int asked = 0;
};

inline PasswordKeyring keyringOver(const std::shared_ptr<MemoryKeyring>& store) {
    const auto answer = [store](QObject* context, KeyringReply reply, auto act) {
        ++store->asked;
        QTimer::singleShot(10, context, [store, reply, act] {
            KeyringAnswer given;
            if (!store->present) {
                given.state = KeyringAnswer::State::NoKeyring;
                given.why = QStringLiteral("The name org.freedesktop.secrets was not provided");
            } else {
                act(given);
            }
            if (reply)
                reply(given);
        });
    };
    PasswordKeyring keyring;
    keyring.read = [store, answer](const QString& game, QObject* context, KeyringReply reply) {
        answer(context, std::move(reply), [store, game](KeyringAnswer& a) {
            a.state = store->passwords.contains(game) ? KeyringAnswer::State::Done
                                                      : KeyringAnswer::State::NotFound;
            a.password = store->passwords.value(game);
        });
    };
    keyring.write = [store, answer](const QString& game, const QString& password, QObject* context,
                                    KeyringReply reply) {
        answer(context, std::move(reply), [store, game, password](KeyringAnswer& a) {
            store->passwords.insert(game, password);
            a.state = KeyringAnswer::State::Done;
        });
    };
    keyring.forget = [store, answer](const QString& game, QObject* context, KeyringReply reply) {
        answer(context, std::move(reply), [store, game](KeyringAnswer& a) {
            a.state = store->passwords.remove(game) ? KeyringAnswer::State::Done
                                                    : KeyringAnswer::State::NotFound;
        });
    };
    return keyring;
}

} // namespace keelwright::testing

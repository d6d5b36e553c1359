// SPDX-License-Identifier: MIT
#include "ui/storage/password_keyring.h"

#include <qt6keychain/keychain.h>

#include <QObject>

#include <utility>

namespace keelwright {
namespace {

const QString kService = QStringLiteral("Keelwright");

// The Credential Manager knows an entry by this name alone, among every program's.
QString keyOf(const QString& game) {
    return QStringLiteral("Keelwright game ") + game;
}

KeyringAnswer answerOf(const QKeychain::Job& job) {
    KeyringAnswer answer;
    switch (job.error()) {
    case QKeychain::NoError:
        answer.state = KeyringAnswer::State::Done;
        if (const auto* read = qobject_cast<const QKeychain::ReadPasswordJob*>(&job))
            answer.password = read->textData();
        break;
    case QKeychain::EntryNotFound:
        answer.state = KeyringAnswer::State::NotFound;
        break;
    default: // no keyring, a locked one the user did not open, or one that failed
        answer.state = KeyringAnswer::State::NoKeyring;
        answer.why = job.errorString();
        break;
    }
    return answer;
}

// A keyring that fails never falls back to a file of QtKeychain's own.
void start(QKeychain::Job* job, const QString& game, QObject* context, KeyringReply reply) {
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(keyOf(game));
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [reply = std::move(reply)](QKeychain::Job* done) {
                         if (reply)
                             reply(answerOf(*done));
                     });
    job->start();
}

} // namespace

PasswordKeyring systemKeyring() {
    PasswordKeyring keyring;
    keyring.read = [](const QString& game, QObject* context, KeyringReply reply) {
        start(new QKeychain::ReadPasswordJob(kService), game, context, std::move(reply));
    };
    keyring.write = [](const QString& game, const QString& password, QObject* context,
                       KeyringReply reply) {
        auto* job = new QKeychain::WritePasswordJob(kService);
        job->setTextData(password);
        start(job, game, context, std::move(reply));
    };
    keyring.forget = [](const QString& game, QObject* context, KeyringReply reply) {
        start(new QKeychain::DeletePasswordJob(kService), game, context, std::move(reply));
    };
    return keyring;
}

} // namespace keelwright

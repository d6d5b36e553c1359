// SPDX-License-Identifier: MIT
// The real system keyring: Debian's gnome-keyring-daemon in the test's own session bus, none at
// all, or under Wine the Credential Manager. KEELWRIGHT_KEYRING says which the run has:
// "answers" or "absent".
#include "ui/game/connect_dialog.h"
#include "ui/storage/password_keyring.h"

#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace keelwright {
namespace {

bool keyringAnswers() {
    return qEnvironmentVariable("KEELWRIGHT_KEYRING") == QStringLiteral("answers");
}

// One call's answer, waited for: a keyring that never answers fails the test, not hangs it.
template <class Call> KeyringAnswer waitFor(Call call) {
    QObject context;
    std::optional<KeyringAnswer> got;
    call(&context, [&](const KeyringAnswer& answer) { got = answer; });
    (void)QTest::qWaitFor([&] { return got.has_value(); }, 20000);
    EXPECT_TRUE(got.has_value()) << "the keyring did not answer within 20 s";
    return got.value_or(KeyringAnswer{KeyringAnswer::State::NoKeyring, {}, "no answer"});
}
const PasswordKeyring keyring = systemKeyring();
KeyringAnswer read(const QString& game) {
    return waitFor([&](QObject* c, KeyringReply r) { keyring.read(game, c, std::move(r)); });
}
KeyringAnswer write(const QString& game, const QString& password) {
    return waitFor(
        [&](QObject* c, KeyringReply r) { keyring.write(game, password, c, std::move(r)); });
}
KeyringAnswer forget(const QString& game) {
    return waitFor([&](QObject* c, KeyringReply r) { keyring.forget(game, c, std::move(r)); });
}

using State = KeyringAnswer::State;

TEST(SystemKeyring, KeepsAPasswordUntilForgottenOrSaysNoneAnswers) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("KEELWRIGHT_KEYRING"));
    const QString game = QStringLiteral("127.0.0.1:4201");
    const QString password = QStringLiteral("wiz \u00e6r\u00f8 pass\"word");
    const KeyringAnswer written = write(game, password);
    if (!keyringAnswers()) {
        EXPECT_EQ(written.state, State::NoKeyring);
        EXPECT_FALSE(written.why.isEmpty());
        EXPECT_EQ(read(game).state, State::NoKeyring);
        return;
    }
    ASSERT_EQ(written.state, State::Done) << written.why.toStdString();
    const KeyringAnswer found = read(game);
    EXPECT_EQ(found.state, State::Done);
    EXPECT_EQ(found.password, password);
    EXPECT_EQ(read(QStringLiteral("127.0.0.1:4202")).state, State::NotFound); // its own
    EXPECT_EQ(forget(game).state, State::Done);
    EXPECT_EQ(read(game).state, State::NotFound);
}

// The dialog over the real keyring: a remembered game's password fills the field, or the dialog
// says plainly that no keyring answers.
TEST(SystemKeyring, TheConnectDialogFillsTheRememberedPasswordOrSaysNoneAnswers) {
    GameEntry game;
    game.host = QStringLiteral("127.0.0.1");
    game.port = 4203;
    game.character = QStringLiteral("Builder");
    game.passwordRemembered = true;
    if (keyringAnswers()) {
        ASSERT_EQ(write(game.name(), QStringLiteral("builderpw")).state, State::Done);
    }
    ConnectDialog dialog({game}, keyring, false);
    dialog.show();
    auto* password = testing::child<QLineEdit>(&dialog, "txtpassword");
    auto* note = testing::child<QLabel>(&dialog, "lblkeyring");
    (void)QTest::qWaitFor([&] { return !password->text().isEmpty() || note->isVisible(); }, 20000);
    EXPECT_EQ(password->text(), keyringAnswers() ? "builderpw" : "");
    EXPECT_EQ(note->isVisible(), !keyringAnswers());
    EXPECT_EQ(testing::child<QCheckBox>(&dialog, "chkremember")->isEnabled(), keyringAnswers());
    if (keyringAnswers())
        (void)forget(game.name());
}

} // namespace
} // namespace keelwright

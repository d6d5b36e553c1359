// SPDX-License-Identifier: MIT
#pragma once
// The dialog "Connect to Game" FormConnect: where the game is, as whom, and the password, which
// it hands on and keeps nowhere itself. Games used before fill the fields; their password too
// where the user had it remembered in the system keyring.

#include "ui/storage/games_list.h"
#include "ui/storage/password_keyring.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace keelwright {

class ConnectDialog : public QDialog {
    Q_OBJECT
public:
    // KEYRING_ABSENT: no keyring answered earlier in the run, so none is asked again.
    ConnectDialog(const QList<GameEntry>& games, PasswordKeyring keyring, bool keyringAbsent,
                  QWidget* parent = nullptr);

    // The game as filled in; its settings those of the game used before, where it was.
    GameEntry game() const;
    QString password() const;
    // Ticked, with a keyring that answers.
    bool rememberPassword() const;
    // Filled from a game whose password is remembered, and unticked by the user since.
    bool forgetPassword() const;
    bool keyringAbsent() const { return keyringAbsent_; }

signals:
    void keyringFoundAbsent();

private:
    void fill(int index);
    void warnIfPlain();
    void askKeyring();
    void sayKeyringAbsent();

    QList<GameEntry> games_;
    QComboBox* games_box_;
    QLineEdit* host_;
    QSpinBox* port_;
    QCheckBox* tls_;
    QLineEdit* character_;
    QLineEdit* password_;
    QCheckBox* remember_;
    QLabel* warning_;
    QLabel* keyringNote_;
    PasswordKeyring keyring_;
    bool keyringAbsent_;
    bool keyringAnswers_ = false;
    int filled_ = 0;         // which filling a keyring's late answer belongs to
    QString rememberedGame_; // the game filled in, where its password is remembered
};

} // namespace keelwright

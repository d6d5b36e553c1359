// SPDX-License-Identifier: MIT
#pragma once
// The dialog "Connect to Game" FormConnect: where the game is, as whom, and the password, which
// it hands on and keeps nowhere. Games used before fill the fields, the password excepted.

#include "ui/storage/games_list.h"

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
    ConnectDialog(const QList<GameEntry>& games, QWidget* parent = nullptr);

    // The game as filled in; its settings those of the game used before, where it was.
    GameEntry game() const;
    QString password() const;

private:
    void fill(int index);
    void warnIfPlain();

    QList<GameEntry> games_;
    QComboBox* games_box_;
    QLineEdit* host_;
    QSpinBox* port_;
    QCheckBox* tls_;
    QLineEdit* character_;
    QLineEdit* password_;
    QLabel* warning_;
};

} // namespace keelwright

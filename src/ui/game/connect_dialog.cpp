// SPDX-License-Identifier: MIT
#include "ui/game/connect_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace keelwright {
namespace {

bool isLoopback(const QString& host) {
    const QHostAddress address(host);
    return host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 ||
           (!address.isNull() && address.isLoopback());
}

} // namespace

ConnectDialog::ConnectDialog(const QList<GameEntry>& games, PasswordKeyring keyring,
                             bool keyringAbsent, QWidget* parent)
    : QDialog(parent), games_(games), keyring_(std::move(keyring)), keyringAbsent_(keyringAbsent) {
    setObjectName(QStringLiteral("FormConnect"));
    setWindowTitle(tr("Connect to Game"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    games_box_ = new QComboBox(this);
    games_box_->setObjectName(QStringLiteral("cbogame"));
    games_box_->addItem(tr("A new game"));
    for (const GameEntry& game : games_)
        games_box_->addItem(game.name() + QStringLiteral(" (") + game.character + u')');
    host_ = new QLineEdit(this);
    host_->setObjectName(QStringLiteral("txthost"));
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("txtport"));
    port_->setRange(1, 65535);
    port_->setValue(4201);
    tls_ = new QCheckBox(tr("&Secure connection (TLS)"), this);
    tls_->setObjectName(QStringLiteral("chktls"));
    character_ = new QLineEdit(this);
    character_->setObjectName(QStringLiteral("txtcharacter"));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("txtpassword"));
    password_->setEchoMode(QLineEdit::Password);
    remember_ = new QCheckBox(tr("&Remember password"), this);
    remember_->setObjectName(QStringLiteral("chkremember"));
    remember_->setAccessibleName(tr("Remember password"));
    keyringNote_ = new QLabel(this);
    keyringNote_->setObjectName(QStringLiteral("lblkeyring"));
    keyringNote_->setWordWrap(true);
    keyringNote_->hide();
    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("lblwarning"));
    warning_->setWordWrap(true);
    warning_->hide();

    auto* form = new QFormLayout();
    const auto add = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        QString plain = caption;
        field->setAccessibleName(plain.remove(u'&').remove(u':'));
        form->addRow(label, field);
    };
    add(tr("&Game:"), games_box_);
    add(tr("&Host:"), host_);
    add(tr("&Port:"), port_);
    form->addRow(QString(), tls_);
    tls_->setAccessibleName(tr("Secure connection (TLS)"));
    add(tr("&Character:"), character_);
    add(tr("Pass&word:"), password_);
    form->addRow(QString(), remember_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* connectButton = buttons->button(QDialogButtonBox::Ok);
    connectButton->setText(tr("&Connect"));
    connectButton->setObjectName(QStringLiteral("cmdconnect"));
    connectButton->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdcancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(warning_);
    layout->addWidget(keyringNote_);
    layout->addWidget(buttons);

    // Host, Port, TLS, Character, Password, Connect; the list of games before them.
    setTabOrder(games_box_, host_);
    setTabOrder(host_, port_);
    setTabOrder(port_, tls_);
    setTabOrder(tls_, character_);
    setTabOrder(character_, password_);
    setTabOrder(password_, remember_);
    setTabOrder(remember_, connectButton);
    connect(games_box_, &QComboBox::currentIndexChanged, this, &ConnectDialog::fill);
    connect(host_, &QLineEdit::textChanged, this, &ConnectDialog::warnIfPlain);
    connect(tls_, &QCheckBox::toggled, this, &ConnectDialog::warnIfPlain);
    // Ticked by the user: whether a keyring answers is known before the dialog closes.
    connect(remember_, &QCheckBox::clicked, this, [this](bool on) {
        if (on && !keyringAnswers_)
            askKeyring();
    });
    if (keyringAbsent_)
        sayKeyringAbsent();
    if (!games_.isEmpty())
        games_box_->setCurrentIndex(1);
    host_->setFocus(Qt::OtherFocusReason);
}

// A game used before fills the fields; "A new game" empties them.
void ConnectDialog::fill(int index) {
    const GameEntry game = index >= 1 && index <= games_.size() ? games_[index - 1] : GameEntry{};
    host_->setText(game.host);
    port_->setValue(game.port);
    tls_->setChecked(game.tls);
    character_->setText(game.character);
    password_->clear();
    ++filled_;
    rememberedGame_ = game.passwordRemembered ? game.name() : QString();
    remember_->setChecked(game.passwordRemembered && !keyringAbsent_);
    if (game.passwordRemembered && !keyringAbsent_) {
        keyring_.read(game.name(), this, [this, filled = filled_](const KeyringAnswer& answer) {
            if (answer.state == KeyringAnswer::State::NoKeyring)
                return sayKeyringAbsent();
            keyringAnswers_ = true;
            if (filled != filled_)
                return; // another game was chosen meanwhile
            if (answer.state == KeyringAnswer::State::NotFound)
                remember_->setChecked(false); // taken out of the keyring since
            else if (password_->text().isEmpty())
                password_->setText(answer.password);
        });
    }
}

void ConnectDialog::askKeyring() {
    keyring_.read(game().name(), this, [this](const KeyringAnswer& answer) {
        if (answer.state == KeyringAnswer::State::NoKeyring)
            sayKeyringAbsent();
        else
            keyringAnswers_ = true;
    });
}

// The box stays unticked and off; later dialogs of the run start so, and ask no keyring.
void ConnectDialog::sayKeyringAbsent() {
    const bool first = !keyringAbsent_;
    keyringAbsent_ = true;
    remember_->setChecked(false);
    remember_->setEnabled(false);
    keyringNote_->setText(tr("No system keyring answers, so the password cannot be remembered: "
                             "it is asked at each Connect."));
    keyringNote_->show();
    if (first)
        emit keyringFoundAbsent();
}

void ConnectDialog::warnIfPlain() {
    const bool plain = !tls_->isChecked() && !host_->text().trimmed().isEmpty() &&
                       !isLoopback(host_->text().trimmed());
    warning_->setText(
        tr("Without TLS the password travels unencrypted to %1.").arg(host_->text().trimmed()));
    warning_->setVisible(plain);
}

GameEntry ConnectDialog::game() const {
    GameEntry game;
    const QString host = host_->text().trimmed();
    const quint16 port = quint16(port_->value());
    for (const GameEntry& known : games_) {
        if (known.host.compare(host, Qt::CaseInsensitive) == 0 && known.port == port)
            game = known;
    }
    game.host = host;
    game.port = port;
    game.tls = tls_->isChecked();
    game.character = character_->text().trimmed();
    return game;
}

QString ConnectDialog::password() const {
    return password_->text();
}

bool ConnectDialog::rememberPassword() const {
    return remember_->isChecked() && !keyringAbsent_;
}

bool ConnectDialog::forgetPassword() const {
    return !rememberedGame_.isEmpty() && game().name() == rememberedGame_ &&
           !remember_->isChecked() && !keyringAbsent_;
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
// The editors' and output windows' way to the game: Connect, the question before each send, the
// Game window that shows it, and the baseline that follows what the game took.
#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "core/game/ledger.h"
#include "core/game/sending.h"
#include "ui/game/connect_dialog.h"
#include "ui/game/game_connection.h"
#include "ui/game/game_window.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"
#include "ui/shell/shell.h"
#include "ui/storage/games_list.h"
#include "ui/storage/ledger_store.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace keelwright {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("keelwright::Game", text);
}

// "3, 7 and 12": the lines a warning is about.
QString lineList(const std::vector<std::size_t>& lines) {
    QStringList numbers;
    for (const std::size_t line : lines)
        numbers << QString::number(line);
    if (numbers.size() > 1)
        return numbers.mid(0, numbers.size() - 1).join(QStringLiteral(", ")) + tr(" and ") +
               numbers.last();
    return numbers.value(0);
}

// The Game window comes forward without taking the keyboard: the builder goes on in the editor
// that sent, and the window shows how the send goes.
void showAlongside(QWidget* window) {
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
}

void warn(QWidget* parent, const QString& title, const QString& text, const char* name) {
    QMessageBox* box = openMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent,
                                      QString::fromLatin1(name));
    box->setTextFormat(Qt::PlainText);
    present(box);
}

} // namespace

void Shell::listenToGame() {
    connect(connection_, &GameConnection::stateChanged, this, &Shell::showGameState);
    connect(connection_, &GameConnection::loginRefused, this, [this](const QString& words) {
        pendingRemember_ = false; // a refused password is not kept
        warn(classEditor_.get(), tr("Connect to Game"),
             words.isEmpty() ? tr("The game did not take the login.") : words, "LoginRefused");
    });
    connect(connection_, &GameConnection::failed, this, [this](const QString& why) {
        warn(classEditor_.get(), tr("Connect to Game"),
             tr("%1 could not be reached.\n\n%2").arg(connection_->game().name(), why),
             "ConnectFailed");
    });
    connect(connection_, &GameConnection::untrustedCertificate, this,
            [this](const QSslCertificate& certificate) {
                const GameEntry game = connection_->game();
                QMessageBox* box = openMessageBox(
                    QMessageBox::Warning, tr("Untrusted Certificate"),
                    tr("The system does not trust the certificate of %1.\n\n%2\nSubject: %3\n"
                       "Expires: %4\n\nTrust this certificate for %1?")
                        .arg(game.name(), certificateFingerprint(certificate),
                             certificate.subjectDisplayName(),
                             QLocale().toString(certificate.expiryDate(), QLocale::ShortFormat)),
                    QMessageBox::Yes | QMessageBox::No, classEditor_.get(),
                    QStringLiteral("TrustQuestion"));
                box->setDefaultButton(QMessageBox::No);
                box->setTextFormat(Qt::PlainText);
                const QString fingerprint = certificateFingerprint(certificate);
                connect(box, &QMessageBox::finished, this, [this, game, fingerprint](int answer) {
                    if (answer != QMessageBox::Yes)
                        return;
                    GameEntry trusted = game;
                    trusted.fingerprint = fingerprint;
                    if (games_)
                        games_->remember(trusted);
                    connection_->connectTo(trusted, pendingPassword_);
                });
                present(box);
            });
    connect(connection_, &GameConnection::changedCertificate, this,
            [this](const QString& trusted, const QString& offered) {
                warn(classEditor_.get(), tr("Untrusted Certificate"),
                     tr("%1 offers another certificate than the one trusted for it, and it is "
                        "refused.\n\nTrusted: %2\nOffered: %3")
                         .arg(connection_->game().name(), trusted, offered),
                     "CertificateChanged");
            });
}

// Both editors' Game menus say where the connection stands.
void Shell::showGameState() {
    for (EditorWindow* editor : {editor(FileContent::ShipClass), editor(FileContent::Weapon)}) {
        if (editor)
            showGameStateIn(editor);
    }
    const bool connected = connection_->state() == GameConnection::State::Connected;
    if (connected && games_)
        games_->remember(connection_->game());
    if (connected && pendingRemember_)
        rememberPassword();
    if (fleet_) {
        if (connected && !ledgers_)
            ledgers_ = std::make_shared<LedgerStore>();
        fleet_->setGame(ledgers_, connected ? std::optional(connection_->game()) : std::nullopt);
    }
}

void Shell::showGameStateIn(EditorWindow* editor) const {
    editor->showGameState(connection_->statusText(),
                          connection_->state() != GameConnection::State::NotConnected,
                          !connection_->game().host.isEmpty());
}

// The game connected, or last connected: its entry with the certificate trusted for it, and what
// it took of each record, after a question (No the default).
void Shell::forgetGame(QWidget* parent) {
    const GameEntry game = connection_->game();
    if (game.host.isEmpty())
        return;
    QMessageBox* box = openMessageBox(
        QMessageBox::Question, tr("Forget This Game"),
        tr("Forget %1: its entry, the certificate trusted for it, its password in the system "
           "keyring and what it took of each record?\n\nSend Changes then sends each record "
           "whole to it.")
            .arg(game.name()),
        QMessageBox::Yes | QMessageBox::No, parent, QStringLiteral("ForgetQuestion"));
    box->setDefaultButton(QMessageBox::No);
    box->setTextFormat(Qt::PlainText);
    connect(box, &QMessageBox::finished, this, [this, game](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        if (!games_)
            games_ = std::make_unique<GamesList>();
        if (!ledgers_)
            ledgers_ = std::make_shared<LedgerStore>();
        ledgers_->forget(game);
        forgetPassword(game);
        if (const auto failure = games_->forget(game.host, game.port))
            warn(classEditor_.get(), tr("Forget This Game"), *failure, "ForgetFailed");
        connection_->forgetGame();
        showGameState();
    });
    present(box);
}

// The password of the game that took the login goes into the keyring; where it cannot, the user
// is told, and it is asked at the next Connect.
void Shell::rememberPassword() {
    pendingRemember_ = false;
    const GameEntry game = connection_->game();
    keyring_.write(game.name(), pendingPassword_, this, [this, game](const KeyringAnswer& answer) {
        const bool kept = answer.state == KeyringAnswer::State::Done;
        if (games_)
            games_->setPasswordRemembered(game.host, game.port, kept);
        if (!kept)
            warn(classEditor_.get(), tr("Connect to Game"),
                 tr("The password of %1 could not be kept in the system keyring, so it is asked "
                    "at the next Connect.\n\n%2")
                     .arg(game.name(), answer.why),
                 "KeyringFailed");
    });
}

// Whether the keyring holds the game's password is the games list's to say.
void Shell::forgetPassword(const GameEntry& game) {
    const std::optional<GameEntry> known =
        games_ ? games_->find(game.host, game.port) : std::nullopt;
    if (!known || !known->passwordRemembered)
        return; // the keyring is asked nothing for a game it never held
    games_->setPasswordRemembered(game.host, game.port, false);
    keyring_.forget(game.name(), this, [this, game](const KeyringAnswer& answer) {
        if (answer.state == KeyringAnswer::State::NoKeyring)
            warn(classEditor_.get(), tr("Connect to Game"),
                 tr("The password of %1 could not be taken out of the system keyring.\n\n%2")
                     .arg(game.name(), answer.why),
                 "KeyringFailed");
    });
}

void Shell::showConnectDialog(QWidget* parent) {
    if (!games_)
        games_ = std::make_unique<GamesList>();
    auto* dialog = new ConnectDialog(games_->games(), keyring_, keyringAbsent_, parent);
    connect(dialog, &ConnectDialog::keyringFoundAbsent, this, [this] { keyringAbsent_ = true; });
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        pendingPassword_ = dialog->password();
        pendingRemember_ = dialog->rememberPassword();
        if (dialog->forgetPassword()) // unticked: out of the keyring at once
            forgetPassword(dialog->game());
        if (!gameWindow_)
            gameWindow_ = new GameWindow(connection_);
        connection_->connectTo(dialog->game(), pendingPassword_);
        showAlongside(gameWindow_);
    });
    present(dialog); // in front of the Game window, which is not its owner
}

void Shell::askAndSend(const std::vector<std::string>& lines, QWidget* parent,
                       const std::function<void(const std::vector<std::string>&, bool)>& taken,
                       const QString& question) {
    if (!connection_->ready()) {
        warn(parent, tr("Send to Game"),
             connection_->sending() ? tr("A send to the game is still under way.")
                                    : tr("Not connected to a game."),
             "NotConnected");
        return;
    }
    const GameEntry& game = connection_->game();
    const SendSummary summary = summarize(lines, game.maxLineBytes, connection_->utf8());
    const QLocale numbers(QLocale::English, QLocale::UnitedStates);
    QString text = !question.isEmpty() ? question
                                       : tr("Send %1 lines (%2 characters) to %3 as %4?")
                                             .arg(numbers.toString(qulonglong(summary.lines)),
                                                  numbers.toString(qulonglong(summary.characters)),
                                                  game.name(), game.character);
    if (!summary.placeholders.empty())
        text += u'\n' + (summary.placeholders.size() == 1 ? tr("Line %1 still holds the "
                                                               "placeholder \"#\".")
                                                          : tr("Lines %1 still hold the "
                                                               "placeholder \"#\"."))
                            .arg(lineList(summary.placeholders));
    if (!summary.tooLong.empty())
        text += u'\n' + (summary.tooLong.size() == 1 ? tr("Line %1 is longer than the %2 bytes "
                                                          "the game takes.")
                                                     : tr("Lines %1 are longer than the %2 bytes "
                                                          "the game takes."))
                            .arg(lineList(summary.tooLong),
                                 numbers.toString(qulonglong(game.maxLineBytes)));
    if (!summary.beyondCharacterSet.empty()) {
        QStringList characters;
        for (const std::string& c : summary.beyondCharacterSet)
            characters << qs(c);
        text += u'\n' + tr("The game did not agree to UTF-8 and cannot take these characters: "
                           "%1.")
                            .arg(characters.join(QStringLiteral(", ")));
    }
    QMessageBox* box =
        openMessageBox(QMessageBox::Question, tr("Send to Game"), text,
                       QMessageBox::Yes | QMessageBox::No, parent, QStringLiteral("SendQuestion"));
    box->setDefaultButton(QMessageBox::Yes);
    box->setTextFormat(Qt::PlainText);
    connect(box, &QMessageBox::finished, this, [this, lines, taken](int answer) {
        if (answer != QMessageBox::Yes || !connection_->ready())
            return;
        if (!gameWindow_)
            gameWindow_ = new GameWindow(connection_);
        showAlongside(gameWindow_);
        gameWindow_->run(lines, taken);
    });
    present(box);
}

std::optional<Shell::GameChanges> Shell::gameChanges(FileContent form, const FormValues& values) {
    const GameEntry game = connection_->game();
    if (game.host.isEmpty())
        return std::nullopt;
    if (!ledgers_)
        ledgers_ = std::make_shared<LedgerStore>();
    std::vector<std::string> lines = linesToSend(exportForm(form, values));
    std::optional<RecordLedger> held = ledgers_->load(game, form, formNumber(form, values));
    if (!held) // a record the game never took goes whole
        return GameChanges{std::move(lines), RecordLedger(form, formNumber(form, values))};
    return GameChanges{held->notTaken(lines), std::move(*held)};
}

void Shell::recordTaken(const GameEntry& game, RecordLedger& ledger,
                        const std::vector<std::string>& lines) {
    if (lines.empty() || !ledgers_)
        return;
    for (const std::string& line : lines)
        ledger.took(line);
    (void)ledgers_->save(game, ledger); // unwritten, the next send sends more
    if (fleet_)
        fleet_->recordHeld(ledger);
}

QString Shell::gameHoldsFormText() const {
    return tr("%1 holds the form as it stands: nothing is left to send.")
        .arg(connection_->game().name());
}

void Shell::tellGameHoldsIt(QWidget* editor) {
    warn(editor, tr("Send to Game"), gameHoldsFormText(), "NothingChanged");
}

void Shell::sendForm(FileContent form, SendKind kind) {
    EditorWindow* target = editor(form);
    if (!target)
        return;
    Document& document = target->document();
    const FormValues sent = document.values();
    const std::optional<FormValues> before = document.baseline();
    // With a game, what it took of the record, line by line: across runs, and whole or in part.
    std::optional<GameChanges> fromGame =
        connection_->ready() ? gameChanges(form, sent) : std::nullopt;
    std::string text;
    bool systemsLeft = false;
    if (kind == SendKind::Full) {
        text = exportForm(form, sent);
    } else if (fromGame) {
        if (fromGame->lines.empty()) {
            tellGameHoldsIt(target);
            return;
        }
        for (const std::string& line : fromGame->lines)
            text.append(line).append("\r\n");
    } else if (form == FileContent::Weapon) {
        text = keelwright::exportWeaponChanges(
            before ? std::optional(weaponFromTexts(*before)) : std::nullopt, weaponFromTexts(sent));
    } else {
        const ClassChanges changes = keelwright::exportClassChanges(
            before ? std::optional(shipClassOf(*before)) : std::nullopt, shipClassOf(sent));
        text = changes.text;
        systemsLeft = !changes.systemsLeft.empty();
        if (systemsLeft)
            tellSystemsStay(changes.systemsLeft);
    }
    if (text.empty()) {
        if (kind == SendKind::Changes && !systemsLeft)
            tellNothingChanged(target);
        return;
    }
    const std::vector<std::string> lines = linesToSend(text);
    QPointer<Document> kept(&document);
    std::shared_ptr<RecordLedger> ledger;
    if (fromGame)
        ledger = std::make_shared<RecordLedger>(std::move(fromGame->ledger));
    askAndSend(lines, target,
               [this, kept, form, before, sent, count = lines.size(), ledger,
                game = connection_->game()](const std::vector<std::string>& taken, bool whole) {
                   if (kept)
                       kept->taken(whole ? std::optional(sent)
                                         : formTaken(form, before, sent, taken, count));
                   if (ledger)
                       recordTaken(game, *ledger, taken);
               });
}

void Shell::sendText(const QString& text, QWidget* parent) {
    const std::vector<std::string> lines = linesToSend(utf8(text));
    if (lines.empty())
        return;
    askAndSend(lines, parent, {}); // an output window's text moves no baseline
}

} // namespace keelwright

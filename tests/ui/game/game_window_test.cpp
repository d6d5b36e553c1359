// SPDX-License-Identifier: MIT
// The connection and the Game window over a real socket, against a game in this process: each
// line with its answer and status, a game that goes away in the middle of a send and Send the
// Rest after a reconnect, and the Connect dialog by keyboard.
#include "ui/game/game_window.h"

#include "support/fake_game.h"
#include "support/memory_keyring.h"
#include "support/ui_helpers.h"
#include "ui/game/connect_dialog.h"
#include "ui/game/game_connection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace keelwright {
namespace {

using testing::child;

// A game on the loopback: each connection talks to a FakeGame of its own.
class GameServer : public QObject {
public:
    GameServer() {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            latest = socket;
            game = std::make_unique<testing::FakeGame>("Builder", "builderpw");
            game->answer = answer;
            testing::FakeGame* own = game.get();
            socket->write(QByteArray::fromStdString(own->take()));
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, own] {
                const QByteArray bytes = socket->readAll();
                own->receive({bytes.constData(), std::size_t(bytes.size())});
                if (dropAt != 0 && own->commands().size() == dropAt) { // it goes, unanswering
                    socket->abort();
                    return;
                }
                socket->write(QByteArray::fromStdString(own->take()));
            });
        });
    }
    GameEntry entry() const {
        GameEntry entry;
        entry.host = QStringLiteral("127.0.0.1");
        entry.port = server_.serverPort();
        entry.character = QStringLiteral("Builder");
        entry.settings.timeoutMs = 3000;
        return entry;
    }

    std::function<std::vector<std::string>(const std::string&)> answer =
        testing::FakeGame("", "").answer;
    std::size_t dropAt = 0; // after this many commands of the logged-in game; 0: never
    std::unique_ptr<testing::FakeGame> game;
    QPointer<QTcpSocket> latest; // to page the player: the game's other output

private:
    QTcpServer server_;
};

QStringList statuses(const GameLinesModel& model) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.index(r, GameLinesModel::Status).data().toString();
    return out;
}

// A Game window over a connection logged in to the game on the loopback.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        connection.connectTo(server.entry(), QStringLiteral("builderpw"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return connection.ready(); }, 5000))
            << connection.statusText().toStdString();
    }
    GameServer server;
    GameConnection connection;
    GameWindow window{&connection};
};

TEST_F(GameWindowTest, EachLineShowsItsAnswerAndTheFirstFailureStops) {
    EXPECT_EQ(child<QLabel>(&window, "lblstatus")->text(),
              QStringLiteral("Connected to %1 as Builder").arg(server.entry().name()));
    std::vector<std::string> taken;
    bool whole = true;
    window.run({"@space/setclass 1/name=A", "@nosuch", "@space/setclass 1/size=2"},
               [&](const std::vector<std::string>& lines, bool all) {
                   taken = lines;
                   whole = all;
               });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !connection.sending(); }, 5000));
    EXPECT_EQ(statuses(*window.lines()).join(u','), "OK,Failed,Not sent");
    EXPECT_EQ(taken, std::vector<std::string>{"@space/setclass 1/name=A"});
    EXPECT_FALSE(whole);
    EXPECT_EQ(window.lines()->index(1, GameLinesModel::Answer).data().toString(),
              "Huh?  (Type \"help\" for help.)");
    EXPECT_EQ(server.game->commands().back(), "@nosuch");
    // The transcript shows the login with the password hidden, and holds it nowhere.
    EXPECT_TRUE(window.transcript().contains("> connect Builder ********"));
    EXPECT_FALSE(window.transcript().contains("builderpw"));
    connection.disconnectFromGame();
    EXPECT_EQ(child<QLabel>(&window, "lblstatus")->text(), "Not connected");
}

// The game goes in the middle of a send: the line in flight has no answer and may have reached
// it; after a reconnect Send the Rest sends from there, and the whole run has taken effect.
TEST_F(GameWindowTest, ALostConnectionIsSaidAndSendTheRestCompletesTheRun) {
    server.dropAt = server.game->commands().size() + 2;
    bool whole = false;
    window.run({"@space/setclass 1/name=A", "@space/setclass 1/size=2", "@space/setclass 1/x=3"},
               [&](const std::vector<std::string>&, bool all) { whole = all; });
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return connection.state() == GameConnection::State::Lost; }, 5000));
    EXPECT_EQ(child<QLabel>(&window, "lblstatus")->text(), "Connection lost");
    EXPECT_EQ(statuses(*window.lines()).join(u','), "OK,No answer,Not sent");
    EXPECT_TRUE(child<QLabel>(&window, "lblnote")->text().contains("may have reached the game"));
    server.dropAt = 0;
    connection.reconnect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return connection.ready(); }, 5000))
        << connection.statusText().toStdString();
    ASSERT_TRUE(child<QPushButton>(&window, "cmdrest")->isEnabled());
    QTest::mouseClick(child<QPushButton>(&window, "cmdrest"), Qt::LeftButton);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return statuses(*window.lines()).join(u',') == "OK,OK,OK"; }, 5000));
    EXPECT_EQ(statuses(*window.lines()).join(u','), "OK,OK,OK");
    EXPECT_TRUE(whole);
    const auto& sentAgain = server.game->commands();
    EXPECT_EQ(std::vector<std::string>(sentAgain.end() - 2, sentAgain.end()),
              (std::vector<std::string>{"@space/setclass 1/size=2", "@space/setclass 1/x=3"}));
}

// A game that pages line after line of 40,000 characters: the window shows each one cut, and the
// transcript keeps the newest of them whole, within its bound.
TEST_F(GameWindowTest, OtherOutputIsKeptWithinBounds) {
    const int lines = 300;
    for (int i = 0; i < lines; ++i)
        server.latest->write(QByteArray::number(i) + QByteArray(40000, 'p') + "\r\n");
    const QString last = QString::number(lines - 1) + QString(40000, u'p');
    // On screen, each line is shown cut, and says so.
    auto* output = child<QPlainTextEdit>(&window, "txtoutput");
    KW_WAIT_EQ(output->document()->lastBlock().text(),
               last.first(4000) + " [36003 more characters in the transcript]", 20000);
    EXPECT_LE(output->document()->characterCount(), (1 << 20) + 4100);
    EXPECT_GT(output->document()->blockCount(), 200);
    const QString transcript = window.transcript();
    EXPECT_LE(transcript.size(), (4 << 20) + last.size() + 2);
    EXPECT_GT(transcript.size(), 4 << 19);
    EXPECT_TRUE(transcript.endsWith("< " + last + "\n"));
}

TEST(ConnectDialog, FieldsByKeyboardWithTheirNamesAndAGameUsedBefore) {
    GameEntry known;
    known.host = QStringLiteral("game.example.org");
    known.port = 4000;
    known.character = QStringLiteral("Star Builder");
    const auto keyring = std::make_shared<testing::MemoryKeyring>();
    auto* dialog = new ConnectDialog({known}, testing::keyringOver(keyring), false);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(dialog->windowTitle(), "Connect to Game");
    auto* host = child<QLineEdit>(dialog, "txthost");
    EXPECT_EQ(host->text(), "game.example.org"); // filled from the game used before
    EXPECT_EQ(child<QSpinBox>(dialog, "txtport")->value(), 4000);
    auto* password = child<QLineEdit>(dialog, "txtpassword");
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(password->text().isEmpty());
    // Without TLS to another host than the loopback, the password travels unencrypted.
    EXPECT_TRUE(child<QLabel>(dialog, "lblwarning")->isVisible());
    child<QCheckBox>(dialog, "chktls")->setChecked(true);
    EXPECT_FALSE(child<QLabel>(dialog, "lblwarning")->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->hasFocus(); }, 2000));
    QStringList order;
    QWidget* w = host;
    for (int steps = 0; order.size() < 7 && steps < 50; ++steps, w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().startsWith("qt_"))
            order << w->objectName() + u'=' + w->accessibleName();
    }
    EXPECT_EQ(order.join(u'|'), "txthost=Host|txtport=Port|chktls=Secure connection (TLS)|"
                                "txtcharacter=Character|txtpassword=Password|"
                                "chkremember=Remember password|cmdconnect=");
    EXPECT_TRUE(child<QPushButton>(dialog, "cmdconnect")->isDefault());
    QTest::keyClicks(password, "secret");
    QTest::keyClick(password, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->game().character, "Star Builder");
    EXPECT_EQ(dialog->password(), "secret");
    EXPECT_FALSE(dialog->rememberPassword());
    EXPECT_EQ(keyring->asked, 0); // a game whose password was never remembered asks no keyring
    delete dialog;
}

// A remembered password fills the field from the keyring; where no keyring answers, the dialog
// says so and the box cannot be ticked, then or in a later dialog of the run.
TEST(ConnectDialog, RemembersPasswordsOnlyInAKeyringThatAnswers) {
    GameEntry remembered;
    remembered.host = QStringLiteral("127.0.0.1");
    remembered.character = QStringLiteral("Builder");
    remembered.passwordRemembered = true;
    GameEntry other = remembered;
    other.port = 4202;
    other.passwordRemembered = false;
    struct Case {
        const char* what;
        bool present;
        bool absentBefore;
        bool tick; // the dialog opens on the game never remembered, and the user ticks the box
        QString password;
        bool remember;
        int asked;
    };
    const Case cases[] = {
        {"filled from the keyring", true, false, false, "builderpw", true, 1},
        {"ticked, and the keyring answers", true, false, true, "", true, 1},
        {"no keyring", false, false, false, "", false, 1},
        {"no keyring, found on ticking", false, false, true, "", false, 1},
        {"no keyring earlier in the run", false, true, true, "", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto keyring = std::make_shared<testing::MemoryKeyring>();
        keyring->passwords.insert(remembered.name(), "builderpw");
        keyring->present = c.present;
        const QList<GameEntry> games =
            c.tick ? QList<GameEntry>{other, remembered} : QList<GameEntry>{remembered, other};
        ConnectDialog dialog(games, testing::keyringOver(keyring), c.absentBefore);
        int saidAbsent = 0;
        QObject::connect(&dialog, &ConnectDialog::keyringFoundAbsent, [&] { ++saidAbsent; });
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        auto* remember = child<QCheckBox>(&dialog, "chkremember");
        auto* note = child<QLabel>(&dialog, "lblkeyring");
        if (c.tick) {
            remember->setFocus();
            QTest::keyClick(remember, Qt::Key_Space);
        }
        QTest::qWait(100); // the keyring's answers
        EXPECT_EQ(child<QLineEdit>(&dialog, "txtpassword")->text(), c.password);
        EXPECT_EQ(dialog.rememberPassword(), c.remember);
        EXPECT_EQ(remember->isChecked(), c.remember);
        EXPECT_EQ(remember->isEnabled(), c.present);
        EXPECT_EQ(note->isVisible(), !c.present);
        if (!c.present) {
            EXPECT_EQ(note->text(), "No system keyring answers, so the password cannot be "
                                    "remembered: it is asked at each Connect.");
        }
        EXPECT_EQ(saidAbsent, !c.present && !c.absentBefore ? 1 : 0);
        EXPECT_EQ(keyring->asked, c.asked);
        // Unticked on the game it was filled from, the password is to be forgotten; never where
        // no keyring answers, nor for a game whose password was not remembered.
        EXPECT_FALSE(dialog.forgetPassword());
        remember->setChecked(false);
        EXPECT_EQ(dialog.forgetPassword(), c.present && !c.tick);
    }
}

} // namespace
} // namespace keelwright

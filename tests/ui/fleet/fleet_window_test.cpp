// SPDX-License-Identifier: MIT
// The fleet window over a real folder: what it lists, how it follows changes made by anyone, and
// the keyboard's way from the filter to a record.
#include "ui/fleet/fleet_window.h"

#include "core/export/class_export.h"
#include "core/game/sending.h"
#include "support/torpedo_example.h"
#include "support/ui_helpers.h"
#include "ui/fleet/fleet_model.h"
#include "ui/storage/ledger_store.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>

namespace keelwright {
namespace {

using testing::child;

std::string shipClass(const char* number) {
    ShipClassRecord record;
    record.setText("Text1", number);
    record.setText("Text2", std::string("Class ") + number);
    return exportClass(record);
}

class FleetWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window = new FleetWindow();
        window->show();
    }
    void TearDown() override { delete window.data(); }

    void write(const QString& name, const std::string& bytes) {
        QDir().mkpath(QFileInfo(folder.filePath(name)).path());
        testing::writeFile(folder.filePath(name), QByteArray::fromStdString(bytes));
    }
    int rows() const { return child<QTableView>(window, "tblfleet")->model()->rowCount(); }
    QString status() const { return child<QLabel>(window, "lblstatus")->text(); }

    QTemporaryDir folder;
    QPointer<FleetWindow> window;
};

// With a game, each row says what the game holds of its record, from the game's ledgers: read
// off the window's thread, followed as the game takes lines, gone with the game.
TEST_F(FleetWindowTest, TheInGameColumnSaysWhatTheGameHoldsOfEachRecord) {
    const QTemporaryDir ledgers;
    const auto store = std::make_shared<LedgerStore>(ledgers.path());
    GameEntry game;
    game.host = "127.0.0.1";
    game.port = 4201;
    const auto keep = [&](const char* number, const std::string& text) {
        RecordLedger ledger(FileContent::ShipClass, number);
        for (const std::string& line : linesToSend(text))
            ledger.took(line);
        ASSERT_EQ(store->save(game, ledger), std::nullopt);
    };
    keep("1", shipClass("1"));
    // One line the form now differs in.
    keep("2", shipClass("2") + "@space/setclass 2/name=Class two\r\n");
    const QString damaged = store->fileOf(game, FileContent::ShipClass, "4");
    testing::writeFile(damaged, "@space/setclass 5/name=Class 5\r\n");
    write("ships.txt", shipClass("1") + shipClass("2") + shipClass("3") + shipClass("4"));
    window->showFolder(folder.path());
    KW_WAIT_EQ(rows(), 4, 5000);
    auto* table = child<QTableView>(window, "tblfleet");
    EXPECT_TRUE(table->isColumnHidden(FleetModel::InGame));
    const auto inGame = [&] {
        QStringList out;
        for (int r = 0; r < rows(); ++r)
            out << table->model()->index(r, FleetModel::InGame).data().toString();
        return out.join(u',');
    };
    window->setGame(store, game);
    EXPECT_FALSE(table->isColumnHidden(FleetModel::InGame));
    KW_WAIT_EQ(inGame(), "Same,Changed (1 line),Not Sent,Not Sent", 5000);
    EXPECT_TRUE(table->model()
                    ->index(3, FleetModel::Findings)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains("its ledger it holds lines of no such record"));

    RecordLedger three(FileContent::ShipClass, "3");
    three.took("@space/setclass 3/name=Class 3");
    window->recordHeld(three);
    EXPECT_EQ(inGame().section(u',', 2, 2).left(9), "Changed (");
    // Rows chosen with Ctrl come in the table's order, whichever was chosen first.
    table->selectionModel()->select(table->model()->index(3, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    table->selectionModel()->select(table->model()->index(1, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const std::vector<ChosenRecord> chosen = window->selectedRecords();
    auto* send = child<QAction>(window, "mnugamesendselected");
    EXPECT_EQ(send->shortcut().toString(), "Ctrl+Shift+G");
    const QSignalSpy asked(window.data(), &FleetWindow::sendSelectedRequested);
    send->trigger();
    EXPECT_EQ(asked.count(), 1);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0].number, "2");
    EXPECT_EQ(chosen[1].number, "4");

    window->setGame(nullptr, std::nullopt);
    EXPECT_TRUE(table->isColumnHidden(FleetModel::InGame));
    EXPECT_EQ(inGame(), ",,,");
}

// Rows follow what anyone does to the folder: a file written, added or removed, the folder gone.
// The waits are generous for a loaded machine; the window itself follows within a second.
TEST_F(FleetWindowTest, ListsAFolderAndFollowsItsChanges) {
    write("many.txt", shipClass("1") + "notes\r\n" + shipClass("2") + testing::kTorpedoLaserText);
    write("notes.txt", "nothing for the game\r\n");
    write("blob.bin", std::string("\0\1\2", 3));
    write("sub/deep.txt", shipClass("1")); // the number of a class in many.txt
    ASSERT_TRUE(QFile::link(folder.path(), folder.filePath("sub/loop"))); // a link loop
    window->showFolder(folder.path());
    KW_WAIT_EQ(rows(), 3, 5000);
    KW_WAIT_EQ(status(),
               "1 file and 3 records shown; 1 file holds no command; 1 "
               "file could not be read",
               5000);

    child<QCheckBox>(window, "chksubfolders")->setChecked(true);
    KW_WAIT_EQ(rows(), 4, 5000);
    // Class 1 stands in two files: a finding on both, naming the other.
    const QAbstractItemModel* model = child<QTableView>(window, "tblfleet")->model();
    int withFindings = 0;
    for (int r = 0; r < rows(); ++r) {
        const QString found =
            model->index(r, FleetModel::Findings).data(Qt::ToolTipRole).toString();
        withFindings += found.contains("stands in") ? 1 : 0;
    }
    EXPECT_EQ(withFindings, 2);

    write("added.txt", shipClass("3"));
    KW_WAIT_EQ(rows(), 5, 5000);
    // The row a user stands on stays on its record while other files change.
    auto* table = child<QTableView>(window, "tblfleet");
    for (int r = 0; r < rows(); ++r) {
        if (model->index(r, FleetModel::File).data().toString() == "added.txt")
            table->setCurrentIndex(model->index(r, FleetModel::Number));
    }
    ASSERT_EQ(table->currentIndex().data().toString(), "3");
    write("many.txt", shipClass("1"));
    KW_WAIT_EQ(rows(), 3, 5000);
    EXPECT_EQ(table->currentIndex().data().toString(), "3");
    EXPECT_EQ(model->index(table->currentIndex().row(), FleetModel::File)
                  .data(Qt::ToolTipRole)
                  .toString(),
              QDir::toNativeSeparators(folder.filePath("added.txt")));
    ASSERT_TRUE(QFile::remove(folder.filePath("added.txt")));
    KW_WAIT_EQ(rows(), 2, 5000);
    ASSERT_TRUE(QFile::remove(folder.filePath("many.txt")));
    ASSERT_TRUE(QFile::remove(folder.filePath("sub/deep.txt")));
    KW_WAIT_EQ(rows(), 0, 5000);
    // Windows holds a watched folder open, and refuses to remove it; elsewhere it may go.
    if (folder.remove())
        KW_WAIT_EQ(status().endsWith("is gone."), true, 5000);
}

TEST_F(FleetWindowTest, KeysLeadFromTheFilterToTheRecord) {
    write("many.txt", shipClass("1") + shipClass("2") + testing::kTorpedoLaserText);
    window->showFolder(folder.path());
    KW_WAIT_EQ(rows(), 3, 5000);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QSignalSpy chosen(window.data(), &FleetWindow::recordChosen);
    auto* table = child<QTableView>(window, "tblfleet");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_F, Qt::ControlModifier);
    auto* filter = child<QLineEdit>(window, "txtfilter");
    ASSERT_TRUE(filter->hasFocus());
    QTest::keyClicks(filter, "class 2");
    QTest::keyClick(filter, Qt::Key_Return);
    ASSERT_TRUE(table->hasFocus());
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), QDir(folder.path()).filePath("many.txt"));
    EXPECT_EQ(chosen[0][1].value<FileContent>(), FileContent::ShipClass);
    const std::string first = shipClass("1");
    EXPECT_EQ(chosen[0][3].value<std::size_t>(), std::count(first.begin(), first.end(), '\n') + 1);
}

} // namespace
} // namespace keelwright

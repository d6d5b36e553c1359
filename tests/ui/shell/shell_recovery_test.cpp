// SPDX-License-Identifier: MIT
// The Recover question at start: what runs that ended left unsaved, put back or thrown away.
#include "ui/shell/shell.h"

#include "support/ui_helpers.h"
#include "ui/helpers/qt_text.h"
#include "ui/storage/recovery_store.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>

#include <gtest/gtest.h>

namespace keelwright {
namespace {

class ShellRecoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        galleon.setText("Text1", "12");
        galleon.setText("Text2", "Galleon");
        Snapshot snapshot;
        snapshot.values = valuesOf(galleon);
        snapshot.path = utf8(folder.filePath("galleon.txt"));
        snapshot.saved = snapshot.baseline = valuesOf(ShipClassRecord{});
        write("0dead-class.snapshot", writeSnapshot(snapshot));
        write("0dead-weapon.snapshot", "Keelwright recovery 1\nform weapon\nedited 12");
    }
    void TearDown() override { testing::closeStrayWindows(); }

    void write(const char* name, const std::string& text) {
        testing::writeFile(folder.filePath(name), QByteArray::fromStdString(text));
    }
    QStringList left() const {
        return QDir(folder.path()).entryList({"*.snapshot"}, QDir::Files, QDir::Name);
    }
    // Starts as main does, and answers the question with a key.
    void answer(Qt::Key key) {
        shell.keepRecovery(&store);
        shell.start();
        shell.offerRecovery([this](bool r) { restored = r, answered = true; });
        QMessageBox* box = testing::messageBox(QStringLiteral("RecoverQuestion"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Recover");
        EXPECT_TRUE(box->text().contains("galleon.txt: class 12 \"Galleon\", last edited"));
        EXPECT_TRUE(box->text().contains("0dead-weapon.snapshot: unreadable"));
        QTest::keyClick(box, key);
        ASSERT_TRUE(QTest::qWaitFor([this] { return answered; }));
    }

    QTemporaryDir folder;
    RecoveryStore store{folder.path()};
    Shell shell;
    ShipClassRecord galleon;
    bool answered = false, restored = false;
};

TEST_F(ShellRecoveryTest, RestorePutsTheEditsBackUnsavedWithTheirFile) {
    answer(Qt::Key_Return);
    EXPECT_TRUE(restored);
    const Document& document = shell.classEditor()->document();
    EXPECT_EQ(shell.classEditor()->record(), galleon);
    EXPECT_EQ(document.file().path, folder.filePath("galleon.txt"));
    EXPECT_TRUE(document.holdsUnsavedEdits());
    EXPECT_EQ(document.baseline(), valuesOf(ShipClassRecord{}));
    EXPECT_EQ(left(), QStringList{"0dead-weapon.snapshot"}) << "the unreadable one stays";
    // Restoring is one step: undone, the form is as before.
    testing::child<QAction>(shell.classEditor(), "mnueditundo")->trigger();
    EXPECT_EQ(shell.classEditor()->record(), ShipClassRecord{});
}

TEST_F(ShellRecoveryTest, DiscardRemovesEverySnapshotAndNotNowKeepsThem) {
    answer(Qt::Key_Escape);
    EXPECT_FALSE(restored);
    EXPECT_EQ(left().size(), 2) << "not now: asked again next time";
    RecoveryStore again(folder.path());
    EXPECT_EQ(again.findAbandoned().size(), 2);
    again.forget(again.findAbandoned());
    EXPECT_TRUE(left().isEmpty());
}

TEST_F(ShellRecoveryTest, TheDiscardButtonRemovesThem) {
    shell.keepRecovery(&store);
    shell.offerRecovery([this](bool) { answered = true; });
    QMessageBox* box = testing::messageBox(QStringLiteral("RecoverQuestion"));
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_D);
    ASSERT_TRUE(QTest::qWaitFor([this] { return answered; }));
    EXPECT_TRUE(left().isEmpty());
    EXPECT_EQ(shell.classEditor()->record(), ShipClassRecord{});
}

TEST_F(ShellRecoveryTest, ARunThatGoesOnKeepsItsSnapshots) {
    QLockFile running(folder.filePath("0dead.lock"));
    ASSERT_TRUE(running.tryLock());
    EXPECT_TRUE(store.findAbandoned().isEmpty());
}

// A folder that cannot be made costs one warning a run, and no edit.
TEST_F(ShellRecoveryTest, AnUnwritableFolderWarnsOnce) {
    write("file", "not a folder");
    RecoveryStore nowhere(folder.filePath("file/recovery"));
    shell.keepRecovery(&nowhere);
    auto* maxHull = testing::child<QLineEdit>(shell.classEditor(), "Text3");
    maxHull->setText("900");
    QMessageBox* warning = testing::topLevel<QMessageBox>("RecoveryUnwritable", 3000);
    ASSERT_NE(warning, nullptr);
    warning->button(QMessageBox::Ok)->click();
    maxHull->setText("901");
    EXPECT_EQ(testing::topLevel<QMessageBox>("RecoveryUnwritable", 1500), nullptr);
    EXPECT_EQ(shell.classEditor()->record().text("Text3"), "901");
}

} // namespace
} // namespace keelwright

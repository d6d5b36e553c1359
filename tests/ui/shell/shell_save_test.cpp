// SPDX-License-Identifier: MIT
// The editing loop through the shell: Save and Save As, the questions before a file's lines or
// unsaved edits are lost, and Export Changes.
#include "ui/shell/shell.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "support/torpedo_example.h"
#include "support/ui_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace keelwright {
namespace {

using testing::child;
using testing::messageBox;
using testing::readFile;

class ShellSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        shell.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor()));
        galleon.setText("Text1", "12");
        galleon.setText("Text2", "Galleon");
        galleon.setFlag("Check3", true); // the reactor
    }
    void TearDown() override { testing::closeStrayWindows(); }

    QString write(const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        testing::writeFile(path, bytes);
        return path;
    }
    QString open(const char* name, const std::string& text) {
        const QString path = write(name, QByteArray::fromStdString(text));
        shell.openFiles({path}, false);
        QApplication::processEvents();
        if (QMessageBox* warning = testing::topLevel<QMessageBox>("OpenWarning", 0))
            warning->button(QMessageBox::Ok)->click();
        return path;
    }
    ClassEditorWindow* editor() const { return shell.classEditor(); }
    QLineEdit* field(QWidget* window, const char* name) { return child<QLineEdit>(window, name); }
    // A user presses keys in the window in front, so it comes forward first.
    void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window, 1000));
        QTest::keyClick(field(window, "Text2"), key, modifiers);
        QApplication::processEvents();
    }
    void trigger(QWidget* window, const char* name) {
        child<QAction>(window, name)->trigger();
        QApplication::processEvents();
    }
    void saveKeys(QWidget* window) { press(window, Qt::Key_S, Qt::ControlModifier); }
    void changesKeys(QWidget* window) {
        press(window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    }
    QByteArray exported() const {
        return QByteArray::fromStdString(exportClass(editor()->record()));
    }

    QTemporaryDir folder;
    Shell shell;
    ShipClassRecord galleon;
};

// Each thing a file would lose is named in one question, No by default; No keeps the file.
TEST_F(ShellSaveTest, SaveAsksBeforeAFileLosesWhatIsNotOnTheForm) {
    const std::string clean = exportClass(galleon);
    const struct {
        std::string bytes;
        const char* says;
    } cases[] = {
        {clean + "@space/setclass 12/warpfactor=9\r\n@space/nosuch 9\r\nnotes\r\n",
         "galleon.txt holds 3 lines that are not on the form; saving replaces the whole file and "
         "they are lost. Save anyway?"},
        {clean + "@space/setclass 12/name=Old\r\n",
         "galleon.txt holds 1 line that is not on the form"},
        {std::string(clean).replace(clean.find("Galleon"), 7, "Caf\xE9"),
         "galleon.txt was read as Windows-1252; it is saved as UTF-8. Save anyway?"},
    };
    for (const auto& c : cases) {
        const QString path = open("galleon.txt", c.bytes);
        field(editor(), "Text3")->setText("900");
        saveKeys(editor());
        QMessageBox* question = messageBox("ReplaceFileQuestion");
        ASSERT_NE(question, nullptr) << c.says;
        EXPECT_EQ(question->windowTitle(), "Save");
        EXPECT_TRUE(question->text().contains(QString::fromUtf8(c.says)))
            << question->text().toStdString();
        EXPECT_EQ(static_cast<QAbstractButton*>(question->defaultButton()),
                  question->button(QMessageBox::No));
        question->button(QMessageBox::No)->click();
        EXPECT_EQ(readFile(path), QByteArray::fromStdString(c.bytes));
        saveKeys(editor());
        messageBox("ReplaceFileQuestion")->button(QMessageBox::Yes)->click();
        EXPECT_EQ(readFile(path), exported());
        saveKeys(editor()); // what is on disk now is all on the form
        EXPECT_EQ(testing::topLevel<QMessageBox>("ReplaceFileQuestion", 0), nullptr);
    }
}

TEST_F(ShellSaveTest, SaveAsksWhenAnotherProgramChangedTheFile) {
    const QString path = open("galleon.txt", exportClass(galleon));
    saveKeys(editor());
    EXPECT_EQ(testing::topLevel<QMessageBox>("ReplaceFileQuestion", 0), nullptr);
    write("galleon.txt", "@space/setclass 12/name=Theirs\r\n");
    saveKeys(editor());
    QMessageBox* question = messageBox("ReplaceFileQuestion");
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->text().startsWith("galleon.txt was changed by another program"));
    question->button(QMessageBox::No)->click();
    EXPECT_EQ(readFile(path), "@space/setclass 12/name=Theirs\r\n");
}

// Save decides on one reading of the file: one changed again while Save asked is asked about
// again, and nothing is written until then.
TEST_F(ShellSaveTest, AFileChangedWhileSaveAskedIsAskedAboutAgain) {
    const QString path = open("galleon.txt", exportClass(galleon));
    write("galleon.txt", "@space/setclass 12/name=Theirs\r\n");
    field(editor(), "Text3")->setText("900");
    saveKeys(editor());
    QMessageBox* asked = messageBox("ReplaceFileQuestion");
    ASSERT_NE(asked, nullptr);
    write("galleon.txt", "@space/setclass 12/name=Theirs again\r\n");
    asked->button(QMessageBox::Yes)->click();
    QApplication::processEvents();
    EXPECT_EQ(readFile(path), "@space/setclass 12/name=Theirs again\r\n");
    asked = messageBox("ReplaceFileQuestion");
    ASSERT_NE(asked, nullptr);
    asked->button(QMessageBox::Yes)->click();
    EXPECT_EQ(readFile(path), exported());
}

// A form from no file asks where, offering a name made from the class's; afterwards Save knows.
TEST_F(ShellSaveTest, SaveWithoutAFileAsksWhereThenRemembers) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    editor()->document().replace(valuesOf(galleon), "Typed");
    saveKeys(editor());
    QFileDialog* dialog = testing::topLevel<QFileDialog>("SaveAsDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->nameFilters(), QStringList({"Text Files (*.txt)", "All Files (*)"}));
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(dialog->selectedFiles().value(0).section(u'/', -1), "Galleon.txt");
    testing::answerFileDialog(dialog, folder.filePath("Galleon.txt"));
    QDir::setCurrent(before);
    EXPECT_EQ(readFile(folder.filePath("Galleon.txt")), exported());
    field(editor(), "Text2")->setText("Galleon II");
    saveKeys(editor());
    EXPECT_EQ(testing::topLevel<QFileDialog>("SaveAsDialog", 0), nullptr);
    EXPECT_EQ(readFile(folder.filePath("Galleon.txt")), exported());
}

TEST_F(ShellSaveTest, AFailedSaveSaysWhyAndLeavesTheFile) {
    const QString path = open("galleon.txt", exportClass(galleon));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    field(editor(), "Text2")->setText("Changed");
    saveKeys(editor());
    QMessageBox* failed = messageBox("SaveFailed");
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->windowTitle(), "Save");
    EXPECT_TRUE(failed->text().contains("read-only"));
    EXPECT_EQ(readFile(path), QByteArray::fromStdString(exportClass(galleon)));
}

// Saving the weapon editor writes the laser as exported, its open last line included.
TEST_F(ShellSaveTest, TheWeaponEditorSavesToItsFile) {
    const QString path = open("torpedo.txt", testing::kTorpedoLaserText);
    ASSERT_NE(shell.weaponEditor(), nullptr);
    field(shell.weaponEditor(), "Text9")->setText("Lance");
    press(shell.weaponEditor(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readFile(path).toStdString(), exportWeapon(shell.weaponEditor()->record()));
}

TEST_F(ShellSaveTest, QuitAsksAboutUnsavedEditsOnlyWhereTheEditorHasAFile) {
    trigger(editor(), "mnufilequit"); // no file: the question it always asked
    ASSERT_NE(messageBox("QuitQuestion"), nullptr);
    messageBox("QuitQuestion")->button(QMessageBox::No)->click();

    const QString path = open("galleon.txt", exportClass(galleon));
    field(editor(), "Text2")->setText("Edited");
    shell.exportClass(); // an export is no save
    trigger(editor(), "mnufilequit");
    QMessageBox* question = messageBox("SaveChangesQuestion");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), "Save the changes to galleon.txt?");
    EXPECT_EQ(testing::topLevel<QMessageBox>("QuitQuestion", 0), nullptr);
    question->button(QMessageBox::Cancel)->click();
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(field(editor(), "Text2")->text(), "Edited");

    QTimer::singleShot(0, [&] {
        trigger(editor(), "mnufilequit");
        if (QMessageBox* box = messageBox("SaveChangesQuestion"))
            box->button(QMessageBox::Save)->click();
    });
    EXPECT_EQ(testing::execWithWatchdog(), 0);
    EXPECT_EQ(readFile(path), exported());
}

TEST_F(ShellSaveTest, ClosingAnEditorWithUnsavedEditsAsksFirst) {
    open("torpedo.txt", testing::kTorpedoLaserText);
    QPointer<WeaponEditorWindow> weapons = shell.weaponEditor();
    field(weapons, "Text9")->setText("Lance");
    weapons->close();
    messageBox("SaveChangesQuestion")->button(QMessageBox::Cancel)->click();
    ASSERT_TRUE(weapons);
    EXPECT_TRUE(weapons->isVisible());
    weapons->close();
    messageBox("SaveChangesQuestion")->button(QMessageBox::Discard)->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(weapons) << "Discard closes the editor";

    editor()->close(); // no file: closes unasked, as it always did
    EXPECT_EQ(testing::topLevel<QMessageBox>("SaveChangesQuestion", 0), nullptr);
    EXPECT_FALSE(editor()->isVisible());
}

TEST_F(ShellSaveTest, ExportChangesWritesWhatChangedAndSaysWhatItCannot) {
    galleon.setFlag("Check11", true); // the engines
    open("galleon.txt", exportClass(galleon));
    changesKeys(editor());
    ASSERT_NE(messageBox("NothingChanged"), nullptr);
    EXPECT_EQ(messageBox("NothingChanged")->windowTitle(), "Export Changes");
    EXPECT_EQ(shell.classOutput(), nullptr) << "nothing to write: no output window";
    messageBox("NothingChanged")->button(QMessageBox::Ok)->click();

    field(editor(), "Text3")->setText("900");
    child<QCheckBox>(editor(), "Check5")->setChecked(true);   // the fuel system comes
    child<QCheckBox>(editor(), "Check11")->setChecked(false); // the engines cannot go
    changesKeys(editor());
    ASSERT_NE(shell.classOutput(), nullptr);
    EXPECT_EQ(shell.classOutput()->text(), "@space/setclass 12/maxhull=900\r\n"
                                           "@space/addsysclass 12=fuel system\r\n"
                                           "@space/syssetclass 12:fuel/name=#\r\n"
                                           "@space/syssetclass 12:fuel/max reactable fuel=#\r\n"
                                           "@space/syssetclass 12:fuel/max burnable fuel=#\r\n");
    QMessageBox* stay = messageBox("SystemsStay");
    ASSERT_NE(stay, nullptr);
    EXPECT_TRUE(stay->text().endsWith("no longer included: engines."));
    stay->button(QMessageBox::Ok)->click();

    changesKeys(editor()); // the export became the baseline
    ASSERT_NE(messageBox("NothingChanged"), nullptr);
    messageBox("NothingChanged")->button(QMessageBox::Ok)->click();

    // The game gets nothing by a save: what changed is still to be sent.
    field(editor(), "Text3")->setText("950");
    saveKeys(editor());
    changesKeys(editor());
    EXPECT_EQ(shell.classOutput()->text(), "@space/setclass 12/maxhull=950\r\n");
    changesKeys(editor());
    ASSERT_NE(messageBox("NothingChanged"), nullptr);
    EXPECT_EQ(messageBox("NothingChanged")->text(),
              "Nothing has changed since the file was opened or last exported.");
}

// An output window that shows only changes forgets the file its full export was saved to: Save
// asks afresh instead of putting a few lines over the whole class.
TEST_F(ShellSaveTest, ChangesInTheOutputWindowAreNotSavedOverItsFile) {
    open("galleon.txt", exportClass(galleon));
    trigger(editor(), "mnufilescreen");
    OutputWindow* output = shell.classOutput();
    const QString myShip = folder.filePath("myship.txt");
    output->save();
    testing::answerSaveDialog(myShip);
    QApplication::processEvents();
    const QByteArray whole = readFile(myShip);
    ASSERT_EQ(whole, exported());

    trigger(editor(), "mnufilescreen"); // a full export keeps the name
    EXPECT_EQ(output->lastFileName(), myShip);
    field(editor(), "Text3")->setText("999");
    changesKeys(editor());
    EXPECT_EQ(output->text(), "@space/setclass 12/maxhull=999\r\n");
    output->activateWindow();
    QTest::keyClick(child<QPlainTextEdit>(output, "text1"), Qt::Key_S, Qt::ControlModifier);
    QFileDialog* dialog = testing::saveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(child<QLineEdit>(dialog, "fileNameEdit")->text(), "");
    dialog->reject();
    QApplication::processEvents();
    EXPECT_EQ(readFile(myShip), whole);
}

// A record of a file of many: Save writes its lines alone, and where another program moved or
// removed it since, asks first and still keeps every other line.
TEST_F(ShellSaveTest, ARecordOfAFileOfManyIsSavedInPlace) {
    ShipClassRecord sloop = galleon;
    sloop.setText("Text1", "13");
    sloop.setText("Text2", "Sloop");
    const std::string others = exportClass(galleon) + "notes\r\n";
    const std::string weapon = testing::kTorpedoLaserText + std::string("\r\n");
    const QString path =
        write("fleet.txt", QByteArray::fromStdString(others + exportClass(sloop) + weapon));
    const QString name = field(editor(), "Text2")->text();
    shell.openFiles({path});
    ASSERT_NE(shell.fleet(), nullptr); // listed, not cut to its first class
    EXPECT_EQ(field(editor(), "Text2")->text(), name);

    const struct {
        std::string prefix; // what another program put before the record since
        bool removed;       // ... or whether it took the record out
        const char* asks;   // what Save asks then; nothing when the file is as it was
    } cases[] = {
        {"", false, nullptr},
        {"a new note\r\n", false, "saving replaces class \"13\", which now stands at line"},
        {"", true, "class \"13\" is no longer in it; saving adds it at the end"},
    };
    const std::size_t line = std::count(others.begin(), others.end(), '\n') + 1;
    shell.openRecord(path, FileContent::ShipClass, "13", line);
    ASSERT_EQ(field(editor(), "Text2")->text(), "Sloop");
    std::string hull = "100";
    for (const auto& c : cases) {
        const std::string before =
            c.prefix + others + (c.removed ? "" : exportClass(sloop)) + weapon;
        if (c.asks)
            write("fleet.txt", QByteArray::fromStdString(before));
        hull += '0';
        field(editor(), "Text3")->setText(QString::fromStdString(hull));
        sloop.setText("Text3", hull);
        saveKeys(editor());
        if (c.asks) {
            QMessageBox* question = messageBox("ReplaceFileQuestion");
            ASSERT_NE(question, nullptr) << c.asks;
            EXPECT_TRUE(question->text().contains(QString::fromUtf8(c.asks)))
                << question->text().toStdString();
            question->button(QMessageBox::Yes)->click();
            QApplication::processEvents();
        }
        const std::string expected = c.removed ? before + exportClass(sloop)
                                               : c.prefix + others + exportClass(sloop) + weapon;
        EXPECT_EQ(readFile(path).toStdString(), expected) << hull;
        EXPECT_FALSE(editor()->document().holdsUnsavedEdits());
    }
    // A file grown past what can be read whole is not written: its other records would be lost.
    QFile grown(path);
    ASSERT_TRUE(grown.resize(qint64(kMaxFleetFileBytes) + 2));
    field(editor(), "Text3")->setText("7");
    saveKeys(editor());
    QMessageBox* failed = messageBox("SaveFailed");
    ASSERT_NE(failed, nullptr);
    failed->button(QMessageBox::Ok)->click();
    EXPECT_EQ(QFileInfo(path).size(), qint64(kMaxFleetFileBytes) + 2);
}

} // namespace
} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/output/output_window.h"

#include "support/font_sizes.h"
#include "support/ui_helpers.h"
#include "ui/helpers/window_helpers.h"
#include "ui/output/output_text.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace keelwright {
namespace {

using testing::answerSaveDialog;
using testing::child;
using testing::readFile;
using testing::saveDialog;

class OutputWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window = new OutputWindow(QStringLiteral("Form2"));
        window->setText("@space/setclass 1/name=Ark\r\n@space/setclass 1/size=2\r\n");
        present(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void TearDown() override {
        testing::closeStrayWindows();
        delete window.data();
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    void save(const QString& target) {
        window->save();
        answerSaveDialog(target);
    }

    QTemporaryDir folder;
    QPointer<OutputWindow> window;
};

TEST_F(OutputWindowTest, DesignOfTheWindow) {
    EXPECT_EQ(window->windowTitle(), "Copy and Paste this to MUSH");
    EXPECT_EQ(window->parentWidget(), nullptr);
    auto* area = child<QPlainTextEdit>(window, "text1");
    EXPECT_FALSE(area->isReadOnly());
    EXPECT_EQ(window->centralWidget(), area);
    auto* saveAction = child<QAction>(window, "mnufilesave");
    EXPECT_EQ(saveAction->text(), "Save");
    EXPECT_EQ(saveAction->shortcut().toString(), "Ctrl+S");
    EXPECT_EQ(child<QMenu>(window, "mnufile")->title(), "&File");
}

// "All Files (*.*)" lists every file, names without a dot too; Text Files is chosen at first.
TEST_F(OutputWindowTest, AllFilesListsFilesWithoutADot) {
    testing::writeFile(path("ship"), "x");
    testing::writeFile(path("ship.txt"), "x");
    window->save();
    QFileDialog* dialog = saveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
    dialog->setDirectory(folder.path());
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Up); // as a user picks the entry above
    EXPECT_EQ(dialog->selectedNameFilter(), "All Files (*.*)");
    auto* files = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    const QModelIndex shown = files->index(folder.path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return files->rowCount(shown) == 2; }))
        << files->rowCount(shown) << " files listed";
    dialog->reject();
}

TEST_F(OutputWindowTest, SetTextReplacesAndAppendAddsAtTheEnd) {
    QTest::keyClicks(child<QPlainTextEdit>(window, "text1"), "typed by the user");
    window->setText("a\r\n");
    window->appendText("b\r\n");
    window->appendText("c");
    EXPECT_EQ(window->text(), "a\r\nb\r\nc");
}

TEST_F(OutputWindowTest, SaveWritesTheTextAreaExactlyWithCrLf) {
    auto* area = child<QPlainTextEdit>(window, "text1");
    area->moveCursor(QTextCursor::End);
    QTest::keyClicks(area, "typed ");
    area->insertPlainText(QStringLiteral("Größe ✓")); // as an input method delivers it
    QTest::keyClick(area, Qt::Key_Return);
    save(path("ship"));
    EXPECT_EQ(readFile(path("ship")),
              "@space/setclass 1/name=Ark\r\n@space/setclass 1/size=2\r\ntyped Größe ✓\r\n");
    EXPECT_FALSE(QFile::exists(path("ship.txt"))); // no extension is added
}

TEST_F(OutputWindowTest, TheDialogOffersTextFilesAndAsksNothingOnOverwrite) {
    QFile old(path("old.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content that is longer than the new one ...........................");
    old.close();
    window->save();
    QFileDialog* dialog = saveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameFilters(), QStringList({"All Files (*.*)", "Text Files (*.txt)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    answerSaveDialog(path("old.txt"));
    EXPECT_EQ(readFile(path("old.txt")), window->text().toUtf8());
}

TEST_F(OutputWindowTest, TheNextSaveStartsFromTheLastName) {
    save(path("first.txt"));
    window->save();
    QFileDialog* dialog = saveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->selectedFiles().value(0), path("first.txt"));
    answerSaveDialog(path("second.txt"));
    EXPECT_EQ(window->lastFileName(), path("second.txt"));
}

TEST_F(OutputWindowTest, CancelWritesNothingAndForgetsNothing) {
    save(path("kept.txt"));
    QSignalSpy saved(window.data(), &OutputWindow::saved);
    window->save();
    QFileDialog* dialog = saveDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(path("cancelled.txt"));
    dialog->reject();
    QApplication::processEvents();
    EXPECT_FALSE(QFile::exists(path("cancelled.txt")));
    EXPECT_EQ(saved.count(), 0);
    EXPECT_EQ(window->lastFileName(), path("kept.txt"));
}

// Qt's dialogs write their history into the user's settings (the registry, on Windows); once a
// dialog is gone, those hold what they held before it came.
TEST_F(OutputWindowTest, ADialogLeavesQtsSettingsAsTheyWere) {
    save(path("first.txt"));
    const auto settings = [] {
        const QSettings qt(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("QtProject"));
        QStringList values;
        for (const QString& key : qt.allKeys())
            values << key + u'=' + qt.value(key).toString();
        return values;
    };
    const QStringList before = settings();
    window->save();
    QFileDialog* dialog = saveDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(QDir::tempPath());
    answerSaveDialog(path("second.txt"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(settings(), before);
}

TEST_F(OutputWindowTest, SaveIntoAMissingFolderWarnsAndWritesNothing) {
    QSignalSpy failed(window.data(), &OutputWindow::saveFailed);
    const QString target = path("no such folder/ship.txt");
    save(target);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_FALSE(QFile::exists(target));
    QMessageBox* box = testing::messageBox(QStringLiteral("SaveFailed"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(target));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
}

TEST_F(OutputWindowTest, AReadOnlyFileKeepsItsContent) {
    QFile file(path("locked.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QSignalSpy failed(window.data(), &OutputWindow::saveFailed);
    save(path("locked.txt"));
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(readFile(path("locked.txt")), "keep me");
    EXPECT_NE(testing::messageBox(QStringLiteral("SaveFailed")), nullptr);
}

TEST_F(OutputWindowTest, AnEmptyTextAreaSavesAnEmptyFile) {
    window->setText(QString());
    save(path("empty.txt"));
    QFile file(path("empty.txt"));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 0);
}

TEST_F(OutputWindowTest, ClosingDestroysTheWindow) {
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

TEST(CrLfLineBreaks, EveryKindOfBreakBecomesOneCrLf) {
    EXPECT_EQ(withCrLf(QString("a\nb\rc\r\nd") + QChar::ParagraphSeparator + "e" +
                       QChar::LineSeparator + "f"),
              "a\r\nb\r\nc\r\nd\r\ne\r\nf");
    EXPECT_EQ(withCrLf("\u00a0no break\u00a0"), "\u00a0no break\u00a0");
    EXPECT_EQ(withCrLf(""), "");
}

} // namespace
} // namespace keelwright

namespace keelwright {
namespace {

// The menu and the first lines of text show whole at every font size; the window grows with it.
TEST(OutputWindowLayout, MenuAndTextShowWholeAtEveryFontSize) {
    testing::atEveryFontSize([] {
        OutputWindow window(QStringLiteral("Form4"));
        window.setText(QStringLiteral("@space/setweapon 7/name=Torpedo\r\n"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QMenuBar* bar = window.menuBar();
        EXPECT_GE(bar->height(), bar->sizeHint().height());
        auto* area = child<QPlainTextEdit>(&window, "text1");
        EXPECT_GE(area->viewport()->height(), 10 * area->fontMetrics().lineSpacing());
        EXPECT_GE(area->viewport()->width(), area->fontMetrics().horizontalAdvance(
                                                 QStringLiteral("@space/setweapon 7/name=")));
        // The text follows the window's size (made smaller: a larger one may not fit the screen).
        const QSize before = area->size();
        window.resize(window.size() * 2 / 3);
        QApplication::processEvents();
        EXPECT_LT(area->width(), before.width());
        EXPECT_LT(area->height(), before.height());
    });
}

// On X11 a focused text widget may claim keys for itself; Save must still come from the text.
TEST(OutputWindowShortcut, CtrlSTypedIntoTheTextSaves) {
    for (const char* name : {"Form2", "Form4"}) {
        OutputWindow window(QString::fromLatin1(name));
        present(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto* area = child<QPlainTextEdit>(&window, "text1");
        area->setFocus();
        QTest::keyClick(area, Qt::Key_S, Qt::ControlModifier);
        QFileDialog* dialog = saveDialog();
        ASSERT_NE(dialog, nullptr) << name;
        dialog->reject();
        QApplication::processEvents();
    }
}

TEST(OutputWindowPresent, AMinimisedWindowComesBackRestored) {
    OutputWindow window(QStringLiteral("Form2"));
    window.showMinimized();
    QApplication::processEvents();
    present(&window);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace keelwright

#include "ui/output/output_window.h"

#include "support/ui_helpers.h"
#include "ui/output/text_file.h"
#include "ui/widgets/window_helpers.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
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

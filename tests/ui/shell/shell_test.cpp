// SPDX-License-Identifier: MIT
#include "ui/shell/shell.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "core/shell/about_text.h"
#include "support/text_lines.h"
#include "support/torpedo_example.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>
#include <utility>

namespace keelwright {
namespace {

using testing::child;

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor()));
    }
    void TearDown() override { testing::closeStrayWindows(); }

    ClassEditorWindow* editor() const { return shell.classEditor(); }
    QLineEdit* classField(const char* name) const { return child<QLineEdit>(editor(), name); }
    QString classOutputText() const {
        return shell.classOutput() ? shell.classOutput()->text() : QStringLiteral("<no window>");
    }
    void trigger(QObject* window, const char* action) { child<QAction>(window, action)->trigger(); }

    Shell shell;
};

TEST_F(ShellTest, ExportToScreenFillsTheClassOutputWindow) {
    EXPECT_EQ(shell.classOutput(), nullptr);
    classField("Text1")->setText("12");
    child<QCheckBox>(editor(), "Check3")->setChecked(true);
    trigger(editor(), "mnufilescreen");
    OutputWindow* output = shell.classOutput();
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->objectName(), "Form2");
    EXPECT_TRUE(output->isVisible());
    EXPECT_EQ(output->parentWidget(), nullptr);
    EXPECT_EQ(classOutputText(), QString::fromStdString(exportClass(editor()->record())));
    EXPECT_EQ(testing::splitCrLf(classOutputText().toStdString()).size(), 12u);
}

TEST_F(ShellTest, ASecondExportReplacesTheFirstAndWhatTheUserTyped) {
    trigger(editor(), "mnufilescreen");
    OutputWindow* first = shell.classOutput();
    QTest::keyClicks(child<QPlainTextEdit>(first, "text1"), "notes");
    classField("Text2")->setText("Galleon");
    trigger(editor(), "mnufilescreen");
    EXPECT_EQ(shell.classOutput(), first); // the same window, where it stood
    EXPECT_EQ(classOutputText(), QString::fromStdString(exportClass(editor()->record())));
    EXPECT_FALSE(classOutputText().contains("notes"));
}

TEST_F(ShellTest, AfterClosingTheOutputWindowTheNextExportMakesANewOne) {
    trigger(editor(), "mnufilescreen");
    shell.classOutput()->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.classOutput() == nullptr; }));
    trigger(editor(), "mnufilescreen");
    ASSERT_NE(shell.classOutput(), nullptr);
    EXPECT_EQ(shell.classOutput()->lastFileName(), "");
    EXPECT_EQ(classOutputText(), QString::fromStdString(exportClass(editor()->record())));
}

TEST_F(ShellTest, SavingAClassExportEndsInCrLf) {
    QTemporaryDir folder;
    trigger(editor(), "mnufilescreen");
    shell.classOutput()->save();
    testing::answerSaveDialog(folder.filePath("class"));
    const QByteArray bytes = testing::readFile(folder.filePath("class"));
    EXPECT_EQ(bytes, QByteArray::fromStdString(exportClass(editor()->record())));
    EXPECT_TRUE(bytes.endsWith("/minmanned=#\r\n"));
}

TEST_F(ShellTest, QuitAnsweredNoChangesNothing) {
    classField("Text2")->setText("Galleon");
    trigger(editor(), "mnufilescreen");
    trigger(editor(), "mnufilequit");
    QMessageBox* box = testing::messageBox(QStringLiteral("QuitQuestion"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Quit");
    EXPECT_EQ(box->text(), "Are you sure you want to quit?");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    box->button(QMessageBox::No)->click();
    QApplication::processEvents();
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(classField("Text2")->text(), "Galleon");
    ASSERT_NE(shell.classOutput(), nullptr);
    EXPECT_TRUE(shell.classOutput()->isVisible());
}

TEST_F(ShellTest, QuitAnsweredYesEndsTheProgramAtOnce) {
    trigger(editor(), "mnufilescreen");
    shell.openWeaponEditor();
    QTimer::singleShot(0, [&] {
        trigger(editor(), "mnufilequit");
        if (QMessageBox* box = testing::messageBox(QStringLiteral("QuitQuestion")))
            box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(testing::execWithWatchdog(), 0);
}

TEST_F(ShellTest, TheProgramEndsWhenItsLastWindowIsClosed) {
    trigger(editor(), "mnufilescreen");
    bool outputOutlivedEditor = false;
    QTimer::singleShot(0, [&] {
        editor()->close(); // asks nothing, and the output window goes on
        QTimer::singleShot(50, [&] {
            outputOutlivedEditor = shell.classOutput() && shell.classOutput()->isVisible();
            if (shell.classOutput())
                shell.classOutput()->close();
        });
    });
    EXPECT_EQ(testing::execWithWatchdog(), 0);
    EXPECT_TRUE(outputOutlivedEditor);
}

TEST_F(ShellTest, AboutShowsItsNineLines) {
    trigger(editor(), "mnuhelpabout");
    QMessageBox* box = testing::messageBox(QStringLiteral("AboutBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "About");
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->text(), QString::fromStdString(aboutText()));
    const auto lines = box->text().split("\r\n");
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], "Keelwright " KEELWRIGHT_TEST_VERSION);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[5], "");
    EXPECT_TRUE(lines[6].contains(".example.org"));
    EXPECT_EQ(lines[7], "to find out more information about");
    EXPECT_EQ(lines[8], "Vantor 4.21");
    box->button(QMessageBox::Ok)->click();
}

TEST_F(ShellTest, WeaponEditorOpensOnceAndComesBackFresh) {
    trigger(editor(), "mnuweap");
    WeaponEditorWindow* weapons = shell.weaponEditor();
    ASSERT_NE(weapons, nullptr);
    EXPECT_TRUE(weapons->isVisible());
    EXPECT_EQ(weapons->parentWidget(), nullptr);
    child<QLineEdit>(weapons, "Text9")->setText("Lance");
    trigger(editor(), "mnuweap");
    EXPECT_EQ(shell.weaponEditor(), weapons);
    EXPECT_EQ(child<QLineEdit>(weapons, "Text9")->text(), "Lance");

    weapons->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.weaponEditor() == nullptr; }));
    trigger(editor(), "mnuweap");
    ASSERT_NE(shell.weaponEditor(), nullptr);
    EXPECT_EQ(shell.weaponEditor()->record(), WeaponRecord{});
}

TEST_F(ShellTest, WeaponAndClassExportsKeepToTheirOwnWindows) {
    trigger(editor(), "mnufilescreen");
    const QString classText = classOutputText();
    trigger(editor(), "mnuweap");
    WeaponEditorWindow* weapons = shell.weaponEditor();
    child<QLineEdit>(weapons, "Text1")->setText("7");
    trigger(weapons, "mnufileexport");
    ASSERT_NE(shell.weaponOutput(), nullptr);
    EXPECT_EQ(shell.weaponOutput()->objectName(), "Form4");
    EXPECT_EQ(classOutputText(), classText);

    const QString weaponText = shell.weaponOutput()->text();
    classField("Text1")->setText("99");
    trigger(editor(), "mnufilescreen");
    EXPECT_EQ(shell.weaponOutput()->text(), weaponText);
    EXPECT_NE(classOutputText(), classText);
}

TEST_F(ShellTest, WeaponExportsByteForByte) {
    trigger(editor(), "mnuweap");
    WeaponEditorWindow* weapons = shell.weaponEditor();
    const std::pair<const char*, const char*> values[] = {
        {"Text1", "7"}, {"Text9", "Torpedo"}, {"Text2", "12"}, {"Text3", "900"}, {"Text4", "40"},
        {"Text5", "2"}, {"Text6", "80"},      {"Text7", "5"},  {"Text8", "3"}};
    for (const auto& [name, value] : values)
        child<QLineEdit>(weapons, name)->setText(value);
    child<QCheckBox>(weapons, "Check2")->setChecked(true);

    trigger(weapons, "mnufileexport");
    EXPECT_EQ(shell.weaponOutput()->text(), testing::kTorpedoLaserText);
    child<QCheckBox>(weapons, "Check1")->setChecked(true);
    trigger(weapons, "mnufileexport");
    EXPECT_EQ(shell.weaponOutput()->text(), testing::kTorpedoMissileText);
    EXPECT_EQ(weapons->record().name, "Torpedo"); // exporting changes nothing in the editor
}

TEST_F(ShellTest, ALaserFileEndsWithoutALineBreak) {
    QTemporaryDir folder;
    shell.openWeaponEditor();
    trigger(shell.weaponEditor(), "mnufileexport");
    shell.weaponOutput()->save();
    testing::answerSaveDialog(folder.filePath("laser.txt"));
    const QByteArray bytes = testing::readFile(folder.filePath("laser.txt"));
    EXPECT_EQ(bytes, QByteArray::fromStdString(exportWeapon(WeaponRecord{})));
    EXPECT_TRUE(bytes.endsWith("@space/setweapon #/nohull=0"));
}

} // namespace
} // namespace keelwright

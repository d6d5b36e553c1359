// SPDX-License-Identifier: MIT
#include "ui/shell/shell.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "support/random_records.h"
#include "support/torpedo_example.h"
#include "support/ui_helpers.h"
#include "ui/shell/file_reading.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace keelwright {
namespace {

using testing::child;
using testing::messageBox;

class ShellOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        shell.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor()));
        testing::RecordGenerator generate(42);
        galleon = generate.shipClass();
        for (const ExportSection& section : classExportSections()) {
            if (!section.includeFlag.empty()) // every field in the file
                galleon.setFlag(section.includeFlag, true);
        }
        galleon.setFlag("Check6", false); // "Visible" is in no file
        classFile = save("galleon.txt", exportClass(galleon));
        weaponFile = save("torpedo", testing::kTorpedoLaserText);
    }
    void TearDown() override { testing::closeStrayWindows(); }

    QString save(const char* name, const std::string& text) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        testing::writeFile(path, QByteArray::fromStdString(text));
        return path;
    }
    ClassEditorWindow* editor() const { return shell.classEditor(); }
    QLineEdit* field(QWidget* window, const char* name) const {
        return child<QLineEdit>(window, name);
    }
    void openThroughDialog(QWidget* window, const QString& path) {
        field(window, "Text1")->setFocus();
        QTest::keyClick(field(window, "Text1"), Qt::Key_O, Qt::ControlModifier);
        QFileDialog* dialog = testing::openDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->nameFilters(), QStringList({"Text Files (*.txt)", "All Files (*)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
        testing::answerFileDialog(dialog, path);
        QApplication::processEvents();
    }
    // Drops files onto a control of `window` as a file manager would.
    void drop(QWidget* target, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QApplication::processEvents();
    }

    QTemporaryDir folder;
    Shell shell;
    ShipClassRecord galleon;
    QString classFile, weaponFile;
};

TEST_F(ShellOpenTest, OpenFromTheClassEditorGivesTheSavedClassBack) {
    openThroughDialog(editor(), classFile);
    EXPECT_EQ(editor()->record(), galleon);
    EXPECT_EQ(testing::topLevel<QMessageBox>("OpenWarning", 0), nullptr);
    EXPECT_EQ(shell.classOutput(), nullptr) << "opening leaves the output windows alone";
    shell.exportClass();
    EXPECT_EQ(shell.classOutput()->text(), QString::fromStdString(exportClass(galleon)));
}

TEST_F(ShellOpenTest, AWeaponFileOpenedFromTheClassEditorGoesToTheWeaponEditor) {
    const ShipClassRecord before = editor()->record();
    openThroughDialog(editor(), weaponFile);
    ASSERT_NE(shell.weaponEditor(), nullptr);
    EXPECT_TRUE(shell.weaponEditor()->isVisible());
    EXPECT_EQ(exportWeapon(shell.weaponEditor()->record()), testing::kTorpedoLaserText);
    EXPECT_EQ(editor()->record(), before);
    EXPECT_EQ(shell.weaponOutput(), nullptr);
}

TEST_F(ShellOpenTest, AClassFileOpenedFromTheWeaponEditorGoesToTheClassEditor) {
    shell.openWeaponEditor();
    openThroughDialog(shell.weaponEditor(), classFile);
    EXPECT_EQ(editor()->record(), galleon);
    EXPECT_EQ(shell.weaponEditor()->record(), WeaponRecord{});
}

TEST_F(ShellOpenTest, EditsAreReplacedOnlyWhenTheUserSaysYes) {
    field(editor(), "Text2")->setText("My own class");
    shell.openFiles({classFile});
    QMessageBox* question = messageBox("ReplaceQuestion");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), "Replace the ship class on the form with the one in galleon.txt?");
    EXPECT_EQ(static_cast<QAbstractButton*>(question->defaultButton()),
              question->button(QMessageBox::No));
    question->button(QMessageBox::No)->click();
    QApplication::processEvents();
    EXPECT_EQ(field(editor(), "Text2")->text(), "My own class");

    shell.openFiles({classFile});
    messageBox("ReplaceQuestion")->button(QMessageBox::Yes)->click();
    QApplication::processEvents();
    EXPECT_EQ(editor()->record(), galleon);

    // What was just opened, or exported, is no edit to ask about.
    shell.openFiles({classFile});
    EXPECT_EQ(testing::topLevel<QMessageBox>("ReplaceQuestion", 0), nullptr);
}

TEST_F(ShellOpenTest, TheWeaponEditorAsksTooAndNamesTheWeapon) {
    shell.openWeaponEditor();
    field(shell.weaponEditor(), "Text9")->setText("Lance");
    shell.openFiles({weaponFile});
    QMessageBox* question = messageBox("ReplaceQuestion");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), "Replace the weapon on the form with the one in torpedo?");
    question->button(QMessageBox::Yes)->click();
    QApplication::processEvents();
    EXPECT_EQ(field(shell.weaponEditor(), "Text9")->text(), "Torpedo");
}

TEST_F(ShellOpenTest, FindingsAreListedTwentyAtATime) {
    std::string text = exportClass(galleon);
    for (int i = 0; i < 25; ++i)
        text += "@space/setclass 12/unknown" + std::to_string(i) + "=1\r\n";
    shell.openFiles({save("noisy.txt", text)});
    QMessageBox* warning = messageBox("OpenWarning");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->windowTitle(), "Open");
    EXPECT_TRUE(warning->text().startsWith("noisy.txt was opened as a ship class"));
    EXPECT_EQ(warning->text().count("is not a ship class command"), 20);
    EXPECT_TRUE(warning->text().endsWith("and 5 more"));
}

// Every kind of finding as the warning says it: what was found, quoted, then why, so that each
// reads as a sentence whatever the line holds.
TEST(OpenFindings, EachKindReadsAsASentence) {
    ShipClassRecord shipClass;
    shipClass.setText("Text1", "101");
    const std::string header = exportClass(shipClass); // seven lines
    shipClass.setFlag("Check16", true);
    shipClass.choose("Combo1", "0 Deflector");
    std::string shielded = exportClass(shipClass);
    shielded.replace(shielded.find("type=0"), 6, "type=2");
    const std::string weapon = std::string(testing::kTorpedoLaserText) + "\r\n";
    const QString intro = "ship.txt was opened as a ship class, with these findings:\nline 8: ";
    const struct {
        std::string file;
        QString text;
    } cases[] = {
        {header + "this is not a command", intro + "\"this is not a command\" is not a ship class "
                                                   "command"},
        {header + "@space/syssetclass 12:reactor/warpfactor=9",
         intro + "\"@space/syssetclass 12:reactor/warpfactor=9\" is not a ship class command"},
        {header + "@space/setclass 101/maxhull=600",
         intro + "\"@space/setclass 101/maxhull=600\" repeats a key of line 3 with another "
                 "value; this later one holds"},
        {header + "@space/setclass 202/name=Other\r\n@space/setclass 202/maxhull=1",
         intro + "class \"202\" (2 lines) is not read: the file holds more than one class, and "
                 "only the first, \"101\", is read"},
        {header + "@space/setclass 101/spacedock=yes",
         intro + "\"@space/setclass 101/spacedock=yes\" repeats a key of line 5 with another "
                 "value; this later one holds\nline 8: Space Dock (Check2) \"yes\" is not a flag "
                 "(0 or 1); it is left unticked"},
        {shielded, intro.left(intro.size() - 3) +
                       "14: Fore Shield Type (Combo1) \"2\" is not a shield type "
                       "(0 or 1); none is chosen"},
        {header + "@space/addsysclass 101=reactor\r\n"
                  "@space/syssetclass 101:reactor/max output=1000",
         intro + "the reactor section lacks 3 of its 5 lines: \":reactor/name=\", "
                 "\":Reactor/efficiency=\", \":reactor/tolerance=\"; these fields took the values "
                 "Reset writes: Name (Text7), Efficiency (Text9), Tolerance (Text10)\nline 9: Max "
                 "Output (Text8) \"1000\" does not fit a power field (one to three of the "
                 "characters 0-9 + - . and blank); it keeps \"0\""},
        {weapon + "@space/setweapon 7/accuracy=x\r\nnonsense",
         "ship.txt was opened as a weapon, with these findings:\nline 9: \"@space/setweapon "
         "7/accuracy=x\" repeats a key of line 7 with another value; this later one holds\nline "
         "10: \"nonsense\" is not a weapon command"},
        {weapon + "@space/setweapon 7/nohull=x",
         "ship.txt was opened as a weapon, with these findings:\nline 9: \"@space/setweapon "
         "7/nohull=x\" repeats a key of line 8 with another value; this later one holds\nline 9: "
         "\"@space/setweapon 7/nohull=x\" is not a flag (0 or 1); it is left as 0"},
    };
    for (const auto& c : cases) {
        OpenedFile file;
        file.path = QStringLiteral("/ships/ship.txt");
        file.reading = readCommandFile(c.file, ShipClassRecord{});
        EXPECT_EQ(findingsText(file), c.text) << c.file;
    }
}

TEST_F(ShellOpenTest, RefusedFilesChangeNothingAndSayWhy) {
    const ShipClassRecord before = editor()->record();
    const QString binary = folder.filePath("ship.bin");
    testing::writeFile(binary, QByteArray("@space/setclass 1/name=A\0\x01", 27));
    shell.openFiles({binary, folder.filePath("missing.txt"), folder.path()});
    QMessageBox* warning = messageBox("OpenWarning");
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(
        warning->text().contains("ship.bin could not be opened.\nThis is not a text file."));
    EXPECT_TRUE(warning->text().contains("missing.txt could not be opened."));
    EXPECT_EQ(warning->text().count("could not be opened"), 2);
    ASSERT_NE(shell.fleet(), nullptr); // a folder opens in the fleet window
    EXPECT_EQ(shell.fleet()->root(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(editor()->record(), before);
    EXPECT_EQ(shell.weaponEditor(), nullptr);
}

TEST_F(ShellOpenTest, OfTwoFilesOfOneKindTheLastCountsAndTheWarningSaysSo) {
    ShipClassRecord other;
    other.setText("Text2", "Second");
    const QString second = save("second.txt", exportClass(other));
    shell.openFiles({classFile, weaponFile, second}, false);
    EXPECT_EQ(field(editor(), "Text2")->text(), "Second");
    ASSERT_NE(shell.weaponEditor(), nullptr);
    QMessageBox* warning = messageBox("OpenWarning");
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->text().contains("galleon.txt was not opened: second.txt"));
}

TEST_F(ShellOpenTest, AFileDroppedOnAFieldOpensInsteadOfBecomingItsText) {
    QLineEdit* name = field(editor(), "Text2");
    drop(name, {classFile});
    EXPECT_EQ(editor()->record(), galleon);
    shell.openWeaponEditor();
    drop(field(shell.weaponEditor(), "Text3"), {weaponFile});
    EXPECT_EQ(exportWeapon(shell.weaponEditor()->record()), testing::kTorpedoLaserText);
}

} // namespace
} // namespace keelwright

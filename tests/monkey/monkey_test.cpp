// SPDX-License-Identifier: MIT
// A long, seeded run of random user actions over every window, checking after each step that the
// program is still whole. KEELWRIGHT_MONKEY_SEED and KEELWRIGHT_MONKEY_STEPS choose another run.
#include "ui/shell/shell.h"

#include "core/classes/power_budget.h"
#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "support/ui_helpers.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"
#include "ui/output/output_text.h"
#include "ui/widgets/two_row_tabs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <utility>

namespace keelwright {
namespace {

using testing::child;

unsigned long environmentNumber(const char* name, unsigned long fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const unsigned long number = value.toULong(&ok);
    return ok ? number : fallback;
}

class Monkey {
public:
    explicit Monkey(unsigned long seed) : random_(static_cast<std::mt19937::result_type>(seed)) {
        shell_.start();
    }

    void run(unsigned long steps) {
        const std::vector<std::pair<int, std::function<void()>>> actions = {
            {30, [this] { typeIntoClassField(); }}, {4, [this] { pasteIntoClassField(); }},
            {8, [this] { tickOrChoose(); }},        {6, [this] { switchPage(); }},
            {6, [this] { exportClass(); }},         {2, [this] { pressOnFocusedField(Qt::Key_R); }},
            {1, [this] { aboutAndClose(); }},       {1, [this] { quitAnsweredNo(); }},
            {3, [this] { openWeaponEditor(); }},    {10, [this] { weaponEditorAction(); }},
            {6, [this] { outputWindowAction(); }},  {3, [this] { openFile(); }},
            {4, [this] { saveOrExportChanges(); }},
        };
        std::vector<int> weights;
        for (const auto& action : actions)
            weights.push_back(action.first);
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        std::vector<int> taken(actions.size());
        for (step_ = 0; step_ < steps && !::testing::Test::HasFailure(); ++step_) {
            const std::size_t action = pick(random_);
            ++taken[action];
            actions[action].second();
            checkInvariants();
        }
        std::cout << "actions taken:";
        for (const int count : taken)
            std::cout << ' ' << count;
        std::cout << "\nsaved exports opened and exported again: " << roundTrips_ << '\n';
        if (steps >= 5000) { // long enough that an export is saved and opened again
            EXPECT_GT(roundTrips_, 0) << "the run never opened a saved export";
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    // Any characters: plain, number-like, accented and wide, emoji, control characters.
    QString anyText(int maxLength) {
        static const QString pools[] = {
            QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ #/:=@,;"),
            QStringLiteral("0123456789+-. "),
            QStringLiteral("éßøÆΩжд漢字かな"),
            QStringLiteral("\U0001F680\U0001F6F8"),
            QStringLiteral("\t\n\r\u0001\u007f\u00a0\u2028\u2029"),
        };
        QString text;
        const int length = below(maxLength + 1);
        while (text.size() < length) {
            const QString& pool = pools[below(5)];
            const int at = below(int(pool.size()));
            text += pool.at(at);
            if (pool.at(at).isHighSurrogate() && at + 1 < pool.size())
                text += pool.at(at + 1);
        }
        return text;
    }

    ClassEditorWindow* editor() const { return shell_.classEditor(); }

    QWidget* classControl(FieldKind kind) {
        std::vector<std::size_t> matching;
        for (std::size_t i = 0; i < classFields().size(); ++i) {
            const FieldKind k = classFields()[i].kind;
            if (k == kind || (kind == FieldKind::Text && isTextual(k)))
                matching.push_back(i);
        }
        const Field& field = classFields()[matching[std::size_t(below(int(matching.size())))]];
        return editor()->findChild<QWidget*>(qs(field.name));
    }

    // Keys a user presses, printable ones through the keyboard and the rest as a text input
    // method delivers them.
    void typeInto(QWidget* field) {
        field->setFocus();
        const QString text = anyText(12);
        auto* line = qobject_cast<QLineEdit*>(field);
        switch (below(6)) {
        case 0:
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Backspace);
            break;
        case 1:
            QTest::keyClick(field, chance(50) ? Qt::Key_Home : Qt::Key_End);
            QTest::keyClick(field, chance(50) ? Qt::Key_Delete : Qt::Key_Backspace);
            break;
        case 2:
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
            break;
        default:
            for (const QChar c : text) {
                if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                    QTest::keyClicks(field, QString(c));
                else if (line)
                    line->insert(QString(c));
                else if (auto* area = qobject_cast<QPlainTextEdit*>(field))
                    area->insertPlainText(QString(c));
            }
        }
    }

    void typeIntoClassField() {
        QWidget* field = classControl(chance(40) ? FieldKind::Power : FieldKind::Text);
        editor()->setCurrentPage(classFields()[*fieldIndex(utf8(field->objectName()))].page);
        typeInto(field);
    }

    void pasteIntoClassField() {
        QString text = anyText(40);
        while (chance(70) && text.size() < 5000)
            text += text;
        QApplication::clipboard()->setText(text);
        auto* field = static_cast<QLineEdit*>(classControl(FieldKind::Text));
        if (chance(50))
            field->selectAll();
        field->paste();
    }

    void tickOrChoose() {
        if (chance(60)) {
            static_cast<QCheckBox*>(classControl(FieldKind::Flag))->click();
        } else {
            auto* list = static_cast<QComboBox*>(classControl(FieldKind::Choice));
            list->setCurrentIndex(below(2));
        }
    }

    void switchPage() {
        if (chance(50)) {
            auto* tabs = child<TwoRowTabs>(editor(), "SSTab1Tabs");
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(below(16)).center());
        } else {
            QTest::keyClick(editor(), chance(50) ? Qt::Key_PageDown : Qt::Key_PageUp,
                            Qt::ControlModifier);
        }
    }

    // A user presses a shortcut in the window in front, so the class editor comes forward first.
    void pressOnFocusedField(Qt::Key key) {
        editor()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor(), 1000));
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != editor())
            target = classControl(FieldKind::Text);
        QTest::keyClick(target, key, Qt::ControlModifier);
    }

    void exportClass() {
        if (chance(50))
            pressOnFocusedField(Qt::Key_E);
        else
            child<QAction>(editor(), "mnufilescreen")->trigger();
        const OutputWindow* output = shell_.classOutput();
        ASSERT_NE(output, nullptr);
        const QString expected =
            withCrLf(QString::fromStdString(keelwright::exportClass(editor()->record())));
        EXPECT_EQ(output->text(), expected) << "step " << step_;
    }

    void aboutAndClose() {
        child<QAction>(editor(), "mnuhelpabout")->trigger();
        QMessageBox* box = testing::messageBox(QStringLiteral("AboutBox"));
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Ok)->click();
    }

    // An editor with unsaved edits to its file asks about them instead; Cancel keeps all.
    void quitAnsweredNo() {
        child<QAction>(editor(), "mnufilequit")->trigger();
        if (QMessageBox* save = testing::topLevel<QMessageBox>("SaveChangesQuestion", 0)) {
            save->button(QMessageBox::Cancel)->click();
            return;
        }
        QMessageBox* box = testing::messageBox(QStringLiteral("QuitQuestion"));
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    }

    void saveOrExportChanges() {
        WeaponEditorWindow* weapons = chance(40) ? shell_.weaponEditor() : nullptr;
        QWidget* from = weapons ? static_cast<QWidget*>(weapons) : editor();
        if (chance(50)) {
            const auto& baseline =
                weapons ? weapons->document().baseline() : editor()->document().baseline();
            const std::string expected =
                weapons ? exportWeaponChanges(baseline ? std::optional(weaponFromTexts(*baseline))
                                                       : std::nullopt,
                                              weapons->record())
                        : exportClassChanges(baseline ? std::optional(shipClassOf(*baseline))
                                                      : std::nullopt,
                                             editor()->record())
                              .text;
            child<QAction>(from, "mnufilechanges")->trigger();
            for (const char* name : {"NothingChanged", "SystemsStay"}) {
                if (QMessageBox* box = testing::topLevel<QMessageBox>(name, 0))
                    box->button(QMessageBox::Ok)->click();
            }
            const OutputWindow* output = weapons ? shell_.weaponOutput() : shell_.classOutput();
            if (!expected.empty()) {
                EXPECT_EQ(output->text(), withCrLf(qs(expected))) << "step " << step_;
            }
            return;
        }
        child<QAction>(from, chance(30) ? "mnufilesaveas" : "mnufilesave2")->trigger();
        bool wrote = true;
        if (QFileDialog* dialog = testing::topLevel<QFileDialog>("SaveAsDialog", 0)) {
            wrote = chance(80);
            if (!wrote)
                dialog->reject();
            else
                testing::answerFileDialog(
                    dialog, folder_.filePath(QStringLiteral("form %1.txt").arg(step_)));
        }
        QApplication::processEvents();
        if (QMessageBox* question = testing::topLevel<QMessageBox>("ReplaceFileQuestion", 0)) {
            wrote = chance(50);
            question->button(wrote ? QMessageBox::Yes : QMessageBox::No)->click();
        }
        if (QMessageBox* failed = testing::topLevel<QMessageBox>("SaveFailed", 0)) {
            wrote = false;
            failed->button(QMessageBox::Ok)->click();
        }
        const QString path =
            weapons ? weapons->document().file().path : editor()->document().file().path;
        if (!wrote || path.isEmpty())
            return;
        const std::string full =
            weapons ? exportWeapon(weapons->record()) : keelwright::exportClass(editor()->record());
        EXPECT_EQ(testing::readFile(path), QByteArray::fromStdString(full)) << "step " << step_;
        saved_.push_back(path);
        // Line breaks typed into a value do not read back as one line: such a file is no round
        // trip.
        if (withCrLf(qs(full)) == qs(full))
            untouched_[path] = weapons == nullptr;
        else
            untouched_.erase(path);
    }

    void openWeaponEditor() { child<QAction>(editor(), "mnuweap")->trigger(); }

    void weaponEditorAction() {
        WeaponEditorWindow* weapons = shell_.weaponEditor();
        if (!weapons)
            return openWeaponEditor();
        switch (below(6)) {
        case 0: {
            child<QAction>(weapons, "mnufileexport")->trigger();
            ASSERT_NE(shell_.weaponOutput(), nullptr);
            EXPECT_EQ(shell_.weaponOutput()->text(),
                      withCrLf(QString::fromStdString(exportWeapon(weapons->record()))))
                << "step " << step_;
            break;
        }
        case 1:
            child<QAction>(weapons, "mnufilereset")->trigger();
            break;
        case 2:
            child<QCheckBox>(weapons, chance(50) ? "Check1" : "Check2")->click();
            break;
        case 3:
            if (chance(20))
                weapons->close();
            // Unsaved edits to its file are asked about: Discard closes, Cancel keeps it.
            if (QMessageBox* box = testing::topLevel<QMessageBox>("SaveChangesQuestion", 0))
                box->button(chance(50) ? QMessageBox::Discard : QMessageBox::Cancel)->click();
            break;
        default: {
            const auto fields = weapons->findChildren<QLineEdit*>();
            typeInto(fields[below(int(fields.size()))]);
        }
        }
    }

    void outputWindowAction() {
        OutputWindow* output = chance(50) ? shell_.classOutput() : shell_.weaponOutput();
        if (!output)
            return;
        switch (below(6)) {
        case 0:
            output->close();
            break;
        case 1:
            typeInto(child<QPlainTextEdit>(output, "text1"));
            break;
        case 2: {
            const QString path = folder_.filePath(QStringLiteral("saved %1.txt").arg(step_));
            output->save();
            testing::answerSaveDialog(path);
            EXPECT_EQ(testing::readFile(path), output->text().toUtf8()) << "step " << step_;
            rememberSaved(path, output);
            break;
        }
        case 3: {
            output->save();
            testing::answerSaveDialog(folder_.filePath(QStringLiteral("missing/x.txt")));
            QMessageBox* box = testing::messageBox(QStringLiteral("SaveFailed"));
            ASSERT_NE(box, nullptr) << "a failed save said nothing";
            box->button(QMessageBox::Ok)->click();
            break;
        }
        case 4: {
            output->save();
            QFileDialog* dialog = testing::saveDialog();
            ASSERT_NE(dialog, nullptr);
            dialog->reject();
            break;
        }
        default:
            present(output);
        }
    }

    // A saved file is an untouched export when the window holds exactly what the export wrote.
    void rememberSaved(const QString& path, const OutputWindow* output) {
        saved_.push_back(path);
        std::string exported;
        if (output == shell_.classOutput())
            exported = keelwright::exportClass(editor()->record());
        else if (shell_.weaponEditor())
            exported = exportWeapon(shell_.weaponEditor()->record());
        if (output->text() == QString::fromStdString(exported))
            untouched_[path] = output == shell_.classOutput();
    }

    // Opens a saved file or random bytes, through a menu or as a dropped or named file, answers
    // the question and the warning at random, and checks that an untouched export comes back
    // byte for byte.
    void openFile() {
        QString path;
        if (saved_.empty() || chance(15)) {
            path = folder_.filePath(QStringLiteral("random %1").arg(step_));
            QByteArray bytes;
            for (int i = below(3000); i > 0; --i)
                bytes += char(below(256));
            testing::writeFile(path, bytes);
        } else {
            path = saved_[std::size_t(below(int(saved_.size())))];
        }
        QWidget* from = shell_.weaponEditor() && chance(50)
                            ? static_cast<QWidget*>(shell_.weaponEditor())
                            : editor();
        if (chance(50)) {
            child<QAction>(from, "mnufileopen")->trigger();
            testing::answerFileDialog(testing::openDialog(), path);
        } else {
            shell_.openFiles({path});
        }
        QApplication::processEvents();
        bool replaced = true;
        if (QMessageBox* question = testing::topLevel<QMessageBox>("ReplaceQuestion", 0)) {
            replaced = chance(50);
            question->button(replaced ? QMessageBox::Yes : QMessageBox::No)->click();
            QApplication::processEvents();
        }
        if (QMessageBox* warning = testing::topLevel<QMessageBox>("OpenWarning", 0))
            warning->button(QMessageBox::Ok)->click();
        const auto untouched = untouched_.find(path);
        if (!replaced || untouched == untouched_.end())
            return;
        const std::string reexported = untouched->second
                                           ? keelwright::exportClass(editor()->record())
                                           : exportWeapon(shell_.weaponEditor()->record());
        EXPECT_EQ(QByteArray::fromStdString(reexported), testing::readFile(path))
            << "step " << step_;
        ++roundTrips_;
    }

    void checkInvariants() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_NE(editor(), nullptr);
        for (const std::string_view name : powerFieldNames()) {
            const auto* field = editor()->findChild<QLineEdit*>(qs(name));
            EXPECT_FALSE(field->text().isEmpty()) << name << " at step " << step_;
            EXPECT_LE(field->text().size(), 3) << name << " at step " << step_;
        }
        int visible = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            visible += window->isVisible() ? 1 : 0;
        EXPECT_LE(visible, 4) << "a box or dialog was left open at step " << step_;
        EXPECT_LE(QApplication::topLevelWidgets().size(), 40) << "windows pile up";
        if (step_ % 97 == 0)
            checkBudget();
    }

    // The figures shown are those of the power texts as they now stand.
    void checkBudget() {
        PowerTexts views;
        std::array<std::string, kPowerFieldCount> texts;
        const ShipClassRecord record = editor()->record();
        for (std::size_t i = 0; i < kPowerFieldCount; ++i) {
            texts[i] = record.text(powerFieldNames()[i]);
            views[i] = texts[i];
        }
        const auto figures = computeBudget(views);
        if (!figures)
            return;
        const auto shown = [&] { return utf8(child<QLabel>(editor(), "Label72")->text()); };
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == figures->freePower; }, 1000))
            << "free power " << shown() << " instead of " << figures->freePower;
    }

    Shell shell_;
    std::mt19937 random_;
    QTemporaryDir folder_;
    unsigned long step_ = 0;
    std::vector<QString> saved_;
    std::map<QString, bool> untouched_; // saved exports, true for a class
    int roundTrips_ = 0;
};

TEST(Monkey, RandomUserActionsLeaveTheProgramWhole) {
    const unsigned long seed = environmentNumber("KEELWRIGHT_MONKEY_SEED", 20261207);
    const unsigned long steps = environmentNumber("KEELWRIGHT_MONKEY_STEPS", 20000);
    SCOPED_TRACE(::testing::Message() << "seed " << seed << ", " << steps << " steps");
    Monkey monkey(seed);
    monkey.run(steps);
}

} // namespace
} // namespace keelwright

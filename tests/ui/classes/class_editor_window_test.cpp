// SPDX-License-Identifier: MIT
#include "ui/classes/class_editor_window.h"

#include "core/export/class_export.h"
#include "support/font_sizes.h"
#include "support/ui_helpers.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"
#include "ui/widgets/power_field.h"
#include "ui/widgets/two_row_tabs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QSignalSpy>
#include <QStackedWidget>

#include <cstddef>
#include <gtest/gtest.h>

namespace keelwright {
namespace {

using testing::child;

class ClassEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(&window, name); }
    QLabel* label(const char* name) { return child<QLabel>(&window, name); }
    bool figuresRead(const char* total, const char* output, const char* free) {
        return QTest::qWaitFor([&] {
            return label("Label68")->text() == QLatin1String(total) &&
                   label("Label70")->text() == QLatin1String(output) &&
                   label("Label72")->text() == QLatin1String(free);
        });
    }
    // Puts the keyboard focus into a field of the given page, as a user clicking there would.
    QWidget* focusFieldOn(int page) {
        window.setCurrentPage(page);
        for (const Field& field : classFields()) {
            if (field.page == page && isTextual(field.kind)) {
                QWidget* widget = window.findChild<QWidget*>(qs(field.name));
                widget->setFocus();
                EXPECT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus(); }));
                return widget;
            }
        }
        return nullptr;
    }

    ClassEditorWindow window;
};

TEST(ClassEditorStart, ShowsGeneralWithDesignValuesAndBlankFigures) {
    ClassEditorWindow window;
    EXPECT_EQ(window.windowTitle(), "Keelwright " KEELWRIGHT_TEST_VERSION);
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.currentPage(), 0);
    EXPECT_EQ(window.record(), ShipClassRecord{});
    for (const char* name : {"Label68", "Label70", "Label72"})
        EXPECT_EQ(child<QLabel>(&window, name)->text(), "") << name;
    EXPECT_EQ(child<QLabel>(&window, "Label67")->text(), "Total Power Usage:");
    EXPECT_EQ(child<QLabel>(&window, "Label69")->text(), "Reactor Output:");
    EXPECT_EQ(child<QLabel>(&window, "Label71")->text(), "Free Reactor Power:");
    EXPECT_EQ(child<QComboBox>(&window, "Combo1")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(&window, "Combo1")->itemText(1), "1 Absorption");
    EXPECT_EQ(child<QObject>(&window, "Timer1")->property("interval").toInt(), 10);
}

void expectTabsInTwoRows() {
    ClassEditorWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* tabs = child<TwoRowTabs>(&window, "SSTab1Tabs");
    ASSERT_EQ(tabs->count(), 16);
    QStringList rows[2];
    const int secondRowTop = tabs->tabRect(9).top();
    for (int i = 0; i < tabs->count(); ++i) {
        const QRect rect = tabs->tabRect(i);
        EXPECT_TRUE(tabs->rect().contains(rect)) << i;
        EXPECT_GE(rect.width(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i))) << i;
        rows[rect.top() == secondRowTop ? 1 : 0] << tabs->tabText(i);
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(rect.intersects(tabs->tabRect(j))) << i << " and " << j;
    }
    EXPECT_EQ(
        rows[0].join('|'),
        "General|Reactor|Fuel System|Computer|Thrusters|Engines|Life Support|Shields|Sensors");
    EXPECT_EQ(rows[1].join('|'), "Cloaking Device|Jump Drives|Comm. Jammer|Damage Control|"
                                 "Tachyon Sensors|Tractor Beam|Comms");
}

TEST(ClassEditorStart, TabsStandInTwoRowsOfNineAndSeven) {
    testing::atEveryFontSize([] { expectTabsInTwoRows(); });
}

TEST_F(ClassEditorTest, ClickingATabOfEitherRowShowsItsPage) {
    auto* tabs = child<TwoRowTabs>(&window, "SSTab1Tabs");
    auto* stack = child<QStackedWidget>(&window, "SSTab1Pages");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(14).center()); // Tractor Beam
    EXPECT_EQ(window.currentPage(), 14);
    EXPECT_EQ(stack->currentIndex(), 14);
    EXPECT_TRUE(edit("Text66")->isVisible());
    EXPECT_FALSE(edit("Text1")->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(7).center());
    EXPECT_EQ(window.currentPage(), 7);
}

TEST_F(ClassEditorTest, ArrowKeysOnTheTabsWalkRowsAndPages) {
    auto* tabs = child<TwoRowTabs>(&window, "SSTab1Tabs");
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(window.currentPage(), 15);
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(window.currentPage(), 0);
    QTest::keyClick(tabs, Qt::Key_Down);
    EXPECT_EQ(window.currentPage(), 9);
    QTest::keyClick(tabs, Qt::Key_End);
    QTest::keyClick(tabs, Qt::Key_Up);
    EXPECT_EQ(window.currentPage(), 6); // the last tab's column in the first row
}

// Assistive tools see one list of sixteen page tabs with exactly one selected, and can press one.
TEST_F(ClassEditorTest, TheTabsSpeakAsOnePageTabList) {
    auto* tabs = child<TwoRowTabs>(&window, "SSTab1Tabs");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tabs);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 16);
    window.setCurrentPage(11);
    int selected = 0;
    for (int i = 0; i < 16; ++i) {
        QAccessibleInterface* tab = list->child(i);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), qs(pageCaptions()[std::size_t(i)]));
        EXPECT_EQ(list->indexOfChild(tab), i);
        EXPECT_EQ(tab->parent(), list);
        selected += tab->state().selected ? 1 : 0;
    }
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(list->child(11)->state().selected);
    QAccessibleInterface* comms = list->child(15);
    comms->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.currentPage(), 15);
    const QRect onScreen = comms->rect();
    EXPECT_EQ(list->childAt(onScreen.center().x(), onScreen.center().y()), comms);
}

TEST_F(ClassEditorTest, CtrlPageDownWalksThroughAllPages) {
    focusFieldOn(0);
    for (int page = 1; page <= 16; ++page) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        EXPECT_EQ(window.currentPage(), page % 16);
    }
}

TEST(ClassEditorFields, EveryFieldIsNamedAndSpokenOf) {
    ClassEditorWindow window;
    for (const Field& field : classFields()) {
        auto* widget = window.findChild<QWidget*>(qs(field.name));
        ASSERT_NE(widget, nullptr) << field.name;
        if (isTextual(field.kind) && !field.caption.empty()) {
            auto* label = window.findChild<QLabel*>(qs(field.name) + "Label");
            ASSERT_NE(label, nullptr) << field.name;
            EXPECT_EQ(label->text(), qs(field.caption));
            EXPECT_EQ(label->buddy(), widget);
        } else if (field.kind == FieldKind::Flag) {
            EXPECT_EQ(static_cast<QCheckBox*>(widget)->text(), qs(field.caption));
        } else {
            EXPECT_EQ(widget->accessibleName(), qs(field.spokenName)) << field.name;
        }
    }
    EXPECT_EQ(child<QWidget>(&window, "Text31")->accessibleName(), "Aft Max Strength");
    EXPECT_EQ(child<QWidget>(&window, "Text76")->accessibleName(), "Star Tolerance");
    EXPECT_EQ(child<QGroupBox>(&window, "Frame1")->title(), "Tolerance");
    EXPECT_FALSE(child<QLabel>(&window, "Label72")->accessibleDescription().isEmpty());
}

TEST(ClassEditorFields, TabOrderRunsDownEachColumn) {
    ClassEditorWindow window;
    QWidget* widget = child<QWidget>(&window, "Text1");
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        order << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !qobject_cast<QWidget*>(widget));
    }
    EXPECT_EQ(order.join(' '), "Text1 Text2 Text3 Check2 Text4 Text5 Text6 Check1");
}

TEST(ClassEditorMenus, CaptionsNamesAndShortcuts) {
    ClassEditorWindow window;
    const struct {
        const char* name;
        const char* caption;
        const char* keys;
    } commands[] = {{"mnufileopen", "&Open...", "Ctrl+O"},
                    {"mnufileopenfolder", "Open &Folder...", "Ctrl+Shift+O"},
                    {"mnufilesave2", "&Save", "Ctrl+S"},
                    {"mnufilesaveas", "Save &As...", "Ctrl+Shift+S"},
                    {"mnufilechanges", "Export &Changes", "Ctrl+Shift+E"},
                    {"mnufilescreen", "&Export to Screen", "Ctrl+E"},
                    {"mnureset", "Reset", "Ctrl+R"},
                    {"mnufilequit", "Quit", "Ctrl+Q"},
                    {"mnueditundo", "&Undo", "Ctrl+Z"},
                    {"mnueditredo", "&Redo", "Ctrl+Y"},
                    {"mnuhelpabout", "About", ""},
                    {"mnuweap", "Weapon Editor", ""}};
    for (const auto& c : commands) {
        auto* action = child<QAction>(&window, c.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), c.caption);
        EXPECT_EQ(action->shortcut().toString(), c.keys);
    }
    EXPECT_EQ(child<QMenu>(&window, "mnufile")->title(), "&File");
    EXPECT_EQ(child<QMenu>(&window, "mnuhelp")->title(), "&Help");
    EXPECT_TRUE(child<QAction>(&window, "mnufilesep")->isSeparator());
    EXPECT_TRUE(child<QAction>(&window, "space")->isSeparator());
    // Open and the file commands stand first, above the commands the editor always had.
    QStringList fileMenu;
    for (const QAction* action : child<QMenu>(&window, "mnufile")->actions())
        fileMenu << action->objectName();
    EXPECT_EQ(fileMenu.join(' '),
              "mnufileopen mnufileopenfolder mnufilesave2 mnufilesaveas mnufilechanges "
              "mnufileopensep mnufilescreen mnufilesep mnureset space "
              "mnufilequit");
    // Edit stands right after File, Game after Edit: File, Edit, Game, Help, Weapon Editor.
    const auto bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 5);
    EXPECT_EQ(bar[1]->menu(), child<QMenu>(&window, "mnuedit"));
    EXPECT_EQ(bar[2]->menu(), child<QMenu>(&window, "mnugame"));
    EXPECT_EQ(bar[3]->menu(), child<QMenu>(&window, "mnuhelp"));
    EXPECT_EQ(bar[4]->objectName(), "mnuweap");
    EXPECT_EQ(bar[4]->menu(), nullptr);
    QStringList gameMenu;
    for (const QAction* action : child<QMenu>(&window, "mnugame")->actions())
        gameMenu << action->text() + u'=' + action->shortcut().toString();
    EXPECT_EQ(gameMenu.join(u'|'), "Not connected=|=|&Connect...=|&Send to Game=Ctrl+G|"
                                   "Send C&hanges to Game=Ctrl+Shift+G|&Disconnect=|"
                                   "&Forget This Game=");
}

TEST_F(ClassEditorTest, ShortcutsActFromEveryPage) {
    QSignalSpy exports(&window, &ClassEditorWindow::exportRequested);
    QSignalSpy quits(&window, &ClassEditorWindow::quitRequested);
    QSignalSpy opens(&window, &ClassEditorWindow::openRequested);
    QSignalSpy saves(&window, &ClassEditorWindow::saveRequested);
    QSignalSpy savesAs(&window, &ClassEditorWindow::saveAsRequested);
    QSignalSpy changes(&window, &ClassEditorWindow::exportChangesRequested);
    for (int page = 0; page < 16; ++page) {
        QWidget* field = focusFieldOn(page);
        ASSERT_NE(field, nullptr);
        static_cast<QLineEdit*>(field)->setText("x");
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_R, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(opens.count(), page + 1);
        EXPECT_EQ(saves.count(), page + 1);
        EXPECT_EQ(savesAs.count(), page + 1);
        EXPECT_EQ(changes.count(), page + 1);
        EXPECT_EQ(exports.count(), page + 1);
        EXPECT_EQ(quits.count(), page + 1);
        EXPECT_NE(static_cast<QLineEdit*>(field)->text(), "x") << "Reset from page " << page;
        EXPECT_EQ(window.currentPage(), page);
    }
}

// Max Hull is a text field, the reactor's Max Output a power field.
TEST_F(ClassEditorTest, AltShortcutsOfNoAccessKeyTypeNothing) {
    testing::expectAltTypesNothing(edit("Text3"));
    window.setCurrentPage(1);
    testing::expectAltTypesNothing(edit("Text8"));
}

TEST_F(ClassEditorTest, BudgetFollowsEditsWithinATick) {
    ASSERT_TRUE(figuresRead("0", "0", "0"));
    edit("text15")->selectAll();
    QTest::keyClicks(edit("text15"), "30");
    edit("text22")->setText("50");
    edit("Text8")->setText("100");
    EXPECT_TRUE(figuresRead("80", "100", "20"));
    edit("Text8")->setText("2.5");
    edit("text15")->setText("1");
    edit("text22")->setText("0");
    EXPECT_TRUE(figuresRead("1", "2.5", "1.5"));
    child<QCheckBox>(&window, "Check7")->setChecked(false); // include flags take no part
    edit("text38")->setText("3.5");
    EXPECT_TRUE(figuresRead("5", "2.5", "-2.5"));
}

// Assistive tools read a label's name: the figures must be in it, and follow the edits.
TEST_F(ClassEditorTest, ScreenReadersHearTheBudgetFigures) {
    edit("text15")->setText("30");
    edit("Text8")->setText("100");
    ASSERT_TRUE(figuresRead("30", "100", "70"));
    const auto spoken = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(label(name))->text(QAccessible::Name);
    };
    EXPECT_EQ(spoken("Label68"), "Total Power Usage: 30");
    EXPECT_EQ(spoken("Label70"), "Reactor Output: 100");
    EXPECT_EQ(spoken("Label72"), "Free Reactor Power: 70");
    EXPECT_EQ(spoken("Label67"), "Total Power Usage:");
    edit("text15")->setText("5");
    ASSERT_TRUE(figuresRead("5", "100", "95"));
    EXPECT_EQ(spoken("Label72"), "Free Reactor Power: 95");

    // Overdrawn: in the warning colour and in words, and back to plain once it is not.
    const auto described = [&] {
        return QAccessible::queryAccessibleInterface(label("Label72"))
            ->text(QAccessible::Description);
    };
    const QColor plain = label("Label72")->palette().color(QPalette::WindowText);
    edit("Text8")->setText("1");
    ASSERT_TRUE(figuresRead("5", "1", "-4"));
    EXPECT_EQ(label("Label72")->palette().color(QPalette::WindowText), warningColor());
    EXPECT_TRUE(described().endsWith("overdrawn: its systems draw more than its reactor gives"))
        << described().toStdString();
    EXPECT_EQ(spoken("Label72"), "Free Reactor Power: -4");
    edit("Text8")->setText("9");
    ASSERT_TRUE(figuresRead("5", "9", "4"));
    EXPECT_EQ(label("Label72")->palette().color(QPalette::WindowText), plain);
    EXPECT_EQ(described(), "The free reactor power of this class");
}

TEST_F(ClassEditorTest, LongTextsStayWholeAndPowerFieldsKeepThree) {
    const QString name(100000, u'N');
    QApplication::clipboard()->setText(name);
    edit("Text2")->selectAll();
    edit("Text2")->paste();
    EXPECT_EQ(edit("Text2")->text().size(), 100000);
    edit("Text9")->setText(name);
    EXPECT_EQ(edit("Text9")->text(), name);
    EXPECT_NE(exportClass(window.record()).find(name.toStdString()), std::string::npos);
    edit("text15")->selectAll();
    edit("text15")->paste(); // letters: refused whole
    edit("text15")->setText("12345");
    EXPECT_LE(edit("text15")->text().size(), 3);
}

// Power fields turn white with the caret in them, in a dark theme too, and take their own colours
// back when it leaves.
TEST_F(ClassEditorTest, PowerFieldsAreWhiteWhileFocused) {
    QPalette dark = window.palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    window.setPalette(dark);
    window.setCurrentPage(3);
    QLineEdit* power = edit("text15");
    QLineEdit* other = edit("Text16");
    power->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return power->hasFocus(); }));
    EXPECT_EQ(power->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(power->palette().color(QPalette::Text), QColor(Qt::black));
    other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
    EXPECT_EQ(power->palette().color(QPalette::Base), QColor(30, 30, 30));
    EXPECT_EQ(power->palette().color(QPalette::Text), QColor(230, 230, 230));
}

TEST_F(ClassEditorTest, TextThatIsNotANumberLeavesTheLastFigures) {
    edit("text80")->setText("7");
    ASSERT_TRUE(figuresRead("7", "0", "-7"));
    edit("text80")->setText("  ");
    edit("Text8")->setText("9");
    QTest::qWait(50);
    EXPECT_EQ(label("Label68")->text(), "7");
    EXPECT_EQ(label("Label70")->text(), "0");
    edit("text80")->setText("-");
    edit("text80")->setText("1");
    EXPECT_TRUE(figuresRead("1", "9", "8"));
}

TEST_F(ClassEditorTest, PowerFieldsTakeThreeNumberCharactersAndAreNeverEmpty) {
    QLineEdit* field = edit("text43");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "a1b2c3d4");
    EXPECT_EQ(field->text(), "123");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "0");
    EXPECT_EQ(window.record().text("text43"), "0");
    QTest::keyClicks(field, "-.5"); // the refilled "0" is selected: typing replaces it
    EXPECT_EQ(field->text(), "-.5");
    field->setText("   ");
    EXPECT_EQ(field->text(), "   "); // blanks are not empty: left alone

    QApplication::clipboard()->setText("98765");
    field->selectAll();
    field->paste();
    EXPECT_EQ(field->text(), "987");
    QApplication::clipboard()->setText("1e9");
    field->selectAll();
    field->paste();
    EXPECT_EQ(field->text(), "987"); // a paste with a letter is refused whole
}

TEST_F(ClassEditorTest, ResetWritesPlaceholdersAndKeepsTheRest) {
    window.setCurrentPage(7);
    child<QCheckBox>(&window, "Check16")->setChecked(true);
    child<QComboBox>(&window, "Combo2")->setCurrentIndex(1);
    edit("text39")->setText("12");
    edit("Text1")->setText("12");
    QTest::keyClick(edit("Text70"), Qt::Key_R, Qt::ControlModifier);

    ShipClassRecord expected;
    expected.setFlag("Check16", true);
    expected.choose("Combo2", "1 Absorption");
    resetRecord(expected);
    EXPECT_EQ(window.record(), expected);
    EXPECT_EQ(edit("Text2")->text(), "#");
    EXPECT_EQ(window.currentPage(), 7);
    EXPECT_TRUE(figuresRead("0", "0", "0"));
}

// Nothing on a page may overlap or be cut off, with whatever font the system gives us.
void expectPagesLaidOut() {
    ClassEditorWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    testing::expectNaturalSize(&window);
    auto* stack = child<QStackedWidget>(&window, "SSTab1Pages");
    const QRect area(QPoint(0, 0), stack->contentsRect().size()); // what every page is given
    for (int p = 0; p < stack->count(); ++p) {
        QWidget* page = stack->widget(p);
        const auto children = page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* a : children) {
            EXPECT_TRUE(area.contains(a->geometry())) << a->objectName().toStdString();
            if (qobject_cast<QLabel*>(a) || qobject_cast<QCheckBox*>(a)) {
                EXPECT_GE(a->width(), a->sizeHint().width()) << a->objectName().toStdString();
            }
            if (auto* label = qobject_cast<QLabel*>(a)) {
                EXPECT_GE(label->height(), label->fontMetrics().height() - 1) << p;
            }
            EXPECT_GE(a->height(), a->minimumSizeHint().height()) << a->objectName().toStdString();
            if (auto* frame = qobject_cast<QGroupBox*>(a)) {
                EXPECT_GE(frame->width(), frame->minimumSizeHint().width()) << p;
                // What stands in a frame stands below its caption.
                const int captionBottom = frame->y() + frame->fontMetrics().height();
                for (QWidget* b : children) {
                    if (b != a && frame->geometry().contains(b->geometry())) {
                        EXPECT_GE(b->y(), captionBottom) << b->objectName().toStdString();
                    }
                }
            }
            for (QWidget* b : children) {
                if (a == b || qobject_cast<QGroupBox*>(a) || qobject_cast<QGroupBox*>(b))
                    continue;
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " overlaps "
                    << b->objectName().toStdString();
            }
        }
    }
    auto* frame = child<QGroupBox>(&window, "Frame1");
    for (const char* name : {"Text74", "Text75", "Text76", "Text77"})
        EXPECT_TRUE(frame->geometry().contains(child<QWidget>(&window, name)->geometry())) << name;
    // The budget row: every caption and figure whole, side by side.
    auto* row = child<QWidget>(&window, "BudgetRow");
    const auto cells = row->findChildren<QLabel*>();
    for (const QLabel* cell : cells) {
        EXPECT_GE(cell->width(), cell->sizeHint().width()) << cell->objectName().toStdString();
        EXPECT_GE(cell->height(), cell->fontMetrics().height());
        EXPECT_TRUE(row->rect().contains(cell->geometry()));
    }
}

TEST(ClassEditorLayout, NothingOverlapsOrIsClipped) {
    testing::atEveryFontSize([] { expectPagesLaidOut(); });
}

} // namespace
} // namespace keelwright

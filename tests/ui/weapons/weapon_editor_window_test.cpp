// SPDX-License-Identifier: MIT
#include "ui/weapons/weapon_editor_window.h"

#include "support/font_sizes.h"
#include "support/ui_helpers.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace keelwright {
namespace {

using testing::child;

class WeaponEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = new WeaponEditorWindow();
        present(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override { delete window.data(); }
    QPointer<WeaponEditorWindow> window;
};

TEST_F(WeaponEditorTest, DesignValuesLabelsAndNote) {
    EXPECT_EQ(window->windowTitle(), "Vantor Weapon Creator");
    EXPECT_EQ(window->objectName(), "Form3");
    EXPECT_EQ(window->record(), WeaponRecord{});
    for (const WeaponControl& control : weaponControls()) {
        if (control.labelName.empty()) {
            EXPECT_EQ(child<QCheckBox>(window, control.name.data())->text(), qs(control.caption));
            continue;
        }
        auto* label = window->findChild<QLabel*>(qs(control.labelName));
        ASSERT_NE(label, nullptr) << control.labelName;
        EXPECT_EQ(label->text(), qs(control.caption));
        EXPECT_EQ(label->buddy(), window->findChild<QLineEdit*>(qs(control.name)));
    }
    auto* note = child<QLabel>(window, "Label2");
    EXPECT_TRUE(note->wordWrap());
    EXPECT_EQ(note->text(), "Default Weapon type is Laser - No Hull, Power and Accuracy only apply "
                            "to Lasers while Turn rate and Speed only apply to missiles.");
}

TEST_F(WeaponEditorTest, MenuHasOpenThenExportAndResetWithoutShortcuts) {
    EXPECT_EQ(child<QMenu>(window, "mnufile")->title(), "&File");
    auto* exportAction = child<QAction>(window, "mnufileexport");
    auto* resetAction = child<QAction>(window, "mnufilereset");
    EXPECT_EQ(exportAction->text().remove('&'), "Export to screen");
    EXPECT_EQ(resetAction->text().remove('&'), "Reset");
    EXPECT_TRUE(exportAction->shortcut().isEmpty());
    EXPECT_TRUE(resetAction->shortcut().isEmpty());
    EXPECT_TRUE(child<QAction>(window, "space")->isSeparator());
    QStringList fileMenu;
    for (const QAction* action : child<QMenu>(window, "mnufile")->actions())
        fileMenu << action->objectName();
    EXPECT_EQ(fileMenu.join(' '),
              "mnufileopen mnufileopenfolder mnufilesave2 mnufilesaveas mnufilechanges "
              "mnufileopensep mnufileexport space mnufilereset");
    EXPECT_EQ(child<QAction>(window, "mnufileopen")->shortcut().toString(), "Ctrl+O");
    EXPECT_EQ(child<QAction>(window, "mnufilesave2")->text(), "&Save");
    EXPECT_EQ(child<QAction>(window, "mnufilesaveas")->text(), "Save &As...");
    EXPECT_EQ(child<QAction>(window, "mnufilechanges")->text(), "Export &Changes");
}

TEST_F(WeaponEditorTest, AltShortcutsOfNoAccessKeyTypeNothing) {
    testing::expectAltTypesNothing(child<QLineEdit>(window, "Text2"));
}

TEST_F(WeaponEditorTest, ShortcutsOfTheFileCommandsActFromEveryField) {
    QSignalSpy opens(window.data(), &WeaponEditorWindow::openRequested);
    QSignalSpy saves(window.data(), &WeaponEditorWindow::saveRequested);
    QSignalSpy savesAs(window.data(), &WeaponEditorWindow::saveAsRequested);
    QSignalSpy changes(window.data(), &WeaponEditorWindow::exportChangesRequested);
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    }
    const auto fields = window->findChildren<QLineEdit*>().size();
    EXPECT_EQ(opens.count(), fields);
    EXPECT_EQ(saves.count(), fields);
    EXPECT_EQ(savesAs.count(), fields);
    EXPECT_EQ(changes.count(), fields);
}

TEST_F(WeaponEditorTest, LongTextsStayWhole) {
    const QString name(100000, u'W');
    child<QLineEdit>(window, "Text9")->setText(name);
    EXPECT_EQ(window->record().name.size(), 100000u);
}

TEST_F(WeaponEditorTest, TabGoesFromNumberToMissileAndEndsAtTheName) {
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(window, "Text1"));
    QStringList order;
    for (int i = 0; i < 11; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order.join(' '),
              "Text1 Check1 Text2 Text3 Text4 Text5 Check2 Text6 Text7 Text8 Text9");
}

TEST_F(WeaponEditorTest, ResetWritesHashesAndKeepsBothBoxes) {
    for (const char* name : {"Text1", "Text5", "Text9"})
        child<QLineEdit>(window, name)->setText("typed");
    child<QCheckBox>(window, "Check1")->setChecked(true);
    child<QCheckBox>(window, "Check2")->setChecked(true);
    child<QAction>(window, "mnufilereset")->trigger();
    WeaponRecord expected;
    expected.missile = expected.noHull = true;
    EXPECT_EQ(window->record(), expected);
    child<QAction>(window, "mnufilereset")->trigger();
    EXPECT_EQ(window->record(), expected);
}

TEST_F(WeaponEditorTest, TickingMissileLeavesEveryFieldUsable) {
    child<QCheckBox>(window, "Check1")->setChecked(true);
    for (const char* name : {"Text5", "Text6", "Check2"}) {
        EXPECT_TRUE(child<QWidget>(window, name)->isEnabled());
        EXPECT_TRUE(child<QWidget>(window, name)->isVisible());
    }
}

void expectControlsLaidOut() {
    WeaponEditorWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    testing::expectNaturalSize(&window);
    QWidget* client = window.centralWidget();
    const auto children = client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* a : children) {
        EXPECT_TRUE(client->rect().contains(a->geometry())) << a->objectName().toStdString();
        auto* label = qobject_cast<QLabel*>(a);
        if (label && label->wordWrap()) {
            EXPECT_GE(a->height(), label->heightForWidth(a->width()));
        } else if (label || qobject_cast<QCheckBox*>(a)) {
            EXPECT_GE(a->width(), a->sizeHint().width()) << a->objectName().toStdString();
        }
        for (QWidget* b : children) {
            EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
        }
        if (label) {
            EXPECT_GE(label->height(), label->fontMetrics().height())
                << label->objectName().toStdString();
        }
    }
}

TEST(WeaponEditorLayout, NothingOverlapsOrIsClipped) {
    testing::atEveryFontSize([] { expectControlsLaidOut(); });
}

} // namespace
} // namespace keelwright

// SPDX-License-Identifier: MIT
// Undo and Redo over the whole form, through the editors' real controls: random sequences of
// typing, ticks, choices and Resets are undone back to the start and redone to the end.
#include "ui/classes/class_editor_window.h"
#include "ui/weapons/weapon_editor_window.h"

#include "support/ui_helpers.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace keelwright {
namespace {

using testing::child;

std::vector<QWidget*> controlsOf(EditorWindow& window) {
    std::vector<QWidget*> controls;
    for (std::size_t i = 0; i < fieldCount(window.form()); ++i) {
        const std::string_view name =
            window.form() == FileContent::Weapon ? weaponControls()[i].name : classFields()[i].name;
        controls.push_back(child<QWidget>(&window, std::string(name).c_str()));
    }
    return controls;
}

// What the controls show, as the document keeps it.
FormValues shown(const std::vector<QWidget*>& controls) {
    FormValues values;
    for (QWidget* control : controls) {
        if (auto* box = qobject_cast<QLineEdit*>(control))
            values.push_back(utf8(box->text()));
        else if (auto* tick = qobject_cast<QCheckBox*>(control))
            values.push_back(tick->isChecked() ? "1" : "0");
        else
            values.push_back(utf8(static_cast<QComboBox*>(control)->currentText()));
    }
    return values;
}

// One user step on a random control, or a Reset.
void act(EditorWindow& window, const std::vector<QWidget*>& controls, std::mt19937& random) {
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus(); // the typing before ends its step
    if (random() % 10 == 0) {
        child<QAction>(&window, window.form() == FileContent::Weapon ? "mnufilereset" : "mnureset")
            ->trigger();
        return;
    }
    QWidget* control = controls[random() % controls.size()];
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        for (int keys = int(random() % 4); keys >= 0; --keys) {
            if (random() % 3 == 0)
                QTest::keyClick(box, Qt::Key_Backspace);
            else
                QTest::keyClick(box, char("0123456789-xY "[random() % 14]));
        }
    } else if (auto* tick = qobject_cast<QCheckBox*>(control)) {
        tick->click();
    } else {
        static_cast<QComboBox*>(control)->setCurrentIndex(int(random() % 3) - 1);
    }
}

template <class Window> void undoAndRedoEverything(unsigned seed) {
    Window window;
    present(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::vector<QWidget*> controls = controlsOf(window);
    Document& document = window.document();
    document.open(document.values(), EditorFile{QStringLiteral("ship.txt"), {}, 0, false, {}});
    std::mt19937 random(seed);
    std::vector<FormValues> states{document.values()};
    for (int i = 0; i < 40; ++i) {
        act(window, controls, random);
        if (document.values() != states.back())
            states.push_back(document.values());
        ASSERT_EQ(shown(controls), document.values());
    }
    QAction* undo = child<QAction>(&window, "mnueditundo");
    QAction* redo = child<QAction>(&window, "mnueditredo");
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(undo->isEnabled()) << "step " << i;
        undo->trigger();
        ASSERT_EQ(document.values(), states[i - 1]) << "undoing step " << i;
        ASSERT_EQ(shown(controls), states[i - 1]);
        // The field the step changed has the focus, on the page shown.
        ASSERT_TRUE(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
    }
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(document.holdsUnsavedEdits()) << "back where it was saved";
    while (redo->isEnabled())
        redo->trigger();
    EXPECT_EQ(document.values(), states.back());
    EXPECT_EQ(shown(controls), states.back());
    EXPECT_EQ(document.holdsUnsavedEdits(), states.size() > 1);
}

TEST(EditorHistory, UndoingEveryStepGivesTheStartAndRedoingTheEnd) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        undoAndRedoEverything<ClassEditorWindow>(seed);
        undoAndRedoEverything<WeaponEditorWindow>(seed);
    }
}

} // namespace
} // namespace keelwright

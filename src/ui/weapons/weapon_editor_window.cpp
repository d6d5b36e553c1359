// SPDX-License-Identifier: MIT
#include "ui/weapons/weapon_editor_window.h"

#include "ui/helpers/qt_text.h"
#include "ui/helpers/twips.h"
#include "ui/helpers/window_helpers.h"
#include "ui/widgets/text_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <algorithm>
#include <cstddef>

namespace keelwright {
namespace {

// The window's design, in twips; labels, text boxes and check boxes have the class editor's
// heights (kLabelAbove, kTextHeight, kCheckHeight).
constexpr int kClientWidth = 5715;
constexpr int kClientHeight = 4500;
// Pixels kept free right of and below the lowest and rightmost control when the font needs more
// room than the design gave.
constexpr int kRightMargin = 16;
constexpr int kBottomMargin = 8;

} // namespace

WeaponEditorWindow::WeaponEditorWindow() : EditorWindow(FileContent::Weapon, nullptr) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vantor Weapon Creator"));
    buildMenu();
    buildControls();
    bindForm(binder_);
}

void WeaponEditorWindow::buildMenu() {
    QMenu* file = addFileMenu();
    connect(addCommand(file, tr("&Export to screen"), "mnufileexport"), &QAction::triggered, this,
            &WeaponEditorWindow::exportRequested);
    addNamedSeparator(file, "space");
    connect(addCommand(file, tr("&Reset"), "mnufilereset"), &QAction::triggered, this,
            &WeaponEditorWindow::reset);
    addEditMenu();
    addGameMenu();
}

void WeaponEditorWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const WeaponRecord design;
    for (const WeaponControl& c : weaponControls()) {
        if (c.text) {
            QLineEdit* box = newTextBox(qs(design.*c.text), client);
            auto* label = new QLabel(qs(c.caption), client);
            label->setObjectName(qs(c.labelName));
            label->setBuddy(box);
            placeAtLeast(label, twipsRect(c.left, c.top - kLabelAbove, c.labelWidth, kLabelAbove));
            placeAtLeast(box, twipsRect(c.left, c.top, c.width, kTextHeight));
            binder_.bind(box);
        } else {
            auto* box = new QCheckBox(qs(c.caption), client);
            placeAtLeast(box, twipsRect(c.left, c.top, c.width, kCheckHeight));
            binder_.bind(box);
        }
        binder_.widget(binder_.size() - 1)->setObjectName(qs(c.name));
    }
    // Created in keyboard order, but the order is stated so it survives any later change.
    for (std::size_t i = 1; i < binder_.size(); ++i)
        setTabOrder(binder_.widget(i - 1), binder_.widget(i));

    const WeaponNote& note = weaponNote();
    auto* label = new QLabel(qs(note.text), client);
    label->setObjectName(qs(note.name));
    label->setWordWrap(true);
    QRect rect = twipsRect(note.left, note.top, note.width, note.height);
    rect.setHeight(std::max(rect.height(), label->heightForWidth(rect.width())));
    label->setGeometry(rect);

    const QRect needed = client->childrenRect();
    client->setFixedSize(std::max(pixels(kClientWidth), needed.right() + kRightMargin),
                         std::max(pixels(kClientHeight), needed.bottom() + kBottomMargin));
    setCentralWidget(client);
    keepNaturalSize(this);
    binder_.widget(0)->setFocus();
}

} // namespace keelwright

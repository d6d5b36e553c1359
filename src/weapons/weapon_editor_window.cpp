#include "weapons/weapon_editor_window.h"

#include "shell/widget_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <algorithm>

namespace keelwright {
namespace {

constexpr int kClientWidth = 5715;
constexpr int kClientHeight = 4500;
constexpr int kLabelAbove = 240;
constexpr int kTextHeight = 285;
constexpr int kRowHeight = 255;

} // namespace

WeaponEditorWindow::WeaponEditorWindow() : QMainWindow(nullptr) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vantor Weapon Creator"));
    buildMenu();
    buildControls();
}

void WeaponEditorWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    QAction* exportAction = file->addAction(tr("&Export to screen"));
    exportAction->setObjectName(QStringLiteral("mnufileexport"));
    connect(exportAction, &QAction::triggered, this, &WeaponEditorWindow::exportRequested);
    file->addSeparator()->setObjectName(QStringLiteral("space"));
    QAction* resetAction = file->addAction(tr("&Reset"));
    resetAction->setObjectName(QStringLiteral("mnufilereset"));
    connect(resetAction, &QAction::triggered, this, &WeaponEditorWindow::reset);
}

void WeaponEditorWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const WeaponRecord design;
    for (const WeaponControl& c : weaponControls()) {
        QWidget* control = nullptr;
        if (c.text) {
            auto* box = new QLineEdit(qs(design.*c.text), client);
            auto* label = new QLabel(qs(c.caption), client);
            label->setObjectName(qs(c.labelName));
            label->setBuddy(box);
            placeAtLeast(label, twipsRect(c.left, c.top - kLabelAbove, c.labelWidth, kLabelAbove));
            control = box;
            placeAtLeast(control, twipsRect(c.left, c.top, c.width, kTextHeight));
        } else {
            control = new QCheckBox(qs(c.caption), client);
            placeAtLeast(control, twipsRect(c.left, c.top, c.width, kRowHeight));
        }
        control->setObjectName(qs(c.name));
        controls_.push_back(control);
    }
    // Created in keyboard order, but the order is stated so it survives any later change.
    for (std::size_t i = 1; i < controls_.size(); ++i)
        setTabOrder(controls_[i - 1], controls_[i]);

    const WeaponNote& note = weaponNote();
    auto* label = new QLabel(qs(note.text), client);
    label->setObjectName(qs(note.name));
    label->setWordWrap(true);
    QRect rect = twipsRect(note.left, note.top, note.width, note.height);
    rect.setHeight(std::max(rect.height(), label->heightForWidth(rect.width())));
    label->setGeometry(rect);

    const QRect needed = client->childrenRect();
    client->setMinimumSize(std::max(pixels(kClientWidth), needed.right() + 16),
                           std::max(pixels(kClientHeight), needed.bottom() + 8));
    setCentralWidget(client);
    controls_.front()->setFocus();
}

WeaponRecord WeaponEditorWindow::record() const {
    WeaponRecord weapon;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const WeaponControl& c = weaponControls()[i];
        if (c.text)
            weapon.*c.text = utf8(static_cast<QLineEdit*>(controls_[i])->text());
        else
            weapon.*c.flag = static_cast<QCheckBox*>(controls_[i])->isChecked();
    }
    return weapon;
}

void WeaponEditorWindow::showRecord(const WeaponRecord& weapon) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const WeaponControl& c = weaponControls()[i];
        if (c.text) {
            auto* box = static_cast<QLineEdit*>(controls_[i]);
            const QString value = qs(weapon.*c.text);
            if (box->text() != value)
                box->setText(value);
        } else {
            static_cast<QCheckBox*>(controls_[i])->setChecked(weapon.*c.flag);
        }
    }
}

void WeaponEditorWindow::reset() {
    WeaponRecord weapon = record();
    resetWeapon(weapon);
    showRecord(weapon);
}

void WeaponEditorWindow::present() {
    show();
    raise();
    activateWindow();
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/helpers/field_keys.h"

#include <algorithm>

#include <QAction>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace keelwright {
namespace {

// Alt, with or without Shift, and not Ctrl+Alt, which is AltGr on Windows.
bool isAltChord(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key.text().isEmpty();
}

class FieldKeys : public QObject {
public:
    explicit FieldKeys(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool key =
            event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
        if (!key)
            return QObject::eventFilter(watched, event);
        const auto& pressed = static_cast<const QKeyEvent&>(*event);
        if (event->type() == QEvent::ShortcutOverride && isWindowShortcut(pressed)) {
            event->ignore(); // not claimed by the field: the window's shortcut runs
            return true;
        }
        // Access keys and shortcuts have had their turn before the key press arrives. A disabled
        // command's key (Undo with nothing to undo) must not reach the field's own binding.
        if (event->type() == QEvent::KeyPress &&
            (isAltChord(pressed) || isWindowShortcut(pressed))) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool isWindowShortcut(const QKeyEvent& key) const {
        if (!(key.modifiers() & Qt::ControlModifier))
            return false;
        const QKeySequence pressed(key.keyCombination());
        const auto actions = window_->findChildren<QAction*>();
        return std::any_of(actions.begin(), actions.end(), [&](const QAction* action) {
            return action->shortcuts().contains(pressed);
        });
    }

    QWidget* window_; // our parent: it outlives us
};

} // namespace

void guardFieldKeys(QWidget* window) {
    auto* filter = new FieldKeys(window);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus)
            widget->installEventFilter(filter);
    }
}

} // namespace keelwright

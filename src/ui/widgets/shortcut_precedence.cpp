// SPDX-License-Identifier: MIT
#include "ui/widgets/shortcut_precedence.h"

#include <algorithm>

#include <QAction>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace keelwright {
namespace {

class ShortcutPrecedence : public QObject {
public:
    explicit ShortcutPrecedence(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && isWindowShortcut(*event)) {
            event->ignore(); // not claimed by the field: the window's shortcut runs
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool isWindowShortcut(const QEvent& event) const {
        const auto& key = static_cast<const QKeyEvent&>(event);
        if (!(key.modifiers() & Qt::ControlModifier))
            return false;
        const QKeySequence pressed(key.keyCombination());
        const auto actions = window_->findChildren<QAction*>();
        return std::any_of(actions.begin(), actions.end(), [&](const QAction* action) {
            return action->isEnabled() && action->shortcut() == pressed;
        });
    }

    QWidget* window_; // our parent: it outlives us
};

} // namespace

void giveShortcutsPrecedence(QWidget* window) {
    auto* filter = new ShortcutPrecedence(window);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus)
            widget->installEventFilter(filter);
    }
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/editor/close_guard.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <utility>

namespace keelwright {
namespace {

class CloseGuard : public QObject {
public:
    CloseGuard(QWidget* window, std::function<bool()> mayClose)
        : QObject(window), mayClose_(std::move(mayClose)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && !mayClose_()) {
            event->ignore(); // the window stays, with everything on it
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> mayClose_;
};

} // namespace

void guardClose(QWidget* window, std::function<bool()> mayClose) {
    window->installEventFilter(new CloseGuard(window, std::move(mayClose)));
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/helpers/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace keelwright {
namespace {

// The local files a drag carries, or nothing when it carries anything else.
QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

class FileDrop : public QObject {
public:
    FileDrop(QWidget* window, std::function<void(const QStringList&)> open)
        : QObject(window), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (localFiles(drag->mimeData()).isEmpty())
                break;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList paths = localFiles(drop->mimeData());
            if (paths.isEmpty())
                break;
            drop->acceptProposedAction();
            open_(paths);
            return true;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(const QStringList&)> open_;
};

} // namespace

void acceptFileDrops(QWidget* window, std::function<void(const QStringList& paths)> open) {
    auto* filter = new FileDrop(window, std::move(open));
    window->setAcceptDrops(true);
    window->installEventFilter(filter);
    for (QWidget* widget : window->findChildren<QWidget*>())
        widget->installEventFilter(filter);
}

} // namespace keelwright

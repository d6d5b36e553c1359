#include "ui/widgets/window_helpers.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace keelwright {

void present(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

QMessageBox* openMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                            QMessageBox::StandardButtons buttons, QWidget* parent,
                            const QString& objectName) {
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

QFileDialog* openFileDialog(QWidget* parent, const QString& objectName,
                            QFileDialog::AcceptMode mode, const QStringList& filters,
                            const QString& selected) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(objectName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAcceptMode(mode);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(selected);
    return dialog;
}

QAction* addCommand(QMenu* menu, const QString& caption, const char* objectName,
                    const char* shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    if (shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return action;
}

void addNamedSeparator(QMenu* menu, const char* objectName) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(objectName));
}

} // namespace keelwright

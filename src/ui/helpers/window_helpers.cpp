// SPDX-License-Identifier: MIT
#include "ui/helpers/window_helpers.h"

#include "ui/storage/scratch_settings.h"

#include <QAction>
#include <QColor>
#include <QFileSystemModel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QWidget>

namespace keelwright {

void present(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void keepNaturalSize(QMainWindow* window) {
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
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
    keepSettingsOutOfHome(); // the dialog reads and writes its history through QSettings
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(objectName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog writes its history as it goes; what it wrote outside the scratch folder goes too.
    QObject::connect(dialog, &QObject::destroyed, [] { putBackDialogHistory(); });
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAcceptMode(mode);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(selected);
    // Where the dialogs were first drawn "*.*" meant every file; Qt takes it literally and would
    // hide every name without a dot, such as a class saved as "galleon".
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        auto* files = dialog->findChild<QFileSystemModel*>();
        if (files && filter.contains(QStringLiteral("(*.*)")))
            files->setNameFilters({QStringLiteral("*")});
    });
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

QColor warningColor() {
    return QColor(0xB0, 0x00, 0x20); // a dark red that keeps its contrast on a light window
}

} // namespace keelwright

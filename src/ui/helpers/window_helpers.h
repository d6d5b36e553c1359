// SPDX-License-Identifier: MIT
#pragma once
// What every window does the same way: come forward, ask or tell in a box, offer a menu command.

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

class QAction;
class QColor;
class QMainWindow;
class QMenu;
class QWidget;

namespace keelwright {

// Shows a window modeless, or brings it forward where it stands, restored if it was minimised.
void present(QWidget* window);

// Holds an editor at the size its contents ask for, without a maximise button: its controls
// stand where the design puts them, so more room would only show as gaps between them.
void keepNaturalSize(QMainWindow* window);

// A message box that is application-modal yet opens without a nested event loop, and deletes
// itself once answered. Call show() on it; open() would make it modal to one window only.
QMessageBox* openMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                            QMessageBox::StandardButtons buttons, QWidget* parent,
                            const QString& objectName);

// A file dialog that is application-modal yet opens without a nested event loop: the window
// stays responsive to assistive tools, and the answer arrives through fileSelected. It deletes
// itself once answered; call show() on it. `filters` are listed in order, `selected` chosen.
QFileDialog* openFileDialog(QWidget* parent, const QString& objectName,
                            QFileDialog::AcceptMode mode, const QStringList& filters,
                            const QString& selected);

// The colour of a figure that warns: an overdrawn class's free reactor power.
QColor warningColor();

// A menu command with its caption, object name and, where it has one, a literal shortcut such as
// "Ctrl+E" (the platform's standard keys are empty on some systems).
QAction* addCommand(QMenu* menu, const QString& caption, const char* objectName,
                    const char* shortcut = nullptr);
void addNamedSeparator(QMenu* menu, const char* objectName);

} // namespace keelwright

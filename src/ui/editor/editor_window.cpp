// SPDX-License-Identifier: MIT
#include "ui/editor/editor_window.h"

#include "ui/editor/file_commands.h"
#include "ui/editor/form_binder.h"
#include "ui/helpers/field_keys.h"
#include "ui/helpers/file_drop.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QUndoStack>

namespace keelwright {

EditorWindow::EditorWindow(FileContent form, QWidget* parent)
    : QMainWindow(parent), document_(new Document(form, this)) {}

QMenu* EditorWindow::addFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    addFileCommands(file, this);
    return file;
}

void EditorWindow::addEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuedit"));
    // Their captions name the step ("&Undo Reset"); they are disabled when there is none.
    QAction* undo = document_->history()->createUndoAction(edit, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnueditundo"));
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction* redo = document_->history()->createRedoAction(edit, tr("&Redo"));
    redo->setObjectName(QStringLiteral("mnueditredo"));
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    edit->addAction(undo);
    edit->addAction(redo);
}

void EditorWindow::addGameMenu() {
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnugame"));
    gameState_ = game->addAction(tr("Not connected"));
    gameState_->setObjectName(QStringLiteral("mnugamestate"));
    gameState_->setEnabled(false);
    game->addSeparator();
    connect(addCommand(game, tr("&Connect..."), "mnugameconnect"), &QAction::triggered, this,
            &EditorWindow::connectRequested);
    connect(addCommand(game, tr("&Send to Game"), "mnugamesend", "Ctrl+G"), &QAction::triggered,
            this, &EditorWindow::sendRequested);
    connect(addCommand(game, tr("Send C&hanges to Game"), "mnugamechanges", "Ctrl+Shift+G"),
            &QAction::triggered, this, &EditorWindow::sendChangesRequested);
    disconnect_ = addCommand(game, tr("&Disconnect"), "mnugamedisconnect");
    disconnect_->setEnabled(false);
    connect(disconnect_, &QAction::triggered, this, &EditorWindow::disconnectRequested);
    forget_ = addCommand(game, tr("&Forget This Game"), "mnugameforget");
    forget_->setEnabled(false);
    connect(forget_, &QAction::triggered, this, &EditorWindow::forgetGameRequested);
}

void EditorWindow::showGameState(const QString& state, bool connected, bool known) {
    if (gameState_)
        gameState_->setText(state);
    if (disconnect_)
        disconnect_->setEnabled(connected);
    if (forget_)
        forget_->setEnabled(known);
}

void EditorWindow::bindForm(FormBinder& binder) {
    binder_ = &binder;
    binder.onChange([this](std::size_t field) {
        document_->edit(field, utf8(binder_->text(field)), binder_->lineEdit(field) != nullptr);
    });
    connect(document_, &Document::changed, this, &EditorWindow::showDocument);
    connect(document_, &Document::stepRetraced, this, &EditorWindow::focusField);
    // Typing in a field is one step until the focus moves on.
    connect(qApp, &QApplication::focusChanged, document_, &Document::closeStep);
    guardFieldKeys(this);
    acceptFileDrops(this, [this](const QStringList& paths) { emit filesDropped(paths); });
}

void EditorWindow::reset() {
    document_->replace(resetValues(form(), document_->values()), tr("Reset"));
}

void EditorWindow::showDocument() {
    binder_->show(document_->values());
}

void EditorWindow::focusField(std::size_t field) {
    showField(field);
    binder_->widget(field)->setFocus(Qt::OtherFocusReason);
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/shell/shell.h"

#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "core/shell/about_text.h"
#include "ui/classes/class_editor_window.h"
#include "ui/game/game_connection.h"
#include "ui/game/game_window.h"
#include "ui/helpers/window_helpers.h"
#include "ui/output/output_window.h"
#include "ui/storage/games_list.h"
#include "ui/storage/recovery_store.h"
#include "ui/weapons/weapon_editor_window.h"

#include <QApplication>

namespace keelwright {
namespace {} // namespace

OutputWindow* Shell::obtain(QPointer<OutputWindow>& slot, const char* name) {
    if (!slot) {
        slot = new OutputWindow(QString::fromLatin1(name));
        OutputWindow* window = slot;
        connect(window, &OutputWindow::sendRequested, this,
                [this, window] { sendText(window->text(), window); });
    }
    return slot;
}

void Shell::showExport(FileContent form, const std::string& text, ExportKind kind) {
    OutputWindow* window = form == FileContent::Weapon ? obtain(weaponOutput_, "Form4")
                                                       : obtain(classOutput_, "Form2");
    window->setText(QString::fromStdString(text));
    if (kind == ExportKind::Changes)
        window->forgetFileName();
    present(window);
}

Shell::Shell()
    : classEditor_(std::make_unique<ClassEditorWindow>()), connection_(new GameConnection(this)),
      keyring_(systemKeyring()) {
    listenToGame();
    listenTo(classEditor_.get());
    connect(classEditor(), &ClassEditorWindow::quitRequested, this, &Shell::askToQuit);
    connect(classEditor(), &ClassEditorWindow::aboutRequested, this, &Shell::showAbout);
    connect(classEditor(), &ClassEditorWindow::weaponEditorRequested, this,
            &Shell::openWeaponEditor);
}

EditorWindow* Shell::editor(FileContent form) const {
    if (form == FileContent::Weapon)
        return weaponEditor_;
    return classEditor_.get();
}

// What both editors ask of the shell alike, and what each asks of its own.
void Shell::listenTo(EditorWindow* editor) {
    const FileContent form = editor->form();
    connect(editor, &EditorWindow::openRequested, this, [this, editor] { showOpenDialog(editor); });
    connect(editor, &EditorWindow::openFolderRequested, this,
            [this, editor] { showOpenFolderDialog(editor); });
    connect(editor, &EditorWindow::filesDropped, this,
            [this](const QStringList& paths) { openFiles(paths); });
    connect(editor, &EditorWindow::saveRequested, editor, [editor] { editor->save(); });
    connect(editor, &EditorWindow::saveAsRequested, editor, [editor] { editor->saveAs(); });
    // The fleet window shows what was written at once.
    connect(editor, &EditorWindow::fileWritten, this, [this](const QString& path) {
        if (fleet_)
            fleet_->fileWritten(path);
    });
    const bool weapon = form == FileContent::Weapon;
    connect(editor, &EditorWindow::exportChangesRequested, this,
            weapon ? &Shell::exportWeaponChanges : &Shell::exportClassChanges);
    connect(editor, &EditorWindow::exportRequested, this,
            weapon ? &Shell::exportWeapon : &Shell::exportClass);
    connect(editor, &EditorWindow::connectRequested, this,
            [this, editor] { showConnectDialog(editor); });
    connect(editor, &EditorWindow::sendRequested, this,
            [this, form] { sendForm(form, SendKind::Full); });
    connect(editor, &EditorWindow::sendChangesRequested, this,
            [this, form] { sendForm(form, SendKind::Changes); });
    connect(editor, &EditorWindow::disconnectRequested, connection_,
            &GameConnection::disconnectFromGame);
    connect(editor, &EditorWindow::forgetGameRequested, this,
            [this, editor] { forgetGame(editor); });
    showGameStateIn(editor); // it may not be the shell's own yet
}

// Windows still open at the end go with the program, unasked.
Shell::~Shell() {
    delete classOutput_.data();
    delete weaponEditor_.data();
    delete weaponOutput_.data();
    delete fleet_.data();
    delete gameWindow_.data();
}

void Shell::start() {
    classEditor_->show();
}

void Shell::exportClass() {
    const ShipClassRecord record = classEditor_->record();
    showExport(FileContent::ShipClass, keelwright::exportClass(record), ExportKind::Full);
    classEditor_->document().exported();
}

void Shell::exportWeapon() {
    if (!weaponEditor_)
        return;
    const WeaponRecord weapon = weaponEditor_->record();
    showExport(FileContent::Weapon, keelwright::exportWeapon(weapon), ExportKind::Full);
    weaponEditor_->document().exported();
}

void Shell::openWeaponEditor() {
    if (!weaponEditor_) {
        weaponEditor_ = new WeaponEditorWindow();
        listenTo(weaponEditor_);
        if (recovery_)
            recovery_->watch(&weaponEditor_->document());
    }
    present(weaponEditor_);
}

void Shell::askToQuit() {
    // Edits a file would lose are the question then, editor by editor; saved or discarded, the
    // program ends.
    const auto unsaved = [this](FileContent form) {
        return editor(form) && editor(form)->document().holdsUnsavedEdits();
    };
    if (unsaved(FileContent::ShipClass) || unsaved(FileContent::Weapon)) {
        const auto quit = [] { QApplication::exit(0); };
        classEditor_->maybeSave([this, quit] {
            if (weaponEditor_)
                weaponEditor_->maybeSave(quit);
            else
                quit();
        });
        return;
    }
    QMessageBox* box = openMessageBox(
        QMessageBox::Question, tr("Quit"), tr("Are you sure you want to quit?"),
        QMessageBox::Yes | QMessageBox::No, classEditor_.get(), QStringLiteral("QuitQuestion"));
    box->setDefaultButton(QMessageBox::Yes);
    connect(box, &QMessageBox::finished, this, [](int answer) {
        if (answer == QMessageBox::Yes)
            QApplication::exit(0);
    });
    box->show();
}

void Shell::showAbout() {
    QMessageBox* box =
        openMessageBox(QMessageBox::Information, tr("About"), QString::fromStdString(aboutText()),
                       QMessageBox::Ok, classEditor_.get(), QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::PlainText);
    box->show();
}

} // namespace keelwright

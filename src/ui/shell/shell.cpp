// SPDX-License-Identifier: MIT
#include "ui/shell/shell.h"

#include "core/export/class_export.h"
#include "core/shell/about_text.h"
#include "core/weapons/weapon_export.h"
#include "ui/classes/class_editor_window.h"
#include "ui/output/output_window.h"
#include "ui/weapons/weapon_editor_window.h"
#include "ui/widgets/close_guard.h"
#include "ui/widgets/window_helpers.h"

#include <QApplication>

namespace keelwright {
namespace {

OutputWindow* obtain(QPointer<OutputWindow>& slot, const char* name) {
    if (!slot)
        slot = new OutputWindow(QString::fromLatin1(name));
    return slot;
}

} // namespace

void Shell::showExport(FileContent content, const std::string& text, ExportKind kind) {
    OutputWindow* window = content == FileContent::Weapon ? obtain(weaponOutput_, "Form4")
                                                          : obtain(classOutput_, "Form2");
    window->setText(QString::fromStdString(text));
    if (kind == ExportKind::Changes)
        window->forgetFileName();
    present(window);
}

Shell::Shell() : classEditor_(std::make_unique<ClassEditorWindow>()) {
    listenTo(classEditor_.get());
}

// What both editors ask of the shell alike.
template <class Editor> void Shell::listenToFileCommands(Editor* editor, FileContent content) {
    connect(editor, &Editor::openRequested, this, [this, editor] { showOpenDialog(editor); });
    connect(editor, &Editor::filesDropped, this,
            [this](const QStringList& paths) { openFiles(paths); });
    connect(editor, &Editor::saveRequested, this, [this, content] { save(content); });
    connect(editor, &Editor::saveAsRequested, this, [this, content] { saveAs(content); });
    guardClose(editor, [this, content] { return mayClose(content); });
}

void Shell::listenTo(ClassEditorWindow* editor) {
    listenToFileCommands(editor, FileContent::ShipClass);
    connect(editor, &ClassEditorWindow::exportChangesRequested, this, &Shell::exportClassChanges);
    connect(editor, &ClassEditorWindow::exportRequested, this, &Shell::exportClass);
    connect(editor, &ClassEditorWindow::quitRequested, this, &Shell::askToQuit);
    connect(editor, &ClassEditorWindow::aboutRequested, this, &Shell::showAbout);
    connect(editor, &ClassEditorWindow::weaponEditorRequested, this, &Shell::openWeaponEditor);
}

void Shell::listenTo(WeaponEditorWindow* editor) {
    listenToFileCommands(editor, FileContent::Weapon);
    connect(editor, &WeaponEditorWindow::exportChangesRequested, this, &Shell::exportWeaponChanges);
    connect(editor, &WeaponEditorWindow::exportRequested, this, &Shell::exportWeapon);
}

// Windows still open at the end go with the program, unasked.
Shell::~Shell() {
    delete classOutput_.data();
    delete weaponEditor_.data();
    delete weaponOutput_.data();
}

void Shell::start() {
    classEditor_->show();
}

void Shell::exportClass() {
    const ShipClassRecord record = classEditor_->record();
    showExport(FileContent::ShipClass, keelwright::exportClass(record), ExportKind::Full);
    classEditor_->document().exported(record);
}

void Shell::exportWeapon() {
    if (!weaponEditor_)
        return;
    const WeaponRecord weapon = weaponEditor_->record();
    showExport(FileContent::Weapon, keelwright::exportWeapon(weapon), ExportKind::Full);
    weaponEditor_->document().exported(weapon);
}

void Shell::openWeaponEditor() {
    if (!weaponEditor_) {
        weaponEditor_ = new WeaponEditorWindow();
        listenTo(weaponEditor_.data());
    }
    present(weaponEditor_);
}

void Shell::askToQuit() {
    // Edits a file would lose are the question then; saved or discarded, the program ends.
    if (holdsUnsavedEdits(FileContent::ShipClass) || holdsUnsavedEdits(FileContent::Weapon)) {
        settleUnsaved({FileContent::ShipClass, FileContent::Weapon}, [] { QApplication::exit(0); });
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

#include "shell/shell.h"

#include "classes/class_editor_window.h"
#include "export/class_export.h"
#include "output/output_window.h"
#include "shell/about_text.h"
#include "weapons/weapon_editor_window.h"
#include "weapons/weapon_export.h"

#include <QApplication>
#include <QMessageBox>

namespace keelwright {
namespace {

OutputWindow* obtain(QPointer<OutputWindow>& slot, const char* name) {
    if (!slot)
        slot = new OutputWindow(QString::fromLatin1(name));
    return slot;
}

void fill(OutputWindow* window, const std::string& text) {
    window->setText(QString::fromStdString(text));
    window->present();
}

// Message boxes open without a nested event loop, application-modal, and delete themselves.
// show(), not open(): open() would make them modal to one window only.
QMessageBox* openBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                     QMessageBox::StandardButtons buttons, QWidget* parent) {
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

} // namespace

Shell::Shell() : classEditor_(std::make_unique<ClassEditorWindow>()) {
    ClassEditorWindow* editor = classEditor_.get();
    connect(editor, &ClassEditorWindow::exportRequested, this, &Shell::exportClass);
    connect(editor, &ClassEditorWindow::quitRequested, this, &Shell::askToQuit);
    connect(editor, &ClassEditorWindow::aboutRequested, this, &Shell::showAbout);
    connect(editor, &ClassEditorWindow::weaponEditorRequested, this, &Shell::openWeaponEditor);
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
    fill(obtain(classOutput_, "Form2"), keelwright::exportClass(classEditor_->record()));
}

void Shell::exportWeapon() {
    if (weaponEditor_)
        fill(obtain(weaponOutput_, "Form4"), keelwright::exportWeapon(weaponEditor_->record()));
}

void Shell::openWeaponEditor() {
    if (!weaponEditor_) {
        weaponEditor_ = new WeaponEditorWindow();
        connect(weaponEditor_, &WeaponEditorWindow::exportRequested, this, &Shell::exportWeapon);
    }
    weaponEditor_->present();
}

void Shell::askToQuit() {
    QMessageBox* box =
        openBox(QMessageBox::Question, tr("Quit"), tr("Are you sure you want to quit?"),
                QMessageBox::Yes | QMessageBox::No, classEditor_.get());
    box->setObjectName(QStringLiteral("QuitQuestion"));
    box->setDefaultButton(QMessageBox::Yes);
    connect(box, &QMessageBox::finished, this, [](int answer) {
        if (answer == QMessageBox::Yes)
            QApplication::exit(0);
    });
    box->show();
}

void Shell::showAbout() {
    QMessageBox* box =
        openBox(QMessageBox::Information, tr("About"), QString::fromStdString(aboutText()),
                QMessageBox::Ok, classEditor_.get());
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::PlainText);
    box->show();
}

} // namespace keelwright

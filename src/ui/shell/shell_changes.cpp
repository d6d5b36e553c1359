// SPDX-License-Identifier: MIT
// The editors' way to the game: Export Changes, and what it says when it has nothing to write or
// cannot write everything.
#include "core/document/form_values.h"
#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"
#include "ui/shell/shell.h"

#include <QCoreApplication>

#include <optional>
#include <string_view>
#include <vector>

namespace keelwright {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("keelwright::Save", text);
}

// A box titled "Export Changes" that tells and needs no answer.
void tellAboutChanges(QWidget* editor, const QString& text, const char* name) {
    QMessageBox* box = openMessageBox(QMessageBox::Information, tr("Export Changes"), text,
                                      QMessageBox::Ok, editor, QString::fromLatin1(name));
    box->setTextFormat(Qt::PlainText);
    box->show();
}

} // namespace

void Shell::tellNothingChanged(QWidget* editor) {
    tellAboutChanges(editor, tr("Nothing has changed since the file was opened or last exported."),
                     "NothingChanged");
}

void Shell::tellSystemsStay(const std::vector<std::string_view>& titles) {
    QStringList systems;
    for (const std::string_view title : titles)
        systems << qs(title);
    tellAboutChanges(classEditor_.get(),
                     tr("No command takes a system out of a class, so these systems stay in the "
                        "game although they are no longer included: %1.")
                         .arg(systems.join(QStringLiteral(", "))),
                     "SystemsStay");
}

// With a game, Export Changes writes what it does not hold, as Send Changes would send it.
bool Shell::exportGameChanges(EditorWindow* editor, FileContent form) {
    std::optional<GameChanges> changes = gameChanges(form, editor->document().values());
    if (!changes)
        return false;
    if (changes->lines.empty()) {
        tellAboutChanges(editor, gameHoldsFormText(), "NothingChanged");
        return true;
    }
    std::string text;
    for (const std::string& line : changes->lines)
        text.append(line).append("\r\n");
    showExport(form, text, ExportKind::Changes);
    editor->document().exported();
    return true;
}

void Shell::exportClassChanges() {
    if (exportGameChanges(classEditor_.get(), FileContent::ShipClass))
        return;
    const ShipClassRecord record = classEditor_->record();
    const auto& baseline = classEditor_->document().baseline();
    const ClassChanges changes = keelwright::exportClassChanges(
        baseline ? std::optional(shipClassOf(*baseline)) : std::nullopt, record);
    if (changes.text.empty() && changes.systemsLeft.empty()) {
        tellNothingChanged(classEditor_.get());
        return;
    }
    // With only systems taken out there is no line to write: the output stays as it was.
    if (!changes.text.empty())
        showExport(FileContent::ShipClass, changes.text, ExportKind::Changes);
    classEditor_->document().exported();
    if (!changes.systemsLeft.empty())
        tellSystemsStay(changes.systemsLeft);
}

void Shell::exportWeaponChanges() {
    if (!weaponEditor_ || exportGameChanges(weaponEditor_, FileContent::Weapon))
        return;
    const WeaponRecord weapon = weaponEditor_->record();
    const auto& baseline = weaponEditor_->document().baseline();
    const std::string text = keelwright::exportWeaponChanges(
        baseline ? std::optional(weaponFromTexts(*baseline)) : std::nullopt, weapon);
    if (text.empty()) {
        tellNothingChanged(weaponEditor_);
        return;
    }
    showExport(FileContent::Weapon, text, ExportKind::Changes);
    weaponEditor_->document().exported();
}

} // namespace keelwright

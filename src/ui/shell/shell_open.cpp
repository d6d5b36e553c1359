// SPDX-License-Identifier: MIT
// The shell's Open: the dialog, the files named at start or dropped, and the question asked
// before an editor's edits are replaced.
#include "ui/helpers/window_helpers.h"
#include "ui/shell/file_reading.h"
#include "ui/shell/shell.h"

#include <QFileInfo>

#include <optional>
#include <utility>

namespace keelwright {

void Shell::showOpenDialog(QWidget* parent) {
    const QString textFiles = QStringLiteral("Text Files (*.txt)");
    QFileDialog* dialog =
        openFileDialog(parent, QStringLiteral("OpenDialog"), QFileDialog::AcceptOpen,
                       {textFiles, QStringLiteral("All Files (*)")}, textFiles);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { openFiles({path}); });
    dialog->show();
}

void Shell::openFiles(const QStringList& paths, bool ask) {
    QStringList report;
    std::optional<OpenedFile> shipClass, weapon;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            showFleet(path);
            continue;
        }
        OpenedFile file = readFile(path, classEditor_->record());
        if (file.manyRecords) { // each record opens from the fleet window
            showFleet(path);
            continue;
        }
        if (file.reading.refusal) {
            report << refusalText(file);
            continue;
        }
        auto& slot = file.reading.content == FileContent::Weapon ? weapon : shipClass;
        if (slot)
            report << supersededText(*slot, file);
        slot = std::move(file);
    }
    for (const auto* file : {&shipClass, &weapon}) {
        if (*file)
            offer(**file, ask, report);
    }
    warnAboutOpening(report);
}

void Shell::offer(const OpenedFile& file, bool ask, QStringList& report) {
    EditorWindow* target = editor(file.reading.content);
    if (!ask || !target || !target->document().holdsEdits()) {
        apply(file);
        report << findingsText(file);
        return;
    }
    const QString question =
        file.reading.content == FileContent::Weapon
            ? tr("Replace the weapon on the form with the one in %1?").arg(file.name())
            : tr("Replace the ship class on the form with the one in %1?").arg(file.name());
    QMessageBox* box = openMessageBox(QMessageBox::Question, tr("Open"), question,
                                      QMessageBox::Yes | QMessageBox::No, target,
                                      QStringLiteral("ReplaceQuestion"));
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [this, file](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        apply(file);
        warnAboutOpening({findingsText(file)});
    });
    box->show();
}

void Shell::apply(const OpenedFile& file) {
    const EditorFile tie{file.path, file.digest, file.reading.linesNotOnForm,
                         file.reading.fromWindows1252, file.record};
    const bool weapon = file.reading.content == FileContent::Weapon;
    if (weapon)
        openWeaponEditor();
    EditorWindow* target = editor(file.reading.content);
    target->document().open(
        weapon ? weaponTexts(file.reading.weapon) : valuesOf(file.reading.shipClass), tie);
    present(target);
}

void Shell::warnAboutOpening(const QStringList& report) {
    QStringList parts = report;
    parts.removeAll(QString());
    if (parts.isEmpty())
        return;
    QMessageBox* box =
        openMessageBox(QMessageBox::Warning, tr("Open"), parts.join(QStringLiteral("\n\n")),
                       QMessageBox::Ok, classEditor_.get(), QStringLiteral("OpenWarning"));
    box->setTextFormat(Qt::PlainText);
    box->show();
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
// The editors' way back to the file and the game: Save, Save As, Export Changes, and the
// questions asked before edits or lines of a file could be lost.
#include "core/document/form_values.h"
#include "core/export/class_export.h"
#include "core/export/command_file.h"
#include "core/fleet/file_records.h"
#include "core/shell/file_names.h"
#include "core/weapons/weapon_export.h"
#include "ui/shell/file_reading.h"
#include "ui/shell/shell.h"
#include "ui/storage/text_file.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_helpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace keelwright {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("keelwright::Save", text);
}

using Then = std::function<void()>;

std::string suggestedName(const EditorWindow* editor) {
    const FormValues& values = editor->document().values();
    if (editor->form() == FileContent::Weapon)
        return suggestedFileName(weaponFromTexts(values).name, "weapon");
    return suggestedFileName(values[fieldIndex("Text2").value()], "class");
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

bool sameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// What replacing the editor's file would cost, each in a sentence; empty when nothing.
QStringList risksOfReplacing(const EditorFile& file) {
    QStringList risks;
    const QString name = fileName(file.path);
    if (file.linesNotOnForm == 1)
        risks << tr("%1 holds 1 line that is not on the form; saving replaces the whole file and "
                    "it is lost.")
                     .arg(name);
    else if (file.linesNotOnForm > 1)
        risks << tr("%1 holds %2 lines that are not on the form; saving replaces the whole file "
                    "and they are lost.")
                     .arg(name)
                     .arg(file.linesNotOnForm);
    const auto onDisk = digestOnDisk(file.path);
    if (onDisk && *onDisk != file.digest)
        risks << tr("%1 was changed by another program since it was opened or saved; saving "
                    "replaces that change.")
                     .arg(name);
    if (file.fromWindows1252)
        risks << tr("%1 was read as Windows-1252; it is saved as UTF-8.").arg(name);
    return risks;
}

// Writes the form's full export to `path` and makes it the editor's file. A failed write leaves
// the file as it was and says why.
void writeForm(EditorWindow* editor, const QString& path, const Then& then) {
    Document& document = editor->document();
    const QByteArray bytes =
        QByteArray::fromStdString(exportForm(document.form(), document.values()));
    if (const auto failure = writeFileAtomically(path, bytes)) {
        openMessageBox(QMessageBox::Warning, tr("Save"),
                       tr("%1 could not be saved.\n\n%2").arg(path, *failure), QMessageBox::Ok,
                       editor, QStringLiteral("SaveFailed"))
            ->show();
        return;
    }
    document.saved(EditorFile{path, fileDigest(bytes), 0, false, {}});
    if (then)
        then();
}

// A record of a file of many, as questions name it: class "101".
QString recordName(FileContent form, const RecordPlace& place) {
    return (form == FileContent::Weapon ? tr("weapon \"%1\"") : tr("class \"%1\""))
        .arg(qs(place.number));
}

// Where the editor's record stands in its file as it is now: where it was read or last saved
// while the file is unchanged; else where its kind and number stand now; no lines when it is gone
// (it is added at the end), or the file too (the record is written alone).
struct RecordOnDisk {
    QByteArray bytes;
    std::vector<std::size_t> lines;
    bool changed = false;
    bool unreadable = false; // the file is there but cannot be read whole: it is not written
};

RecordOnDisk findOnDisk(const EditorWindow* editor) {
    const EditorFile& file = editor->document().file();
    RecordOnDisk out;
    if (QFileInfo::exists(file.path)) {
        const auto bytes = readFileBytes(file.path);
        out.unreadable = !bytes || std::size_t(bytes->size()) > kMaxFleetFileBytes;
        if (out.unreadable)
            return out;
        out.bytes = *bytes;
    }
    out.changed = fileDigest(out.bytes) != file.digest;
    if (!out.changed) {
        out.lines = file.record->lines;
        return out;
    }
    const std::string_view bytes(out.bytes.constData(), std::size_t(out.bytes.size()));
    out.lines = findRecord(readRecords(bytes), editor->form(), file.record->number)
                    .value_or(std::vector<std::size_t>());
    return out;
}

// What writing the record back would cost, each in a sentence; the rest of the file is kept.
QStringList risksOfReplacingRecord(const EditorWindow* editor) {
    const EditorFile& file = editor->document().file();
    const QString name = fileName(file.path), record = recordName(editor->form(), *file.record);
    QStringList risks;
    if (file.linesNotOnForm > 0)
        risks << tr("%1 in %2 has %3 lines that are not on the form; saving replaces its lines and "
                    "they are lost.")
                     .arg(record, name)
                     .arg(file.linesNotOnForm);
    const RecordOnDisk onDisk = findOnDisk(editor);
    if (onDisk.unreadable)
        return {}; // nothing to weigh: it is not written
    if (onDisk.changed && onDisk.lines.empty())
        risks << tr("%1 was changed by another program since it was opened or saved, and %2 is "
                    "no longer in it; saving adds it at the end.")
                     .arg(name, record);
    else if (onDisk.changed)
        risks << tr("%1 was changed by another program since it was opened or saved; saving "
                    "replaces %2, which now stands at line %3, and keeps the rest.")
                     .arg(name, record)
                     .arg(onDisk.lines.front());
    const std::string text = exportForm(editor->form(), editor->document().values());
    if (file.fromWindows1252 && !utf8ToWindows1252(text))
        risks << tr("%1 is in Windows-1252, which lacks characters on the form; the lines of %2 "
                    "are saved as UTF-8.")
                     .arg(name, record);
    return risks;
}

// Writes the form's export in place of its record's lines; every other line stays as it is.
void writeRecord(EditorWindow* editor, const Then& then) {
    Document& document = editor->document();
    const EditorFile& file = document.file();
    const RecordOnDisk onDisk = findOnDisk(editor);
    const std::string_view before(onDisk.bytes.constData(), std::size_t(onDisk.bytes.size()));
    const std::string text = exportForm(document.form(), document.values());
    const QByteArray bytes =
        QByteArray::fromStdString(replaceRecord(before, onDisk.lines, text, file.fromWindows1252));
    std::optional<QString> failure;
    if (onDisk.unreadable) // its other records would be lost
        failure = tr("It can no longer be read whole, so its other records cannot be kept. Save "
                     "As writes the record to a file of its own.");
    else
        failure = writeFileAtomically(file.path, bytes);
    if (failure) {
        openMessageBox(QMessageBox::Warning, tr("Save"),
                       tr("%1 could not be saved.\n\n%2").arg(file.path, *failure), QMessageBox::Ok,
                       editor, QStringLiteral("SaveFailed"))
            ->show();
        return;
    }
    // The number on the form may have changed: the record is known by the one it now has.
    const FileRecords written = readRecords(text);
    RecordPlace place{written.records.empty() ? file.record->number
                                              : written.records.front().number,
                      replacedLines(before, onDisk.lines, text)};
    document.saved(
        EditorFile{file.path, fileDigest(bytes), 0, file.fromWindows1252, std::move(place)});
    if (then)
        then();
}

void saveFormAs(EditorWindow* editor, const Then& then);

// Save over the editor's own file, after a question where that would lose something.
void saveForm(EditorWindow* editor, const Then& then) {
    const EditorFile& file = editor->document().file();
    if (file.path.isEmpty()) {
        saveFormAs(editor, then);
        return;
    }
    const bool record = file.record.has_value();
    const QStringList risks = record ? risksOfReplacingRecord(editor) : risksOfReplacing(file);
    const auto write = [editor, path = file.path, record, then] {
        if (record)
            writeRecord(editor, then);
        else
            writeForm(editor, path, then);
    };
    if (risks.isEmpty()) {
        write();
        return;
    }
    QMessageBox* box = openMessageBox(
        QMessageBox::Warning, tr("Save"), risks.join(u' ') + u' ' + tr("Save anyway?"),
        QMessageBox::Yes | QMessageBox::No, editor, QStringLiteral("ReplaceFileQuestion"));
    box->setDefaultButton(QMessageBox::No);
    QObject::connect(box, &QMessageBox::finished, editor, [write](int answer) {
        if (answer == QMessageBox::Yes)
            write();
    });
    box->show();
}

void saveFormAs(EditorWindow* editor, const Then& then) {
    const QString textFiles = QStringLiteral("Text Files (*.txt)");
    QFileDialog* dialog =
        openFileDialog(editor, QStringLiteral("SaveAsDialog"), QFileDialog::AcceptSave,
                       {textFiles, QStringLiteral("All Files (*)")}, textFiles);
    // Qt's dialog asks before it replaces an existing file.
    const QString current = editor->document().file().path;
    if (current.isEmpty()) {
        dialog->setDirectory(QDir::currentPath());
        dialog->selectFile(qs(suggestedName(editor)));
    } else {
        dialog->selectFile(current);
    }
    QObject::connect(dialog, &QFileDialog::fileSelected, editor,
                     [editor, then](const QString& path) {
                         // The editor's own file keeps Save's questions about what it holds.
                         const QString own = editor->document().file().path;
                         if (!own.isEmpty() && sameFile(path, own))
                             saveForm(editor, then);
                         else
                             writeForm(editor, path, then);
                     });
    dialog->show();
}

// A box titled "Export Changes" that tells and needs no answer.
void tellAboutChanges(QWidget* editor, const QString& text, const char* name) {
    QMessageBox* box = openMessageBox(QMessageBox::Information, tr("Export Changes"), text,
                                      QMessageBox::Ok, editor, QString::fromLatin1(name));
    box->setTextFormat(Qt::PlainText);
    box->show();
}

void tellNothingChanged(QWidget* editor) {
    tellAboutChanges(editor,
                     tr("Nothing has changed since the file was opened, saved or exported."),
                     "NothingChanged");
}

} // namespace

// The fleet window shows what was written at once.
Then Shell::afterWriting(EditorWindow* editor, const Then& then) {
    return [this, editor, then] {
        if (fleet_)
            fleet_->fileWritten(editor->document().file().path);
        if (then)
            then();
    };
}

void Shell::save(FileContent form, const Then& then) {
    if (EditorWindow* target = editor(form))
        saveForm(target, afterWriting(target, then));
}

void Shell::saveAs(FileContent form, const Then& then) {
    if (EditorWindow* target = editor(form))
        saveFormAs(target, afterWriting(target, then));
}

void Shell::exportClassChanges() {
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
    if (changes.systemsLeft.empty())
        return;
    QStringList systems;
    for (const std::string_view title : changes.systemsLeft)
        systems << qs(title);
    tellAboutChanges(classEditor_.get(),
                     tr("No command takes a system out of a class, so these systems stay in the "
                        "game although they are no longer included: %1.")
                         .arg(systems.join(QStringLiteral(", "))),
                     "SystemsStay");
}

void Shell::exportWeaponChanges() {
    if (!weaponEditor_)
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

void Shell::settleUnsaved(QList<FileContent> forms, const Then& then) {
    const auto unsaved = [this](FileContent form) {
        return editor(form) && editor(form)->document().holdsUnsavedEdits();
    };
    while (!forms.isEmpty() && !unsaved(forms.first()))
        forms.removeFirst();
    if (forms.isEmpty()) {
        then();
        return;
    }
    const FileContent form = forms.takeFirst();
    EditorWindow* target = editor(form);
    present(target);
    QMessageBox* box =
        openMessageBox(QMessageBox::Question, tr("Save"),
                       tr("Save the changes to %1?").arg(fileName(target->document().file().path)),
                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, target,
                       QStringLiteral("SaveChangesQuestion"));
    box->setDefaultButton(QMessageBox::Save);
    connect(box, &QMessageBox::finished, this, [this, form, forms, then](int answer) {
        const auto goOn = [this, forms, then] { settleUnsaved(forms, then); };
        if (answer == QMessageBox::Save)
            save(form, goOn);
        else if (answer == QMessageBox::Discard)
            goOn();
    });
    box->show();
}

bool Shell::mayClose(FileContent form) {
    EditorWindow* target = editor(form);
    if (closingSettled_ || !target || !target->document().holdsUnsavedEdits())
        return true;
    settleUnsaved({form}, [this, form] {
        if (EditorWindow* closing = editor(form)) {
            closingSettled_ = true;
            closing->close();
            closingSettled_ = false;
        }
    });
    return false;
}

} // namespace keelwright

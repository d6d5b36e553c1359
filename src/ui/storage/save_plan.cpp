// SPDX-License-Identifier: MIT
#include "ui/storage/save_plan.h"

#include "core/export/command_file.h"
#include "core/fleet/file_records.h"
#include "ui/storage/text_file.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace keelwright {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("keelwright::Save", text);
}

// The file as it is now: nothing where there is none or it cannot be read.
std::optional<QByteArray> readNow(const QString& path) {
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return readFileBytes(path);
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// A record of a file of many, as questions name it: class "101".
QString recordName(FileContent form, const RecordPlace& place) {
    return (form == FileContent::Weapon ? tr("weapon \"%1\"") : tr("class \"%1\""))
        .arg(QString::fromStdString(place.number));
}

void planWholeFile(SavePlan& plan, const EditorFile& file) {
    const QString name = fileName(file.path);
    if (file.linesNotOnForm == 1)
        plan.risks << tr("%1 holds 1 line that is not on the form; saving replaces the whole "
                         "file and it is lost.")
                          .arg(name);
    else if (file.linesNotOnForm > 1)
        plan.risks << tr("%1 holds %2 lines that are not on the form; saving replaces the whole "
                         "file and they are lost.")
                          .arg(name)
                          .arg(file.linesNotOnForm);
    if (plan.read && fileDigest(*plan.read) != file.digest)
        plan.risks << tr("%1 was changed by another program since it was opened or saved; saving "
                         "replaces that change.")
                          .arg(name);
    if (file.fromWindows1252)
        plan.risks << tr("%1 was read as Windows-1252; it is saved as UTF-8.").arg(name);
}

// The record's lines are where they were read or last saved while the file is unchanged; else
// where its kind and number stand now; none when it is gone (it is added at the end).
void planRecord(SavePlan& plan, FileContent form, const EditorFile& file, const std::string& text) {
    const bool exists = QFileInfo::exists(file.path);
    if (exists && (!plan.read || std::size_t(plan.read->size()) > kMaxFleetFileBytes)) {
        plan.refusal = tr("It can no longer be read whole, so its other records cannot be kept. "
                          "Save As writes the record to a file of its own.");
        return;
    }
    const QByteArray before = plan.read.value_or(QByteArray());
    const std::string_view bytes(before.constData(), std::size_t(before.size()));
    const bool changed = fileDigest(before) != file.digest;
    std::vector<std::size_t> lines = file.record->lines;
    if (changed)
        lines = findRecord(readRecords(bytes), form, file.record->number)
                    .value_or(std::vector<std::size_t>());

    const QString name = fileName(file.path), record = recordName(form, *file.record);
    if (file.linesNotOnForm > 0)
        plan.risks << tr("%1 in %2 has %3 lines that are not on the form; saving replaces its "
                         "lines and they are lost.")
                          .arg(record, name)
                          .arg(file.linesNotOnForm);
    if (changed && lines.empty())
        plan.risks << tr("%1 was changed by another program since it was opened or saved, and %2 "
                         "is no longer in it; saving adds it at the end.")
                          .arg(name, record);
    else if (changed)
        plan.risks << tr("%1 was changed by another program since it was opened or saved; saving "
                         "replaces %2, which now stands at line %3, and keeps the rest.")
                          .arg(name, record)
                          .arg(lines.front());
    if (file.fromWindows1252 && !utf8ToWindows1252(text))
        plan.risks << tr("%1 is in Windows-1252, which lacks characters on the form; the lines of "
                         "%2 are saved as UTF-8.")
                          .arg(name, record);

    plan.bytes = QByteArray::fromStdString(replaceRecord(bytes, lines, text, file.fromWindows1252));
    // The number on the form may have changed: the record is known by the one it now has.
    const FileRecords written = readRecords(text);
    RecordPlace place{written.records.empty() ? file.record->number
                                              : written.records.front().number,
                      replacedLines(bytes, lines, text)};
    plan.written =
        EditorFile{file.path, fileDigest(plan.bytes), 0, file.fromWindows1252, std::move(place)};
}

} // namespace

SavePlan planSave(FileContent form, const EditorFile& file, const std::string& text) {
    if (!file.record) {
        SavePlan plan = planSaveTo(file.path, text);
        planWholeFile(plan, file);
        return plan;
    }
    SavePlan plan;
    plan.path = file.path;
    plan.read = readNow(file.path);
    planRecord(plan, form, file, text);
    return plan;
}

SavePlan planSaveTo(const QString& path, const std::string& text) {
    SavePlan plan;
    plan.path = path;
    plan.read = readNow(path);
    plan.bytes = QByteArray::fromStdString(text);
    plan.written = EditorFile{path, fileDigest(plan.bytes), 0, false, {}};
    return plan;
}

SaveResult carryOut(const SavePlan& plan) {
    if (plan.refusal)
        return {SaveOutcome::Failed, *plan.refusal};
    if (readNow(plan.path) != plan.read) // what was asked about is no longer what is there
        return {SaveOutcome::FileChanged, {}};
    if (const auto failure = writeFileAtomically(plan.path, plan.bytes))
        return {SaveOutcome::Failed, *failure};
    return {SaveOutcome::Written, {}};
}

} // namespace keelwright

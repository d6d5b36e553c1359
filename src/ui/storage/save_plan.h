// SPDX-License-Identifier: MIT
#pragma once
// What saving a form would do, decided on one reading of the file: the bytes to write, what that
// costs (each in a sentence, asked about first), and the editor's file once they are written.
// Carrying a plan out writes exactly what was asked about, or nothing when the file changed
// since it was read.

#include "core/document/form_values.h"
#include "ui/document/editor_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace keelwright {

struct SavePlan {
    QString path;
    std::optional<QByteArray> read; // the file as read for the plan; nothing where there was none
    QByteArray bytes;               // what is written
    QStringList risks;              // asked about first; none: written unasked
    std::optional<QString> refusal; // set when it is not written at all, and why
    EditorFile written;             // the editor's file once `bytes` are written
};

// Over the editor's own file: the whole export, or, for a record of a file of many, its lines in
// place of the record's own with every other byte kept.
SavePlan planSave(FileContent form, const EditorFile& file, const std::string& text);
// To a file chosen in the dialog, which asked before replacing one: the whole export.
SavePlan planSaveTo(const QString& path, const std::string& text);

enum class SaveOutcome { Written, FileChanged, Failed };
struct SaveResult {
    SaveOutcome outcome;
    QString failure; // why, where it failed
};
SaveResult carryOut(const SavePlan& plan);

} // namespace keelwright

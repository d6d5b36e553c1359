// SPDX-License-Identifier: MIT
#pragma once
// An editor's document: the form's values, the file they belong to, the form as last saved, the
// form the game is taken to hold (as the file was opened or restored, or as last exported: the
// baseline of Export Changes), and the history of the user's steps. The form binder writes into it
// and shows it; everything else reads it: the budget row, Save, Export Changes, the questions
// before edits are lost, Undo and recovery.

#include "core/document/form_values.h"
#include "core/document/recovery_snapshot.h"
#include "ui/document/editor_file.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class QUndoCommand;
class QUndoStack;

namespace keelwright {

class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(FileContent form, QObject* parent = nullptr);
    ~Document() override;

    FileContent form() const { return form_; }
    const FormValues& values() const { return values_; }
    const EditorFile& file() const { return file_; }
    const std::optional<FormValues>& baseline() const { return baseline_; }
    QUndoStack* history() const { return history_; }

    // The user changed one field: one step. Typing into the same field joins the step until it
    // is closed: focus left the field, or another field changed.
    void edit(std::size_t field, const std::string& text, bool typing);
    void closeStep();
    // The whole form at once, as one step named `step` (Reset).
    void replace(const FormValues& values, const QString& step);

    // A file was opened into the editor: the form is the file's, what the game is taken to hold,
    // and has no history before it.
    void open(const FormValues& values, EditorFile file);
    void saved(EditorFile file); // the form as it is now was written to `file`; no baseline moves
    void exported();             // the form as it is now was sent to the game
    // A send to the game ended: it holds `held` now (nothing: it is not known to hold the record).
    void taken(const std::optional<FormValues>& held);
    // Puts back what a snapshot kept, as one step, with its file, baseline and saved form.
    void restore(const Snapshot& snapshot);
    Snapshot snapshot(std::int64_t lastEdit) const;

    // Open asks first: the form differs from the design values and from what was last opened,
    // saved or exported.
    bool holdsEdits() const;
    // Quit and closing ask first: the form has a file and differs from what was last saved.
    bool holdsUnsavedEdits() const;
    // A recovery snapshot is kept: the form differs from its file as last opened or saved, or,
    // from no file, from the design values.
    bool needsRecovery() const;

signals:
    void changed();
    // Undo or Redo changed these fields; the editor brings the first of them forward.
    void stepRetraced(std::size_t firstField);

private:
    friend class FormStep;
    void apply(std::size_t field, const std::string& text);

    FileContent form_;
    FormValues values_;
    EditorFile file_;
    std::optional<FormValues> baseline_;
    std::optional<FormValues> saved_;
    QUndoStack* history_;
    const QUndoCommand* openStep_ = nullptr; // the typing step that more typing joins
    bool joined_ = false;                    // the last edit joined the open step
};

} // namespace keelwright

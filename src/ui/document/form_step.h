// SPDX-License-Identifier: MIT
#pragma once
// One step of a document's history: the fields it changed, each with its text before and after.

#include <QUndoCommand>

#include <cstddef>
#include <string>
#include <vector>

namespace keelwright {

class Document;

struct FieldChange {
    std::size_t field;
    std::string before;
    std::string after;
};

class FormStep : public QUndoCommand {
public:
    FormStep(Document* document, std::vector<FieldChange> changes, const QString& name,
             bool typing);

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    void retrace(bool after);

    Document* document_;
    std::vector<FieldChange> changes_;
    bool typing_;         // one field typed into; later typing in it joins while the step is open
    bool pushed_ = false; // the first redo() is the push itself, not a Redo
};

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/document/form_step.h"

#include "ui/document/document.h"

#include <utility>

namespace keelwright {

FormStep::FormStep(Document* document, std::vector<FieldChange> changes, const QString& name,
                   bool typing)
    : QUndoCommand(name), document_(document), changes_(std::move(changes)), typing_(typing) {}

bool FormStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const FormStep*>(other);
    if (!typing_ || !next->typing_ || document_->openStep_ != this ||
        next->changes_.front().field != changes_.front().field)
        return false;
    changes_.front().after = next->changes_.front().after;
    document_->joined_ = true;
    // Typed back to where it began: the step changes nothing and goes, and typing on begins anew.
    if (changes_.front().after == changes_.front().before) {
        setObsolete(true);
        document_->closeStep();
    }
    return true;
}

void FormStep::undo() {
    retrace(false);
}

void FormStep::redo() {
    if (!pushed_) {
        pushed_ = true; // the form shows it already, or is shown it now
        for (const FieldChange& change : changes_)
            document_->apply(change.field, change.after);
        emit document_->changed();
        return;
    }
    retrace(true);
}

void FormStep::retrace(bool after) {
    document_->closeStep();
    for (const FieldChange& change : changes_)
        document_->apply(change.field, after ? change.after : change.before);
    emit document_->changed();
    emit document_->stepRetraced(changes_.front().field);
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "ui/document/document.h"

#include "ui/document/form_step.h"

#include <QUndoStack>

#include <cstdint>
#include <utility>
#include <vector>

namespace keelwright {
namespace {

// Far more steps than a session makes; each holds only the fields it changed.
constexpr int kStepsKept = 5000;

std::vector<FieldChange> differences(const FormValues& before, const FormValues& after) {
    std::vector<FieldChange> changes;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] != after[i])
            changes.push_back({i, before[i], after[i]});
    }
    return changes;
}

} // namespace

Document::Document(FileContent form, QObject* parent)
    : QObject(parent), form_(form), values_(designValues(form)), history_(new QUndoStack(this)) {
    history_->setUndoLimit(kStepsKept);
}

Document::~Document() = default;

void Document::apply(std::size_t field, const std::string& text) {
    values_.at(field) = text;
}

void Document::edit(std::size_t field, const std::string& text, bool typing) {
    if (field >= values_.size() || values_[field] == text)
        return;
    std::vector<FieldChange> change{{field, values_[field], text}};
    auto* step = new FormStep(this, std::move(change),
                              QString::fromStdString(fieldCaption(form_, field)), typing);
    joined_ = false;
    history_->push(step); // may join the open step, and then `step` is gone
    if (!joined_)
        openStep_ = typing ? step : nullptr;
}

void Document::closeStep() {
    openStep_ = nullptr;
}

void Document::replace(const FormValues& values, const QString& step) {
    closeStep();
    std::vector<FieldChange> changes = differences(values_, values);
    if (!changes.empty())
        history_->push(new FormStep(this, std::move(changes), step, false));
}

void Document::open(const FormValues& values, EditorFile file) {
    closeStep();
    history_->clear();
    values_ = values;
    baseline_ = saved_ = values;
    file_ = std::move(file);
    emit changed();
}

// The game does not get a class by its being saved: the baseline stays what it was taken to hold.
void Document::saved(EditorFile file) {
    saved_ = values_;
    file_ = std::move(file);
    emit changed();
}

void Document::exported() {
    baseline_ = values_;
    emit changed(); // a snapshot keeps the new baseline
}

void Document::taken(const std::optional<FormValues>& held) {
    baseline_ = held;
    emit changed(); // a snapshot keeps the new baseline
}

void Document::restore(const Snapshot& snapshot) {
    file_ = EditorFile{QString::fromStdString(snapshot.path),
                       QByteArray::fromStdString(snapshot.digest), snapshot.linesNotOnForm,
                       snapshot.fromWindows1252, snapshot.record};
    saved_ = snapshot.saved;
    baseline_ = snapshot.baseline;
    replace(snapshot.values, tr("Restore"));
    emit changed(); // the file alone may have changed
}

Snapshot Document::snapshot(std::int64_t lastEdit) const {
    return Snapshot{form_,
                    values_,
                    file_.path.toStdString(),
                    file_.digest.toStdString(),
                    file_.linesNotOnForm,
                    file_.fromWindows1252,
                    file_.record,
                    saved_,
                    baseline_,
                    lastEdit};
}

bool Document::holdsEdits() const {
    const FormValues design = designValues(form_);
    return values_ != design && values_ != baseline_.value_or(design) &&
           values_ != saved_.value_or(design);
}

bool Document::holdsUnsavedEdits() const {
    return !file_.path.isEmpty() && saved_ && values_ != *saved_;
}

bool Document::needsRecovery() const {
    if (!file_.path.isEmpty() && saved_)
        return values_ != *saved_;
    return values_ != designValues(form_);
}

} // namespace keelwright

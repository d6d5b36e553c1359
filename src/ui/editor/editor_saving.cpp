// SPDX-License-Identifier: MIT
// An editor's way back to its file: Save and Save As, each decided on one reading of the file,
// and the question asked before unsaved edits are lost, however the window is closed.
#include "core/files/file_names.h"
#include "ui/editor/editor_window.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"
#include "ui/storage/save_plan.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace keelwright {
namespace {

bool sameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

// A plan, how to make it afresh should the file change before it is carried out, and what runs
// once it is written.
struct EditorWindow::SaveStep {
    std::function<SavePlan()> plan;
    std::function<void()> then;
    bool changedMeanwhile = false; // the file changed after it was read: ask whatever the plan
};

void EditorWindow::save(const std::function<void()>& then) {
    if (document_->file().path.isEmpty()) {
        saveAs(then);
        return;
    }
    carryOutSave({[this] {
                      return planSave(form(), document_->file(),
                                      exportForm(form(), document_->values()));
                  },
                  then});
}

void EditorWindow::saveAs(const std::function<void()>& then) {
    const QString textFiles = QStringLiteral("Text Files (*.txt)");
    QFileDialog* dialog =
        openFileDialog(this, QStringLiteral("SaveAsDialog"), QFileDialog::AcceptSave,
                       {textFiles, QStringLiteral("All Files (*)")}, textFiles);
    // Qt's dialog asks before it replaces an existing file.
    const QString current = document_->file().path;
    if (current.isEmpty()) {
        dialog->setDirectory(QDir::currentPath());
        dialog->selectFile(
            qs(suggestedFileName(formName(form(), document_->values()),
                                 form() == FileContent::Weapon ? "weapon" : "class")));
    } else {
        dialog->selectFile(current);
    }
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, then](const QString& path) { saveTo(path, then); });
    dialog->show();
}

void EditorWindow::saveTo(const QString& path, const std::function<void()>& then) {
    // The editor's own file keeps Save's questions about what it holds.
    const QString own = document_->file().path;
    if (!own.isEmpty() && sameFile(path, own)) {
        save(then);
        return;
    }
    carryOutSave(
        {[this, path] { return planSaveTo(path, exportForm(form(), document_->values())); }, then});
}

// Asks where the plan would lose something, then writes exactly what was asked about; a file
// changed since it was read is read and asked about again.
void EditorWindow::carryOutSave(const SaveStep& step) {
    const SavePlan plan = step.plan();
    const auto write = [this, step, plan] {
        const SaveResult result = carryOut(plan);
        if (result.outcome == SaveOutcome::FileChanged) {
            SaveStep again = step;
            again.changedMeanwhile = true;
            carryOutSave(again);
            return;
        }
        if (result.outcome == SaveOutcome::Failed) {
            openMessageBox(QMessageBox::Warning, tr("Save"),
                           tr("%1 could not be saved.\n\n%2").arg(plan.path, result.failure),
                           QMessageBox::Ok, this, QStringLiteral("SaveFailed"))
                ->show();
            return;
        }
        document_->saved(plan.written);
        emit fileWritten(plan.path);
        if (step.then)
            step.then();
    };
    QStringList risks = plan.risks;
    if (step.changedMeanwhile && risks.isEmpty())
        risks << tr("%1 was changed by another program just now; saving replaces that change.")
                     .arg(QFileInfo(plan.path).fileName());
    if (plan.refusal || risks.isEmpty()) {
        write();
        return;
    }
    QMessageBox* box = openMessageBox(
        QMessageBox::Warning, tr("Save"), risks.join(u' ') + u' ' + tr("Save anyway?"),
        QMessageBox::Yes | QMessageBox::No, this, QStringLiteral("ReplaceFileQuestion"));
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [write](int answer) {
        if (answer == QMessageBox::Yes)
            write();
    });
    box->show();
}

void EditorWindow::maybeSave(const std::function<void()>& then) {
    if (!document_->holdsUnsavedEdits()) {
        then();
        return;
    }
    present(this);
    QMessageBox* box = openMessageBox(
        QMessageBox::Question, tr("Save"),
        tr("Save the changes to %1?").arg(QFileInfo(document_->file().path).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this,
        QStringLiteral("SaveChangesQuestion"));
    box->setDefaultButton(QMessageBox::Save);
    connect(box, &QMessageBox::finished, this, [this, then](int answer) {
        if (answer == QMessageBox::Save)
            save(then);
        else if (answer == QMessageBox::Discard)
            then();
    });
    box->show();
}

// The question is answered in a box of its own, so the close it stood for is made anew.
void EditorWindow::closeEvent(QCloseEvent* event) {
    if (closeAnswered_ || !document_->holdsUnsavedEdits()) {
        closeAnswered_ = false;
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    maybeSave([this] {
        closeAnswered_ = true;
        close();
    });
}

} // namespace keelwright

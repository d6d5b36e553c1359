// SPDX-License-Identifier: MIT
#include "ui/output/output_window.h"

#include "ui/helpers/twips.h"
#include "ui/helpers/window_helpers.h"
#include "ui/output/output_text.h"
#include "ui/storage/text_file.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace keelwright {
namespace {

// The client area's design size, in twips.
constexpr int kClientWidth = 5895;
constexpr int kClientHeight = 4920;

} // namespace

OutputWindow::OutputWindow(const QString& name) : QMainWindow(nullptr) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose); // closing forgets the text and the file name
    setWindowTitle(QStringLiteral("Copy and Paste this to MUSH"));

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    connect(addCommand(file, tr("Save"), "mnufilesave", "Ctrl+S"), &QAction::triggered, this,
            &OutputWindow::save);
    connect(addCommand(file, tr("Send to &Game"), "mnufilesendgame", "Ctrl+G"), &QAction::triggered,
            this, &OutputWindow::sendRequested);

    area_ = new QPlainTextEdit(this);
    area_->setObjectName(QStringLiteral("text1"));
    area_->setAccessibleName(tr("Command text"));
    area_->setLineWrapMode(QPlainTextEdit::NoWrap);
    area_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(area_);
    resize(pixels(kClientWidth), pixels(kClientHeight) + menuBar()->sizeHint().height());
}

void OutputWindow::setText(const QString& text) {
    area_->setPlainText(text);
}

void OutputWindow::appendText(const QString& text) {
    QTextCursor end(area_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

QString OutputWindow::text() const {
    return withCrLf(area_->document()->toRawText());
}

void OutputWindow::save() {
    const QString textFiles = QStringLiteral("Text Files (*.txt)");
    QFileDialog* dialog =
        openFileDialog(this, QStringLiteral("CommonDialog1"), QFileDialog::AcceptSave,
                       {QStringLiteral("All Files (*.*)"), textFiles}, textFiles);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    if (!lastFileName_.isEmpty())
        dialog->selectFile(lastFileName_);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        lastFileName_ = path;
        saveTo(path);
    });
    dialog->show(); // open() would make it modal to this window only
}

bool OutputWindow::saveTo(const QString& path) {
    const auto failure = writeFileAtomically(path, text().toUtf8());
    if (!failure) {
        emit saved(path);
        return true;
    }
    // Saying nothing would let the builder believe the class was saved.
    openMessageBox(QMessageBox::Warning, tr("Save"),
                   tr("%1 could not be saved.\n\n%2").arg(path, *failure), QMessageBox::Ok, this,
                   QStringLiteral("SaveFailed"))
        ->show();
    emit saveFailed(path, *failure);
    return false;
}

} // namespace keelwright

#include "output/output_window.h"

#include "output/text_file.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace keelwright {
namespace {

constexpr int kClientWidth = 5895 / 15;
constexpr int kClientHeight = 4920 / 15;

} // namespace

OutputWindow::OutputWindow(const QString& name) : QMainWindow(nullptr) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose); // closing forgets the text and the file name
    setWindowTitle(QStringLiteral("Copy and Paste this to MUSH"));

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    QAction* saveAction = file->addAction(tr("Save"));
    saveAction->setObjectName(QStringLiteral("mnufilesave"));
    saveAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(saveAction, &QAction::triggered, this, &OutputWindow::save);

    area_ = new QPlainTextEdit(this);
    area_->setObjectName(QStringLiteral("text1"));
    area_->setAccessibleName(tr("Command text"));
    area_->setLineWrapMode(QPlainTextEdit::NoWrap);
    area_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(area_);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void OutputWindow::setText(const QString& text) {
    area_->setPlainText(text);
}

void OutputWindow::appendText(const QString& text) {
    QTextCursor end(area_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

void OutputWindow::present() {
    show();
    raise();
    activateWindow();
}

QString OutputWindow::text() const {
    return withCrLf(area_->document()->toRawText());
}

void OutputWindow::save() {
    // Opened without a nested event loop: the window stays responsive to assistive tools, and
    // the answer arrives through fileSelected.
    auto* dialog = new QFileDialog(this);
    dialog->setObjectName(QStringLiteral("CommonDialog1"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilters(
        {QStringLiteral("All Files (*.*)"), QStringLiteral("Text Files (*.txt)")});
    dialog->selectNameFilter(QStringLiteral("Text Files (*.txt)"));
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
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Save"),
                                tr("%1 could not be saved.\n\n%2").arg(path, *failure),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("SaveFailed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show(); // not open(): that would make it modal to one window only
    emit saveFailed(path, *failure);
    return false;
}

} // namespace keelwright

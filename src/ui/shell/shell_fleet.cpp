// SPDX-License-Identifier: MIT
// The shell's fleet: Open Folder, the fleet window, and a record chosen there opened in its
// editor.
#include "ui/fleet/fleet_window.h"
#include "ui/helpers/window_helpers.h"
#include "ui/shell/file_reading.h"
#include "ui/shell/shell.h"

namespace keelwright {

void Shell::showOpenFolderDialog(QWidget* parent) {
    QFileDialog* dialog =
        openFileDialog(parent, QStringLiteral("OpenFolderDialog"), QFileDialog::AcceptOpen, {}, {});
    dialog->setWindowTitle(tr("Open Folder"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    // Once the dialog has gone: on Windows its closing would bring its owner back in front.
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        QMetaObject::invokeMethod(
            this, [this, path] { showFleet(path); }, Qt::QueuedConnection);
    });
    dialog->show();
}

void Shell::showFleet(const QString& root) {
    if (!fleet_) {
        fleet_ = new FleetWindow();
        connect(fleet_, &FleetWindow::openFolderRequested, this,
                [this] { showOpenFolderDialog(fleet_); });
        connect(fleet_, &FleetWindow::recordChosen, this, &Shell::openRecord);
    }
    fleet_->showFolder(root);
    present(fleet_);
}

void Shell::openRecord(const QString& path, FileContent kind, const std::string& number,
                       std::size_t line) {
    const OpenedFile file = readRecordOfFile(path, kind, number, line, classEditor_->record());
    QStringList report;
    if (file.reading.refusal)
        report << refusalText(file);
    else
        offer(file, true, report);
    warnAboutOpening(report);
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
// The shell's fleet: Open Folder, the fleet window, and a record chosen there opened in its
// editor.
#include "core/game/sending.h"
#include "ui/fleet/fleet_window.h"
#include "ui/fleet/game_holdings.h"
#include "ui/game/game_connection.h"
#include "ui/helpers/window_helpers.h"
#include "ui/shell/file_reading.h"
#include "ui/shell/shell.h"
#include "ui/storage/ledger_store.h"

#include <QLocale>

#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

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
        connect(fleet_, &FleetWindow::connectRequested, this,
                [this] { showConnectDialog(fleet_); });
        connect(fleet_, &FleetWindow::sendSelectedRequested, this, &Shell::sendSelected);
        showGameState();
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

namespace keelwright {

// Each selected record's changes from what the game holds, read from its file as Open would read
// it; a record of the same kind and number twice shares one ledger, the later lines last.
void Shell::sendSelected() {
    if (!fleet_)
        return;
    const auto notSent = [this](const QString& text) {
        QMessageBox* box = openMessageBox(QMessageBox::Warning, tr("Send to Game"), text,
                                          QMessageBox::Ok, fleet_, QStringLiteral("NotConnected"));
        box->setTextFormat(Qt::PlainText);
        present(box);
    };
    if (!connection_->ready()) {
        notSent(connection_->sending() ? tr("A send to the game is still under way.")
                                       : tr("Not connected to a game."));
        return;
    }
    const std::vector<ChosenRecord> chosen = fleet_->selectedRecords();
    if (chosen.empty()) {
        notSent(tr("No record is selected."));
        return;
    }
    std::vector<std::string> lines;
    std::map<std::string, std::shared_ptr<RecordLedger>> ledgers; // by kind and number
    auto owners = std::make_shared<std::unordered_map<std::string, RecordLedger*>>();
    QStringList unread;
    std::size_t records = 0;
    for (const ChosenRecord& record : chosen) {
        const OpenedFile file = readRecordOfFile(record.path, record.kind, record.number,
                                                 record.line, classEditor_->record());
        if (file.reading.refusal) {
            unread << refusalText(file);
            continue;
        }
        const FormValues values = record.kind == FileContent::Weapon
                                      ? weaponTexts(file.reading.weapon)
                                      : valuesOf(file.reading.shipClass);
        std::optional<GameChanges> changes = gameChanges(record.kind, values);
        if (!changes || changes->lines.empty())
            continue;
        auto& ledger = ledgers[recordKey(record.kind, formNumber(record.kind, values))];
        if (!ledger)
            ledger = std::make_shared<RecordLedger>(std::move(changes->ledger));
        for (std::string& line : changes->lines) {
            (*owners)[line] = ledger.get();
            lines.push_back(std::move(line));
        }
        ++records;
    }
    if (!unread.isEmpty())
        warnAboutOpening(unread);
    if (lines.empty()) {
        if (unread.isEmpty())
            notSent(tr("%1 holds every selected record as it stands: nothing is left to send.")
                        .arg(connection_->game().name()));
        return;
    }
    const QLocale numbers(QLocale::English, QLocale::UnitedStates);
    const GameEntry game = connection_->game();
    const QString question =
        (records == 1 ? tr("Send %1 lines of %2 record to %3 as %4?")
                      : tr("Send %1 lines of %2 records to %3 as %4?"))
            .arg(numbers.toString(qulonglong(lines.size())), numbers.toString(qulonglong(records)),
                 game.name(), game.character);
    askAndSend(
        lines, fleet_,
        [this, game, owners, ledgers](const std::vector<std::string>& taken, bool) {
            std::map<RecordLedger*, std::vector<std::string>> byRecord;
            for (const std::string& line : taken) {
                if (const auto owner = owners->find(line); owner != owners->end())
                    byRecord[owner->second].push_back(line);
            }
            for (auto& [ledger, its] : byRecord)
                recordTaken(game, *ledger, its);
        },
        question);
}

} // namespace keelwright

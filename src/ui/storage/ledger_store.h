// SPDX-License-Identifier: MIT
#pragma once
// What each game took, record by record, in the user's data folder (Qt's AppLocalDataLocation +
// "/games/"): a folder for each game, and in it a file of plain command text for each record,
// the lines the game last answered "OK" for it.

#include "core/document/file_content.h"
#include "core/game/ledger.h"
#include "ui/storage/games_list.h"

#include <QString>

#include <optional>
#include <string>

namespace keelwright {

class LedgerStore {
public:
    // The user's folder, unless one is given.
    explicit LedgerStore(const QString& folder = {});

    QString folder() const { return folder_; }
    QString fileOf(const GameEntry& game, FileContent kind, const std::string& number) const;
    // The game's ledger of the record; nothing where the game never took it, or where its file
    // cannot be read (it then counts as never taken).
    std::optional<RecordLedger> load(const GameEntry& game, FileContent kind,
                                     const std::string& number) const;
    // The same, and why a file that is there could not be taken: too big, unreadable, or lines
    // that are no record's of that kind and number.
    struct Reading {
        std::optional<RecordLedger> ledger;
        QString damage;
    };
    Reading read(const GameEntry& game, FileContent kind, const std::string& number) const;
    // Nothing on success, else why it could not be written.
    std::optional<QString> save(const GameEntry& game, const RecordLedger& ledger) const;
    // Removes everything kept of the game.
    void forget(const GameEntry& game) const;

private:
    QString gameFolder(const GameEntry& game) const;

    QString folder_;
};

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// What the connected game holds of each record of the fleet, read from its ledger on a thread of
// its own: for each record, the digests of the lines the game took, or nothing where it took
// none, and why a ledger file that is there could not be taken.

#include "core/document/file_content.h"
#include "core/game/ledger.h"
#include "ui/storage/games_list.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

namespace keelwright {

class LedgerStore;

struct Holding {
    std::optional<std::vector<std::uint64_t>> lines; // sorted; nothing: never taken
    QString damage;                                  // why its ledger could not be taken
};
using Holdings = std::unordered_map<std::string, Holding>; // by recordKey

// "c12" for class 12, "w7" for weapon 7: a record as the game knows it.
std::string recordKey(FileContent kind, const std::string& number);
Holding holdingOf(const RecordLedger& ledger);

class HoldingsReader : public QObject {
    Q_OBJECT
public:
    using Records = std::vector<std::pair<FileContent, std::string>>;

    explicit HoldingsReader(QObject* parent = nullptr);
    ~HoldingsReader() override; // stops reading and waits for the thread

    // Reads what `game` holds of `records`; a reading under way is given up.
    void read(std::shared_ptr<const LedgerStore> store, const GameEntry& game, Records records);
    void stop();

signals:
    void holdingsRead(const keelwright::Holdings& holdings);

private:
    std::thread worker_;
    std::atomic<bool> stop_{false};
    int generation_ = 0; // what a stopped reading still sends is dropped
};

} // namespace keelwright

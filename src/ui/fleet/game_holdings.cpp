// SPDX-License-Identifier: MIT
#include "ui/fleet/game_holdings.h"

#include "core/fleet/fleet_row.h"
#include "ui/storage/ledger_store.h"

#include <QMetaObject>

#include <algorithm>

namespace keelwright {

std::string recordKey(FileContent kind, const std::string& number) {
    return (kind == FileContent::Weapon ? "w" : "c") + number;
}

Holding holdingOf(const RecordLedger& ledger) {
    std::vector<std::uint64_t> lines;
    for (const std::string& line : ledger.lines())
        lines.push_back(lineDigest(line));
    std::sort(lines.begin(), lines.end());
    return {std::move(lines), {}};
}

HoldingsReader::HoldingsReader(QObject* parent) : QObject(parent) {}

HoldingsReader::~HoldingsReader() {
    stop();
}

void HoldingsReader::stop() {
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
    stop_ = false;
    ++generation_;
}

void HoldingsReader::read(std::shared_ptr<const LedgerStore> store, const GameEntry& game,
                          Records records) {
    stop();
    worker_ = std::thread([this, generation = generation_, store = std::move(store), game,
                           records = std::move(records)] {
        Holdings holdings;
        for (const auto& [kind, number] : records) {
            if (stop_)
                return;
            std::string key = recordKey(kind, number);
            if (holdings.contains(key))
                continue;
            LedgerStore::Reading reading = store->read(game, kind, number);
            Holding holding = reading.ledger ? holdingOf(*reading.ledger) : Holding{};
            holding.damage = reading.damage;
            holdings.emplace(std::move(key), std::move(holding));
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, holdings = std::move(holdings)] {
                if (generation != generation_)
                    return;
                worker_.join();
                emit holdingsRead(holdings);
            },
            Qt::QueuedConnection);
    });
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
// The fleet at a game's size: a folder of 1,000 files holding 10,000 records (5,000 classes with
// every section, 5,000 weapons) read into the table, then sorted and filtered there; and its In
// Game column filled from a game's ledgers of every record.
#include "core/export/class_export.h"
#include "core/export/command_file.h"
#include "core/export/weapon_export.h"
#include "ui/fleet/fleet_model.h"
#include "ui/fleet/fleet_reader.h"
#include "ui/fleet/game_holdings.h"
#include "ui/storage/ledger_store.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

namespace {

using namespace keelwright;

ShipClassRecord everySectionIncluded(int number) {
    ShipClassRecord record;
    record.setText("Text1", std::to_string(number));
    record.setText("Text2", "Class " + std::to_string(number));
    for (std::size_t i = 0; i < classFields().size(); ++i) {
        const Field& field = classFields()[i];
        if (field.kind == FieldKind::Flag)
            record.setFlag(field.name, true);
        else if (field.kind == FieldKind::Number)
            record.setValue(i, std::to_string((number * 7919 + int(i)) % 5000));
    }
    return record;
}

const QTemporaryDir& gameFolder() {
    static const QTemporaryDir folder;
    static bool written = false;
    for (int f = 0; f < 1000 && !written; ++f) {
        std::string bytes;
        for (int r = 0; r < 5; ++r) {
            const int number = f * 5 + r;
            WeaponRecord weapon;
            weapon.number = std::to_string(number);
            weapon.name = "Lance " + std::to_string(number);
            bytes += exportClass(everySectionIncluded(number)) + exportWeapon(weapon) + "\r\n";
        }
        QFile file(folder.filePath(QStringLiteral("ships-%1.txt").arg(f)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0)
            std::abort();
    }
    written = true;
    return folder;
}

void readInto(FleetModel& model) {
    FleetReader reader;
    QObject::connect(&reader, &FleetReader::filesRead,
                     [&model](const std::vector<FleetFile>& files, const QStringList&) {
                         std::vector<std::string> paths;
                         std::vector<FleetRow> rows;
                         for (const FleetFile& file : files) {
                             paths.push_back(QDir::toNativeSeparators(file.path).toStdString());
                             rows.insert(rows.end(), file.rows.begin(), file.rows.end());
                         }
                         model.replaceFiles(paths, std::move(rows));
                     });
    QEventLoop loop;
    QObject::connect(&reader, &FleetReader::finished, &loop, &QEventLoop::quit);
    reader.read(gameFolder().path(), false);
    loop.exec();
}

void listGameFolder(benchmark::State& state) {
    gameFolder();
    for (auto _ : state) {
        FleetModel model;
        readInto(model);
        if (model.rowCount() != 10000)
            state.SkipWithError("not every record was listed");
    }
}
BENCHMARK(listGameFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

void sortAndFilter(benchmark::State& state) {
    FleetModel model;
    readInto(model);
    FleetFilter view;
    view.setSourceModel(&model);
    int round = 0;
    for (auto _ : state) {
        if (state.range(0) == 0)
            view.sort(FleetModel::MaxHull, ++round % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
        else
            view.setFilterText(round++ % 2 ? QStringLiteral("lance 4") : QStringLiteral("class 1"));
        benchmark::DoNotOptimize(view.rowCount());
    }
}
BENCHMARK(sortAndFilter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A game that took every record, a third of them since changed by one line, a third by every
// line: the ledgers read on the reader's thread and the column judged on the window's.
void fillInGameColumn(benchmark::State& state) {
    FleetModel model;
    readInto(model);
    const QTemporaryDir ledgers;
    const auto store = std::make_shared<LedgerStore>(ledgers.path());
    GameEntry game;
    game.host = QStringLiteral("127.0.0.1");
    game.port = 4201;
    HoldingsReader::Records records;
    for (int r = 0; r < model.rowCount(); ++r) {
        const FleetRow& row = model.row(r);
        records.emplace_back(row.kind, row.number);
        RecordLedger ledger(row.kind, row.number);
        const int number = std::stoi(row.number);
        const std::string text = row.kind == FileContent::Weapon
                                     ? exportWeapon([&] {
                                           WeaponRecord weapon;
                                           weapon.number = row.number;
                                           weapon.name = "Lance " + row.number;
                                           return weapon;
                                       }())
                                     : exportClass(everySectionIncluded(number + number % 3));
        for (const std::string& line : linesToSend(text))
            ledger.took(line);
        if (number % 3 == 1)
            ledger.took(std::string(row.kind == FileContent::Weapon ? "@space/setweapon "
                                                                    : "@space/setclass ") +
                        row.number + "/name=Old");
        if (store->save(game, ledger))
            std::abort();
    }
    HoldingsReader reader;
    QObject::connect(&reader, &HoldingsReader::holdingsRead, &model, &FleetModel::setHoldings);
    for (auto _ : state) {
        model.clearHoldings();
        QEventLoop loop;
        QObject::connect(&reader, &HoldingsReader::holdingsRead, &loop, &QEventLoop::quit);
        reader.read(store, game, records);
        loop.exec();
        if (model.index(model.rowCount() - 1, FleetModel::InGame).data().toString().isEmpty())
            state.SkipWithError("a row was not judged");
    }
}
BENCHMARK(fillInGameColumn)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

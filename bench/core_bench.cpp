// SPDX-License-Identifier: MIT
// What runs often or on a user's command: the exports and one power-budget refresh.
#include "core/classes/power_budget.h"
#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "core/files/command_file_reading.h"
#include "core/fleet/fleet_row.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>

namespace {

using namespace keelwright;

ShipClassRecord everySectionIncluded() {
    ShipClassRecord record;
    record.setText("Text1", "12");
    for (std::size_t i = 0; i < classFields().size(); ++i) {
        const Field& field = classFields()[i];
        if (field.kind == FieldKind::Flag)
            record.setFlag(field.name, true);
        else if (field.kind == FieldKind::Number)
            record.setValue(i, "1234");
    }
    record.choose("Combo1", "1 Absorption");
    return record;
}

void classExportEverySection(benchmark::State& state) {
    const ShipClassRecord record = everySectionIncluded();
    for (auto _ : state)
        benchmark::DoNotOptimize(exportClass(record));
}
BENCHMARK(classExportEverySection);

void weaponExportLaser(benchmark::State& state) {
    WeaponRecord weapon;
    weapon.number = "7";
    weapon.name = "Torpedo";
    for (auto _ : state)
        benchmark::DoNotOptimize(exportWeapon(weapon));
}
BENCHMARK(weaponExportLaser);

void budgetRefresh(benchmark::State& state) {
    PowerTexts texts;
    texts.fill("999");
    texts[0] = "2.5";
    texts[5] = " 12";
    for (auto _ : state)
        benchmark::DoNotOptimize(computeBudget(texts));
}
BENCHMARK(budgetRefresh);

// Opening a saved class with every section: 106 lines.
void readFullClassFile(benchmark::State& state) {
    const std::string text = exportClass(everySectionIncluded());
    for (auto _ : state)
        benchmark::DoNotOptimize(readCommandFile(text, {}));
}
BENCHMARK(readFullClassFile);

// The worst a user can hand it: a file at the size limit, random bytes or one long line.
void readMegabyte(benchmark::State& state) {
    std::mt19937 random(1);
    std::string bytes(kMaxCommandFileBytes, '\0');
    for (char& c : bytes)
        c = state.range(0) == 0 ? char(1 + random() % 255) : "=int"[random() % 4];
    for (auto _ : state)
        benchmark::DoNotOptimize(readCommandFile(bytes, {}));
}
BENCHMARK(readMegabyte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A class header followed by a megabyte of short lines that are no commands: every one a finding.
void readClassWithMegabyteOfNoise(benchmark::State& state) {
    std::string bytes = exportClass({});
    while (bytes.size() < kMaxCommandFileBytes - 2)
        bytes += "x\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(readCommandFile(bytes, {}));
}
BENCHMARK(readClassWithMegabyteOfNoise)->Unit(benchmark::kMillisecond);

// A whole game in one file: 5,000 classes with every section and 5,000 weapons, 10,000 records
// (about 26 MB), read into the fleet's rows.
void readTenThousandRecords(benchmark::State& state) {
    std::string file;
    ShipClassRecord shipClass = everySectionIncluded();
    WeaponRecord weapon;
    weapon.name = "Lance";
    for (int i = 0; i < 5000; ++i) {
        shipClass.setText("Text1", std::to_string(1000 + i));
        weapon.number = std::to_string(i);
        file += exportClass(shipClass) + exportWeapon(weapon) + "\r\n";
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(fleetRows("game.txt", readRecords(file)));
    state.counters["MB"] = double(file.size()) / 1e6;
}
BENCHMARK(readTenThousandRecords)->Unit(benchmark::kMillisecond);

} // namespace

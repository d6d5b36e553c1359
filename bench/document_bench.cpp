// SPDX-License-Identifier: MIT
// What every edit costs on top of the form: recording a step, and keeping a recovery snapshot of
// a full class (building it, and writing it to disk whole).
#include "core/document/recovery_snapshot.h"
#include "ui/document/document.h"
#include "ui/storage/text_file.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace {

using namespace keelwright;

// Typing into one field after another: each change is a step of its own.
void pushStep(benchmark::State& state) {
    Document document(FileContent::ShipClass);
    std::size_t field = 0, typed = 0;
    for (auto _ : state) {
        document.edit(field, std::to_string(++typed), true);
        document.closeStep();
        field = (field + 7) % 100;
    }
}
BENCHMARK(pushStep);

// A class with a long text in every field, from a file.
void fillClass(Document& document) {
    FormValues values = document.values();
    for (std::string& value : values)
        value = "Fusion Reactor Mk " + value;
    document.open(values, EditorFile{QStringLiteral("/ships/galleon.txt"), {}, 0, false, {}});
}

void buildSnapshot(benchmark::State& state) {
    Document document(FileContent::ShipClass);
    fillClass(document);
    for (auto _ : state)
        benchmark::DoNotOptimize(writeSnapshot(document.snapshot(1)));
}
BENCHMARK(buildSnapshot);

void writeSnapshotFile(benchmark::State& state) {
    const QTemporaryDir folder;
    Document document(FileContent::ShipClass);
    fillClass(document);
    const QByteArray bytes = QByteArray::fromStdString(writeSnapshot(document.snapshot(1)));
    const QString path = folder.filePath(QStringLiteral("run-class.snapshot"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writeFileAtomically(path, bytes));
}
BENCHMARK(writeSnapshotFile);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_reader.h"

#include "core/export/command_file.h"
#include "core/fleet/file_records.h"
#include "ui/widgets/qt_text.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSet>

#include <cstddef>
#include <string_view>
#include <utility>

namespace keelwright {
namespace {

// Hidden files and folders are left out; links to folders are not followed, so that no link
// loop can hold the reading.
QStringList listFiles(const QString& root, bool subfolders) {
    const QFileInfo info(root);
    if (info.isFile())
        return {info.filePath()};
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::NoDotAndDotDot,
                    subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

FleetFile readOne(const QFileInfo& info) {
    FleetFile file{info.filePath(), {}, {}, info.size(), info.lastModified()};
    if (info.size() > qint64(kMaxFleetFileBytes)) {
        file.refusal = FleetReader::tr("larger than %1 MiB").arg(kMaxFleetFileBytes >> 20);
        return file;
    }
    QFile in(info.filePath());
    if (!in.open(QIODevice::ReadOnly)) {
        file.refusal = in.errorString();
        return file;
    }
    const QByteArray bytes = in.read(qint64(kMaxFleetFileBytes) + 1);
    if (in.error() != QFileDevice::NoError) {
        file.refusal = in.errorString();
        return file;
    }
    const FileRecords records =
        readRecords(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (records.refusal)
        file.refusal = qs(*records.refusal);
    else
        file.rows = fleetRows(utf8(QDir::toNativeSeparators(file.path)), records);
    return file;
}

} // namespace

FleetReader::FleetReader(QObject* parent) : QObject(parent) {}

FleetReader::~FleetReader() {
    stop();
}

void FleetReader::stop() {
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
    stop_ = false;
    ++generation_;
}

void FleetReader::read(const QString& root, bool subfolders) {
    if (root != root_ || subfolders != subfolders_) {
        stop(); // a reading of another folder is of no use any more
        again_ = false;
        files_.clear();
    }
    root_ = root;
    subfolders_ = subfolders;
    if (worker_.joinable()) {
        again_ = true;
        return;
    }
    start();
}

void FleetReader::start() {
    worker_ = std::thread([this, generation = generation_, root = root_, subfolders = subfolders_,
                           known = files_] { run(generation, root, subfolders, known); });
}

// On the worker thread: what it finds goes to the window's thread in batches, often enough to
// show progress, seldom enough not to flood it.
void FleetReader::run(int generation, const QString& root, bool subfolders,
                      const std::map<QString, Stamp>& known) {
    const bool rootFound = QFileInfo::exists(root);
    const QStringList listed = rootFound ? listFiles(root, subfolders) : QStringList();
    const QSet<QString> present(listed.begin(), listed.end());
    QStringList gone;
    for (const auto& [path, stamp] : known) {
        if (!present.contains(path))
            gone << path;
    }
    const auto send = [this, generation, total = int(listed.size())](
                          std::vector<FleetFile> files, QStringList goneNow, int done) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, files = std::move(files), goneNow, done, total] {
                deliver(generation, files, goneNow);
                if (generation == generation_)
                    emit progress(done, total);
            },
            Qt::QueuedConnection);
    };
    std::vector<FleetFile> batch;
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    for (qsizetype i = 0; i < listed.size() && !stop_; ++i) {
        const QFileInfo info(listed[i]);
        const auto was = known.find(listed[i]);
        if (was == known.end() || was->second.size != info.size() ||
            was->second.modified != info.lastModified())
            batch.push_back(readOne(info));
        if (sinceBatch.elapsed() > 100) {
            send(std::move(batch), std::exchange(gone, {}), int(i + 1));
            batch.clear();
            sinceBatch.restart();
        }
    }
    send(std::move(batch), gone, int(listed.size()));
    QMetaObject::invokeMethod(
        this, [this, generation, rootFound] { done(generation, rootFound); }, Qt::QueuedConnection);
}

void FleetReader::deliver(int generation, const std::vector<FleetFile>& files,
                          const QStringList& gone) {
    if (generation != generation_ || (files.empty() && gone.isEmpty()))
        return;
    for (const QString& path : gone)
        files_.erase(path);
    for (const FleetFile& file : files)
        files_[file.path] = Stamp{file.size, file.modified, file.refusal, file.rows.size()};
    emit filesRead(files, gone);
}

void FleetReader::done(int generation, bool rootFound) {
    if (generation != generation_)
        return;
    worker_.join();
    if (again_) {
        again_ = false;
        start();
        return;
    }
    emit finished(rootFound);
}

} // namespace keelwright

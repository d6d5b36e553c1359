// SPDX-License-Identifier: MIT
#include "ui/fleet/fleet_reader.h"

#include "core/export/command_file.h"
#include "core/fleet/file_records.h"
#include "ui/helpers/qt_text.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSet>

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string_view>
#include <thread>
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

// On the worker thread, with a helper on a machine of more than one core: what they find goes to
// the window's thread in batches, often enough to show progress, seldom enough not to flood it.
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
    std::vector<QFileInfo> changed;
    for (const QString& path : listed) {
        const QFileInfo info(path);
        const auto was = known.find(path);
        if (was == known.end() || was->second.size != info.size() ||
            was->second.modified != info.lastModified())
            changed.push_back(info);
    }
    const int total = int(listed.size()), unchanged = int(listed.size() - changed.size());

    std::mutex lock; // guards what follows
    std::vector<FleetFile> batch;
    int filesDone = unchanged;
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    const auto send = [&] { // with `lock` held
        QMetaObject::invokeMethod(
            this,
            [this, generation, files = std::exchange(batch, {}), goneNow = std::exchange(gone, {}),
             filesDone, total] {
                deliver(generation, files, goneNow);
                if (generation == generation_)
                    emit progress(filesDone, total);
            },
            Qt::QueuedConnection);
        sinceBatch.restart();
    };
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < changed.size() && !stop_; i = next++) {
            FleetFile file = readOne(changed[i]);
            const std::lock_guard<std::mutex> hold(lock);
            batch.push_back(std::move(file));
            ++filesDone;
            if (sinceBatch.elapsed() > 100)
                send();
        }
    };
    std::thread helper;
    if (std::thread::hardware_concurrency() > 1 && changed.size() > 1)
        helper = std::thread(work);
    work();
    if (helper.joinable())
        helper.join();
    send();
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

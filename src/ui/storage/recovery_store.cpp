// SPDX-License-Identifier: MIT
#include "ui/storage/recovery_store.h"

#include "ui/document/document.h"
#include "ui/storage/text_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <cstddef>
#include <utility>

namespace keelwright {
namespace {

constexpr int kDebounceMs = 1000;
const QString kSuffix = QStringLiteral(".snapshot");

QString runOf(const QString& snapshotName) {
    return snapshotName.section(u'-', 0, 0);
}

} // namespace

struct RecoveryStore::Watched {
    QPointer<Document> document;
    QTimer timer;
    QString path;
    qint64 lastEdit = 0;
    bool written = false;
};

RecoveryStore::RecoveryStore(const QString& folder, QObject* parent)
    : QObject(parent),
      folder_(!folder.isEmpty()
                  ? folder
                  : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                        QStringLiteral("/recovery")),
      run_(QUuid::createUuid().toString(QUuid::Id128).left(16)) {}

RecoveryStore::~RecoveryStore() {
    if (!kept_) {
        for (const auto& watched : watched_)
            remove(*watched);
    }
    ownLock_.reset(); // unlocking removes the lock file
    othersLocks_.clear();
    // Our folders, and those this run made, go again when nothing is left in them.
    QDir().rmdir(folder_);
    QDir().rmdir(QFileInfo(folder_).path());
    for (auto made = madeFolders_.crbegin(); made != madeFolders_.crend(); ++made)
        QDir().rmdir(*made);
}

bool RecoveryStore::ensureFolder() {
    if (ownLock_)
        return true;
    QStringList missing;
    for (QDir dir(folder_); !dir.exists(); dir.setPath(QFileInfo(dir.path()).path())) {
        missing.prepend(dir.path());
        if (dir.isRoot())
            break;
    }
    if (!QDir().mkpath(folder_))
        return false;
    madeFolders_ = missing;
    auto lock = std::make_unique<QLockFile>(folder_ + u'/' + run_ + QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // only a run that has ended leaves a stale lock
    if (!lock->tryLock())
        return false;
    ownLock_ = std::move(lock);
    return true;
}

void RecoveryStore::watch(Document* document) {
    auto watched = std::make_shared<Watched>();
    watched->document = document;
    const QString form = document->form() == FileContent::Weapon ? QStringLiteral("weapon")
                                                                 : QStringLiteral("class");
    watched->path = folder_ + u'/' + run_ + u'-' + form + kSuffix;
    watched->timer.setSingleShot(true);
    watched->timer.setInterval(kDebounceMs);
    Watched* raw = watched.get();
    connect(&watched->timer, &QTimer::timeout, this, [this, raw] { write(*raw); });
    connect(document, &Document::changed, this, [this, raw] { changed(*raw); });
    // A closed editor's edits go with it, unless the program is ending and keeps them.
    connect(document, &QObject::destroyed, this, [this, raw] {
        raw->timer.stop();
        if (!kept_)
            remove(*raw);
    });
    watched_.append(std::move(watched));
    changed(*raw);
}

void RecoveryStore::changed(Watched& watched) {
    if (!watched.document)
        return;
    if (!watched.document->needsRecovery()) {
        watched.timer.stop();
        remove(watched);
        return;
    }
    watched.lastEdit = QDateTime::currentMSecsSinceEpoch();
    watched.timer.start(); // restarted: a second after the last change
}

void RecoveryStore::write(Watched& watched) {
    if (!watched.document || !watched.document->needsRecovery())
        return;
    const QByteArray bytes =
        QByteArray::fromStdString(writeSnapshot(watched.document->snapshot(watched.lastEdit)));
    std::optional<QString> failure;
    if (!ensureFolder())
        failure = tr("The folder %1 cannot be written.").arg(QDir::toNativeSeparators(folder_));
    else
        failure = writeFileAtomically(watched.path, bytes);
    if (!failure) {
        watched.written = true;
        return;
    }
    if (!warned_) {
        warned_ = true;
        emit unwritable(*failure);
    }
}

void RecoveryStore::remove(Watched& watched) {
    if (watched.written)
        QFile::remove(watched.path);
    watched.written = false;
}

void RecoveryStore::keepAll() {
    for (const auto& watched : watched_) {
        if (watched->timer.isActive() ||
            (watched->document && watched->document->needsRecovery() && !watched->written)) {
            watched->timer.stop();
            write(*watched);
        }
    }
    kept_ = true;
}

QList<AbandonedWork> RecoveryStore::findAbandoned() {
    QList<AbandonedWork> found;
    const QDir dir(folder_);
    const auto names = dir.entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Time);
    for (auto info = names.crbegin(); info != names.crend(); ++info) {
        const QString run = runOf(info->fileName());
        if (run == run_)
            continue;
        const QString lockPath = dir.filePath(run + QStringLiteral(".lock"));
        const bool held =
            std::any_of(othersLocks_.cbegin(), othersLocks_.cend(),
                        [&](const auto& lock) { return lock->fileName() == lockPath; });
        if (!held) {
            auto lock = std::make_shared<QLockFile>(lockPath);
            lock->setStaleLockTime(0);
            if (!lock->tryLock())
                continue; // its run goes on
            othersLocks_.append(std::move(lock));
        }
        AbandonedWork work{info->filePath(), std::nullopt};
        QFile file(work.path);
        if (info->size() <= qint64(kMaxSnapshotBytes) && file.open(QIODevice::ReadOnly))
            work.snapshot = readSnapshot(file.readAll().toStdString());
        found.append(std::move(work));
    }
    return found;
}

void RecoveryStore::forget(const QList<AbandonedWork>& work) {
    for (const AbandonedWork& item : work)
        QFile::remove(item.path);
    release();
}

void RecoveryStore::release() {
    othersLocks_.clear();
}

} // namespace keelwright

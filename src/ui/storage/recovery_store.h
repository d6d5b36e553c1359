// SPDX-License-Identifier: MIT
#pragma once
// Recovery snapshots of unsaved edits, in the user's data folder ("recovery" in Qt's
// AppLocalDataLocation): written at most a second after the last change while an editor holds
// unsaved edits, removed once they are saved, discarded or undone. A run that ends with nothing
// unsaved leaves nothing behind; one that is killed leaves its snapshots for the next start,
// which offers them only once the run that wrote them has ended (each run holds a lock file).

#include "core/document/recovery_snapshot.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

namespace keelwright {

class Document;

// A snapshot that a run which has ended left behind; nothing in it when it cannot be read.
struct AbandonedWork {
    QString path;
    std::optional<Snapshot> snapshot;
};

class RecoveryStore : public QObject {
    Q_OBJECT
public:
    // The folder is the user's, "recovery" in Qt's AppLocalDataLocation, unless one is given.
    explicit RecoveryStore(const QString& folder = {}, QObject* parent = nullptr);
    ~RecoveryStore() override; // what is not kept goes, and the folders this run made

    QString folder() const { return folder_; }

    // Keeps the document's unsaved edits while it lives.
    void watch(Document* document);
    // Writes every due snapshot now and keeps them when the program ends: a signal or a logout
    // ends it, and the edits are offered at the next start.
    void keepAll();

    // The snapshots of runs that have ended, oldest first; they stay locked against other runs
    // until forgotten or released.
    QList<AbandonedWork> findAbandoned();
    void forget(const QList<AbandonedWork>& work); // restored or discarded: removed
    void release();                                // not now: left for the next start

signals:
    // Once a run: the folder cannot be written; edits are kept on screen, not on disk.
    void unwritable(const QString& reason);

private:
    struct Watched;
    void changed(Watched& watched);
    void write(Watched& watched);
    void remove(Watched& watched);
    bool ensureFolder();

    QString folder_;
    QString run_; // this run's name: its snapshots and lock file begin with it
    QStringList madeFolders_;
    std::unique_ptr<QLockFile> ownLock_;
    QList<std::shared_ptr<QLockFile>> othersLocks_;
    QList<std::shared_ptr<Watched>> watched_;
    bool kept_ = false;
    bool warned_ = false;
};

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// Reads the command files of a folder, or one file, on a thread of its own so that the window
// answers keys meanwhile. Reading again reads only the files that are new or changed since, and
// tells which are gone.

#include "core/fleet/fleet_row.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstddef>
#include <map>
#include <thread>
#include <vector>

namespace keelwright {

struct FleetFile {
    QString path;
    std::vector<FleetRow> rows; // none: it holds no command, or could not be read
    QString refusal;            // why it could not be read; empty when it was
    qint64 size = -1;           // to know the file again
    QDateTime modified;
};

class FleetReader : public QObject {
    Q_OBJECT
public:
    explicit FleetReader(QObject* parent = nullptr);
    ~FleetReader() override; // stops reading and waits for the thread

    // Lists `root` (a folder, or one file) again, with its subfolders if asked, and reads what
    // changed. A call while reading reads again once that is done.
    void read(const QString& root, bool subfolders);
    bool reading() const { return worker_.joinable(); }
    // The files as last read, by path: when, and whether they could be read.
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        QString refusal;
        std::size_t records = 0;
    };
    const std::map<QString, Stamp>& files() const { return files_; }

signals:
    void progress(int done, int total);
    // Each file read replaces what it gave before; a file in `gone` gives nothing any more.
    void filesRead(const std::vector<FleetFile>& files, const QStringList& gone);
    // Done with a reading; `rootFound` is false when the folder or file is no longer there.
    void finished(bool rootFound);

private:
    void start();
    void stop();
    void run(int generation, const QString& root, bool subfolders,
             const std::map<QString, Stamp>& known);
    void deliver(int generation, const std::vector<FleetFile>& files, const QStringList& gone);
    void done(int generation, bool rootFound);

    std::thread worker_;
    std::atomic<bool> stop_{false};
    int generation_ = 0; // what a stopped reading still sends is dropped
    std::map<QString, Stamp> files_;
    QString root_;
    bool subfolders_ = false;
    bool again_ = false;
};

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// Reading one command file from disk for Open, and the words a warning box says about it.

#include "core/files/command_file_reading.h"
#include "core/fleet/file_records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace keelwright {

struct OpenedFile {
    QString path;
    FileReading reading;
    QByteArray digest; // of the bytes read, to see later whether another program changed them
    bool manyRecords = false;          // the fleet window lists it; `reading` is empty
    std::optional<RecordPlace> record; // one record of a file of many was read

    QString name() const; // the file's name, as questions and warnings give it
};

// A file that is no regular file or is larger than a command file can be is refused before it
// is read; a file that cannot be read is refused with the system's reason.
OpenedFile readFile(const QString& path, const ShipClassRecord& currentClass);
// The record of a file of many that starts at `line` (or, moved, the one of its kind and number),
// read as Open reads a file that holds it alone.
OpenedFile readRecordOfFile(const QString& path, FileContent kind, const std::string& number,
                            std::size_t line, const ShipClassRecord& currentClass);

// What a warning says of a file: why it was refused, or its first findings. Empty when there is
// nothing to say.
QString refusalText(const OpenedFile& file);
QString findingsText(const OpenedFile& file);
QString supersededText(const OpenedFile& earlier, const OpenedFile& later);

inline constexpr int kFindingsShown = 20;

} // namespace keelwright

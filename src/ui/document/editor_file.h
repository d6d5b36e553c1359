// SPDX-License-Identifier: MIT
#pragma once
// The file an editor's form belongs to, as Save needs to know it.

#include "core/document/record_place.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

namespace keelwright {

struct EditorFile {
    QString path;      // empty: the form came from no file
    QByteArray digest; // of the bytes last read or written, to see another program's change
    std::size_t linesNotOnForm = 0; // lines of the file that saving the form would drop
    bool fromWindows1252 = false;   // read as Windows-1252; saving writes UTF-8
    // The form is this record of a file of many: Save writes back its lines alone.
    std::optional<RecordPlace> record;
};

} // namespace keelwright

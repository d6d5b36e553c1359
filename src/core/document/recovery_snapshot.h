// SPDX-License-Identifier: MIT
#pragma once
// A recovery snapshot: what an editor holds that is not saved, written while the user works so
// that a crash, a kill or a logout loses nothing. It holds all that a restore needs to put the
// editor back as it was: the form, its file as last read or written, the form as last saved and
// as last sent to the game.

#include "core/document/form_values.h"
#include "core/document/record_place.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace keelwright {

struct Snapshot {
    FileContent form = FileContent::ShipClass;
    FormValues values;
    std::string path;   // UTF-8; empty: the form came from no file
    std::string digest; // SHA-256 of the file's bytes as last read or written
    std::size_t linesNotOnForm = 0;
    bool fromWindows1252 = false;
    std::optional<RecordPlace> record;  // the form is this record of a file of many
    std::optional<FormValues> saved;    // the form as last opened or saved
    std::optional<FormValues> baseline; // what Export Changes compares with
    std::int64_t lastEdit = 0;          // milliseconds since 1970, UTC

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// Larger snapshots are not read: a form is a few kilobytes.
inline constexpr std::size_t kMaxSnapshotBytes = 4 * 1024 * 1024;

std::string writeSnapshot(const Snapshot& snapshot);
// Nothing for bytes that are not a whole snapshot of this version: truncated, damaged, or of a
// form with another number of fields.
std::optional<Snapshot> readSnapshot(std::string_view bytes);

} // namespace keelwright

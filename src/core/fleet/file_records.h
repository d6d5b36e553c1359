// SPDX-License-Identifier: MIT
#pragma once
// Every ship class and weapon a command file holds, in file order, each with the lines that are
// its own and what was found wrong in them; and a record written back in place of its lines,
// every other byte of the file as it was.

#include "core/document/record_place.h"
#include "core/files/command_file_reading.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

struct RecordInFile {
    FileContent kind = FileContent::ShipClass; // or FileContent::Weapon
    std::string number;                        // the class's object number, the weapon's number
    std::vector<std::size_t> lines;            // its lines' numbers in the file, counted from 1
    ShipClassRecord shipClass;
    WeaponRecord weapon;
    std::vector<Finding> findings;
};

struct FileRecords {
    std::optional<std::string> refusal;       // set when nothing can be read
    std::vector<RecordInFile> records;        // in the order their first lines stand
    std::vector<std::size_t> linesOfNoRecord; // lines that are not blank and no record's
    bool fromWindows1252 = false;
};

// A record is a run of lines of one kind and number; lines of no record may stand between them.
// The same kind and number in two runs makes two records, each with a finding. A file of one
// record reads exactly as Open reads it.
FileRecords readRecords(std::string_view bytes);

// The lines of the record of that kind and number, the later one where it stands twice; nothing
// where the file holds no such record.
std::optional<std::vector<std::size_t>> findRecord(const FileRecords& file, FileContent kind,
                                                   std::string_view number);

// One record of a file as Open reads a file that holds it alone: the record that starts at
// `line`, or else the later one of that kind and number; nothing where the file holds neither.
// `currentClass` gives the fields no export writes.
struct RecordReading {
    FileReading reading;
    RecordPlace place;
};
std::optional<RecordReading> readRecord(std::string_view bytes, FileContent kind,
                                        std::string_view number, std::size_t line,
                                        const ShipClassRecord& currentClass);

// The file with the record's lines taken out and `text` (lines ended by CR LF) standing where
// its first line stood, with the line end the file uses; every other byte stays. A file read as
// Windows-1252 gets the new lines in Windows-1252 where they fit it. With no lines, the record
// is added at the end.
std::string replaceRecord(std::string_view bytes, const std::vector<std::size_t>& lines,
                          std::string_view text, bool windows1252);
// The lines `text` stands on in what replaceRecord makes of the same arguments.
std::vector<std::size_t>
replacedLines(std::string_view bytes, const std::vector<std::size_t>& lines, std::string_view text);

} // namespace keelwright

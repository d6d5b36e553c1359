// SPDX-License-Identifier: MIT
#include "core/fleet/file_records.h"

#include "core/export/class_reader.h"
#include "core/export/command_reader.h"
#include "core/export/weapon_reader.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace keelwright {
namespace {

// The kind and number of the record a line belongs to, read from the first place a key of its
// command begins; nothing for a line of no record.
std::optional<std::pair<FileContent, std::string>> recordOf(const FileLine& line) {
    for (const auto& [kind, index] : {std::pair{FileContent::ShipClass, &classCommandIndex()},
                                      std::pair{FileContent::Weapon, &weaponCommandIndex()}}) {
        const ParsedLine parsed = index->parse(line);
        if (!parsed.command)
            continue;
        const std::vector<Reading> first = index->readings(parsed, 1);
        if (!first.empty())
            return std::pair{kind, std::string(parsed.rest.substr(0, first.front().split))};
    }
    return std::nullopt;
}

const CommandIndex& indexOf(FileContent kind) {
    return kind == FileContent::Weapon ? weaponCommandIndex() : classCommandIndex();
}

// A command of the record's kind for its number, with a key no reader knows, belongs to it: its
// reader names the line as a finding.
bool joins(const FileLine& line, const RecordInFile& record) {
    const ParsedLine parsed = indexOf(record.kind).parse(line);
    return parsed.command && parsed.rest.size() > record.number.size() &&
           parsed.rest.starts_with(record.number) &&
           std::string_view("/:=").find(parsed.rest[record.number.size()]) !=
               std::string_view::npos;
}

// `at`: where the record's lines stand among the file's lines.
void read(RecordInFile& record, const std::vector<FileLine>& lines,
          const std::vector<std::size_t>& at) {
    std::vector<FileLine> own;
    own.reserve(at.size());
    for (const std::size_t i : at)
        own.push_back(lines[i]);
    if (record.kind == FileContent::Weapon) {
        WeaponReading reading = readWeapon(own);
        record.weapon = std::move(reading.weapon);
        record.findings = std::move(reading.findings);
    } else {
        ClassReading reading = readClass(own, ShipClassRecord{});
        record.shipClass = std::move(reading.record);
        record.findings = std::move(reading.findings);
    }
}

// The object number a line is split at is the first place a key could begin, which a number
// holding command text ("101/name=x") defeats: its lines then split into several records. Open
// weighs every reading of the whole file instead. Where that reading takes every line of the
// records found as its one object's, the file is that one record. Each record's number is then a
// prefix of the one object's, so files of numbers that are not prefixes of one another (any
// ordinary fleet) are told apart at once; a file too large to open as one record is not one.
std::optional<RecordInFile> asOneRecord(std::string_view bytes, const std::vector<FileLine>& lines,
                                        const std::vector<RecordInFile>& records) {
    if (records.size() < 2 || bytes.size() > kMaxCommandFileBytes)
        return std::nullopt;
    const RecordInFile* longest = &records.front();
    for (const RecordInFile& record : records) {
        if (record.kind != records.front().kind)
            return std::nullopt;
        if (record.number.size() > longest->number.size())
            longest = &record;
    }
    for (const RecordInFile& record : records) {
        if (!longest->number.starts_with(record.number))
            return std::nullopt;
    }
    const FileContent kind = records.front().kind;
    const CommandMatch match = matchCommands(lines, indexOf(kind), "", "");
    RecordInFile whole{kind, match.object, {}, {}, {}, {}};
    std::size_t keyed = 0; // lines a key could be read from: each must be the object's
    for (const FileLine& line : lines) {
        const bool hasKey = recordOf(line).has_value();
        keyed += hasKey;
        if (hasKey || joins(line, whole))
            whole.lines.push_back(line.number);
    }
    if (match.lines.size() != keyed)
        return std::nullopt;
    return whole;
}

} // namespace

FileRecords readRecords(std::string_view bytes) {
    FileRecords file;
    auto decoded = decodeCommandFile(bytes, kMaxFleetFileBytes);
    if (const Refusal* refusal = std::get_if<Refusal>(&decoded)) {
        file.refusal = refusal->reason;
        return file;
    }
    const auto& lines = std::get<std::vector<FileLine>>(decoded);
    file.fromWindows1252 = !isValidUtf8(bytes);
    std::vector<std::vector<std::size_t>> at; // each record's lines' places in `lines`
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto owner = recordOf(lines[i]);
        const bool continues =
            !file.records.empty() && (owner ? file.records.back().kind == owner->first &&
                                                  file.records.back().number == owner->second
                                            : joins(lines[i], file.records.back()));
        if (!owner && !continues) {
            file.linesOfNoRecord.push_back(lines[i].number);
            continue;
        }
        if (!continues) {
            file.records.push_back({owner->first, owner->second, {}, {}, {}, {}});
            at.emplace_back();
        }
        file.records.back().lines.push_back(lines[i].number);
        at.back().push_back(i);
    }
    if (auto whole = asOneRecord(bytes, lines, file.records)) {
        file.records = {std::move(*whole)};
        std::erase_if(file.linesOfNoRecord, [&](std::size_t line) {
            return std::binary_search(file.records.front().lines.begin(),
                                      file.records.front().lines.end(), line);
        });
    }
    if (file.records.size() == 1) { // as Open reads it, findings and all
        const FileReading reading = readCommandFile(bytes, ShipClassRecord{});
        if (reading.refusal) { // too large for a file of one record
            file.refusal = reading.refusal;
            file.records.clear();
            return file;
        }
        RecordInFile& only = file.records.front();
        only.kind = reading.content;
        only.number = reading.content == FileContent::Weapon ? reading.weapon.number
                                                             : reading.shipClass.value(0);
        only.shipClass = reading.shipClass;
        only.weapon = reading.weapon;
        only.findings = reading.findings;
        return file;
    }
    std::map<std::pair<FileContent, std::string>, std::size_t> seen;
    for (std::size_t r = 0; r < file.records.size(); ++r) {
        RecordInFile& record = file.records[r];
        read(record, lines, at[r]);
        const auto [earlier, first] = seen.try_emplace({record.kind, record.number}, r);
        if (first)
            continue;
        RecordInFile& before = file.records[earlier->second];
        const std::string what =
            (record.kind == FileContent::Weapon ? "weapon \"" : "class \"") + record.number + "\"";
        before.findings.push_back({before.lines.front(), what,
                                   "stands again at line " + std::to_string(record.lines.front()) +
                                       "; the game keeps the later one"});
        record.findings.push_back({record.lines.front(), what,
                                   "stood before at line " + std::to_string(before.lines.front()) +
                                       "; the game keeps this later one"});
        earlier->second = r;
    }
    for (RecordInFile& record : file.records)
        sortByLine(record.findings);
    return file;
}

std::optional<std::vector<std::size_t>> findRecord(const FileRecords& file, FileContent kind,
                                                   std::string_view number) {
    for (auto record = file.records.rbegin(); record != file.records.rend(); ++record) {
        if (record->kind == kind && record->number == number)
            return record->lines;
    }
    return std::nullopt;
}

std::optional<RecordReading> readRecord(std::string_view bytes, FileContent kind,
                                        std::string_view number, std::size_t line,
                                        const ShipClassRecord& currentClass) {
    const FileRecords file = readRecords(bytes);
    std::optional<std::vector<std::size_t>> lines;
    for (const RecordInFile& record : file.records) {
        if (record.kind == kind && record.number == number && record.lines.front() == line)
            lines = record.lines;
    }
    if (!lines)
        lines = findRecord(file, kind, number);
    if (!lines)
        return std::nullopt;
    // Its lines alone, decoded, make the file Open reads.
    std::string text;
    auto decoded = decodeCommandFile(bytes, kMaxFleetFileBytes);
    std::size_t next = 0;
    for (const FileLine& own : std::get<std::vector<FileLine>>(decoded)) {
        if (next < lines->size() && own.number == (*lines)[next]) {
            text.append(own.text).append("\r\n");
            ++next;
        }
    }
    RecordReading out{readCommandFile(text, currentClass), {std::string(number), *lines}};
    out.reading.fromWindows1252 = file.fromWindows1252;
    for (Finding& finding : out.reading.findings) { // by the file's own line numbers
        if (finding.line > 0 && finding.line <= lines->size())
            finding.line = (*lines)[finding.line - 1];
    }
    return out;
}

std::vector<std::size_t> replacedLines(std::string_view bytes,
                                       const std::vector<std::size_t>& lines,
                                       std::string_view text) {
    std::size_t first = 1;
    if (!lines.empty()) {
        first = lines.front();
    } else { // after the file's last line
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            if (bytes[at] == '\n' || (bytes[at] == '\r' && bytes.substr(at, 2) != "\r\n"))
                ++first;
        }
        if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
            ++first;
    }
    std::size_t count = text.empty() || text.ends_with("\r\n") ? 0 : 1;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2))
        ++count;
    std::vector<std::size_t> out(count);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = first + i;
    return out;
}

std::string replaceRecord(std::string_view bytes, const std::vector<std::size_t>& lines,
                          std::string_view text, bool windows1252) {
    // The file's own line end: the first one it has, CR LF where it has none.
    const std::size_t firstEnd = bytes.find_first_of("\r\n");
    std::string_view lineEnd = "\r\n";
    if (firstEnd != std::string_view::npos)
        lineEnd = bytes.substr(firstEnd, 2) == "\r\n" ? "\r\n" : bytes.substr(firstEnd, 1);
    std::string replacement;
    for (std::size_t from = 0; from < text.size();) {
        std::size_t end = text.find("\r\n", from);
        if (end == std::string_view::npos)
            end = text.size();
        replacement.append(text.substr(from, end - from)).append(lineEnd);
        from = end + 2;
    }
    if (windows1252) {
        if (auto encoded = utf8ToWindows1252(replacement))
            replacement = std::move(*encoded);
    }

    std::string out;
    out.reserve(bytes.size() + replacement.size() + lineEnd.size());
    if (lines.empty()) {
        out = bytes;
        if (!out.empty() && !out.ends_with('\n') && !out.ends_with('\r'))
            out += lineEnd;
        return out + replacement;
    }
    std::size_t number = 1, next = 0, start = 0;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF"; // before line 1, and stays
    if (bytes.starts_with(kByteOrderMark)) {
        out += kByteOrderMark;
        start = kByteOrderMark.size();
    }
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        end = end == std::string_view::npos ? bytes.size()
                                            : end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        if (next < lines.size() && lines[next] == number) {
            if (next == 0)
                out += replacement;
            // A last line without a line end keeps the file ending without one.
            if (end == bytes.size() && next + 1 == lines.size() && !out.empty() &&
                bytes.back() != '\n' && bytes.back() != '\r' && out.ends_with(lineEnd))
                out.resize(out.size() - lineEnd.size());
            ++next;
        } else {
            out.append(bytes.substr(start, end - start));
        }
        start = end;
        ++number;
    }
    return out;
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
// Any bytes as a file of many records: never a crash; every line belongs to one record at most,
// in file order; and writing any record back as it reads leaves a file that reads the same.
#include "core/export/class_export.h"
#include "core/export/weapon_export.h"
#include "core/fleet/file_records.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keelwright;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const FileRecords file = readRecords(bytes);
    std::vector<std::size_t> seen = file.linesOfNoRecord;
    for (const RecordInFile& record : file.records) {
        if (record.lines.empty() || !std::is_sorted(record.lines.begin(), record.lines.end()))
            std::abort();
        seen.insert(seen.end(), record.lines.begin(), record.lines.end());
    }
    std::sort(seen.begin(), seen.end());
    if (std::adjacent_find(seen.begin(), seen.end()) != seen.end())
        std::abort();
    if (file.records.empty())
        return 0;
    // The first record written back in place: the others keep their count.
    const RecordInFile& first = file.records.front();
    const std::string text = first.kind == FileContent::Weapon ? exportWeapon(first.weapon)
                                                               : exportClass(first.shipClass);
    const std::string saved = replaceRecord(bytes, first.lines, text, file.fromWindows1252);
    if (readRecords(saved).refusal && saved.size() <= kMaxFleetFileBytes &&
        saved.find('\0') == std::string::npos)
        std::abort();
    return 0;
}

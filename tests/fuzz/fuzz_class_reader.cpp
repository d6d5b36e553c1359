// SPDX-License-Identifier: MIT
// Any bytes as a saved class file: never a crash, and whenever a class comes out, exporting it
// and reading that again gives the same class and the same text.
#include "core/export/class_export.h"
#include "core/export/class_reader.h"

#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keelwright;
    std::variant<std::vector<FileLine>, Refusal> decoded;
    const auto* lines = fuzz::fileLines(data, size, decoded);
    if (!lines)
        return 0;
    const ClassReading first = readClass(*lines, {});
    if (first.linesRead == 0)
        return 0;
    // A class number with dozens of key-like pieces in it ("=int=int...") is beyond what the
    // reader looks for; no shorter number can hold that many.
    if (first.record.text("Text1").size() > 255)
        return 0;
    const std::string text = exportClass(first.record);
    const auto again = decodeCommandFile(text);
    const ClassReading second = readClass(std::get<std::vector<FileLine>>(again), {});
    if (!(second.record == first.record) || exportClass(second.record) != text ||
        !second.findings.empty())
        std::abort();
    return 0;
}

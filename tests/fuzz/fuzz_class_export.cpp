// SPDX-License-Identifier: MIT
// Any field values and flags: the export starts with the class name line and ends in CR LF.
#include "core/export/class_export.h"
#include "fuzz_input.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keelwright;
    const auto parts = fuzz::texts(data, size);
    ShipClassRecord record;
    const auto fields = classFields();
    for (std::size_t i = 0; i < parts.size() && i < fields.size(); ++i) {
        switch (fields[i].kind) {
        case FieldKind::Flag:
            record.setFlag(fields[i].name, !parts[i].empty() && (parts[i][0] & 1));
            break;
        case FieldKind::Choice:
            record.choose(fields[i].name, parts[i].empty() ? "" : kShieldTypes[parts[i][0] & 1]);
            break;
        default:
            record.setValue(i, std::string(parts[i]));
        }
    }
    const std::string text = exportClass(record);
    const std::string first =
        "@space/setclass " + record.text("Text1") + "/name=" + record.text("Text2") + "\r\n";
    if (text.compare(0, first.size(), first) != 0 || !text.ends_with("\r\n"))
        std::abort();
    return 0;
}

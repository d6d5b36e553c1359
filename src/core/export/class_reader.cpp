// SPDX-License-Identifier: MIT
#include "core/export/class_reader.h"

#include "core/export/class_export.h"
#include "core/export/command_reader.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace keelwright {
namespace {

// The export's lines, flattened in writing order, beside the commands the reader looks for;
// field names resolved to positions once.
struct ClassKeys {
    std::vector<CommandKey> commands;
    std::vector<std::size_t> sectionBegin; // a section's commands run to the next one's begin
    std::vector<const ExportLine*> lines;
    std::vector<const Field*> fields; // per command: the field it writes; none for a declaration
    std::vector<std::size_t> includeFlags; // per section: its flag's position, or none
    std::unique_ptr<CommandIndex> index;
};

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

const ClassKeys& classKeys() {
    static const ClassKeys keys = [] {
        ClassKeys out;
        const auto sections = classExportSections();
        for (std::size_t s = 0; s < sections.size(); ++s) {
            out.sectionBegin.push_back(out.commands.size());
            const std::string_view flag = sections[s].includeFlag;
            out.includeFlags.push_back(flag.empty() ? kNone : fieldIndex(flag).value());
            for (const ExportLine& line : sections[s].lines) {
                out.commands.push_back({line.command, line.key, line.source.empty()});
                out.lines.push_back(&line);
                out.fields.push_back(line.source.empty()
                                         ? nullptr
                                         : &classFields()[fieldIndex(line.source).value()]);
            }
        }
        out.sectionBegin.push_back(out.commands.size());
        out.index = std::make_unique<CommandIndex>(out.commands);
        return out;
    }();
    return keys;
}

std::string resetValue(const Field& field) {
    switch (field.kind) {
    case FieldKind::Power:
        return "0";
    case FieldKind::Text:
    case FieldKind::Number:
        return "#";
    case FieldKind::Flag:
    case FieldKind::Choice:
        break;
    }
    return std::string(field.start);
}

std::string fieldLabel(const Field& field) {
    const std::string_view caption = field.caption.empty() ? field.spokenName : field.caption;
    return std::string(caption) + " (" + std::string(field.name) + ")";
}

// What the field can hold of a line's value; a value it cannot hold leaves the reset value and a
// finding.
std::string acceptValue(const Field& field, std::string value, std::size_t line,
                        std::vector<Finding>& findings) {
    const auto label = [&] { return fieldLabel(field); };
    switch (field.kind) {
    case FieldKind::Flag:
        if (value == "0" || value == "1")
            return value;
        findings.push_back({line, label() + " " + quoteLine(value),
                            "is not a flag (0 or 1); it is left unticked"});
        return resetValue(field);
    case FieldKind::Choice:
        if (value.empty())
            return {};
        for (const std::string_view item : kShieldTypes) {
            if (value == item.substr(0, 1))
                return std::string(item);
        }
        findings.push_back({line, label() + " " + quoteLine(value),
                            "is not a shield type (0 or 1); none is chosen"});
        return {};
    case FieldKind::Power:
        if (fitsPowerField(value))
            return value;
        findings.push_back({line, label() + " " + quoteLine(value),
                            "does not fit a power field (one to three of the characters 0-9 + - "
                            ". and blank); it keeps \"0\""});
        return resetValue(field);
    case FieldKind::Text:
    case FieldKind::Number:
        break;
    }
    return value;
}

} // namespace

const CommandIndex& classCommandIndex() {
    return *classKeys().index;
}

ClassReading readClass(std::span<const FileLine> lines, const ShipClassRecord& current) {
    const ClassKeys& keys = classKeys();
    CommandMatch match = matchCommands(lines, *keys.index, "ship class", "class");
    ClassReading reading{match.lines.size(), current, std::move(match.findings)};
    if (match.lines.empty())
        return reading;

    // The last line of a key holds (the matcher reports an earlier one with another value).
    std::vector<std::optional<std::string>> values(keys.commands.size());
    std::vector<std::size_t> lineOf(keys.commands.size(), 0);
    for (MatchedLine& line : match.lines) {
        values[line.key] = std::move(line.value);
        lineOf[line.key] = line.line;
    }

    ShipClassRecord& record = reading.record;
    const auto fields = classFields();
    // Every field an export writes is set below; the others ("Visible") keep what they hold.
    record.setValue(fieldIndex(kClassNumberField).value(), match.object);
    const auto sections = classExportSections();
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::size_t begin = keys.sectionBegin[s], end = keys.sectionBegin[s + 1];
        bool any = false;
        std::size_t firstLine = 0;
        for (std::size_t k = begin; k < end; ++k) {
            if (values[k]) {
                any = true;
                firstLine = firstLine ? std::min(firstLine, lineOf[k]) : lineOf[k];
            }
        }
        if (keys.includeFlags[s] != kNone)
            record.setValue(keys.includeFlags[s], any ? "1" : "0");
        std::string missingKeys, resetFields;
        std::size_t missingCount = 0;
        for (std::size_t k = begin; k < end; ++k) {
            const Field* field = keys.fields[k]; // none for a declaration ("=reactor")
            const std::size_t f = field ? std::size_t(field - fields.data()) : 0;
            if (values[k]) {
                if (field)
                    record.setValue(
                        f, acceptValue(*field, std::move(*values[k]), lineOf[k], reading.findings));
                continue;
            }
            if (field)
                record.setValue(f, resetValue(*field));
            if (!any)
                continue;
            ++missingCount;
            missingKeys +=
                (missingKeys.empty() ? "\"" : ", \"") + std::string(keys.lines[k]->key) + "\"";
            if (field)
                resetFields += (resetFields.empty() ? "" : ", ") + fieldLabel(*field);
        }
        const std::string section = "the " + std::string(sections[s].title) + " section";
        if (missingCount > 0)
            reading.findings.push_back(
                {firstLine, section,
                 "lacks " + std::to_string(missingCount) + " of its " +
                     std::to_string(end - begin) + " lines: " + missingKeys +
                     (resetFields.empty()
                          ? std::string()
                          : "; these fields took the values Reset writes: " + resetFields)});
        else if (!any && sections[s].includeFlag.empty())
            reading.findings.push_back(
                {0, section, "has no lines; its fields took the values Reset writes"});
    }
    sortByLine(reading.findings);
    return reading;
}

} // namespace keelwright

// SPDX-License-Identifier: MIT
#include "core/game/sending.h"

#include "core/export/class_reader.h"
#include "core/export/weapon_reader.h"
#include "core/game/game_text.h"

#include <algorithm>
#include <utility>

namespace keelwright {

SendSummary summarize(const std::vector<std::string>& lines, std::size_t maxLineBytes, bool utf8) {
    SendSummary summary;
    summary.lines = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        summary.characters += std::size_t(std::count_if(line.begin(), line.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80; // lead bytes: characters
        }));
        if (line.ends_with("=#")) // every key ends in "=": what follows is the value
            summary.placeholders.push_back(i + 1);
        const std::size_t bytes = utf8 ? line.size() : toLatin1(line).value_or(line).size();
        if (bytes > maxLineBytes)
            summary.tooLong.push_back(i + 1);
        if (!utf8) {
            for (std::string& c : charactersBeyondLatin1(line)) {
                auto& seen = summary.beyondCharacterSet;
                if (std::find(seen.begin(), seen.end(), c) == seen.end())
                    seen.push_back(std::move(c));
            }
        }
    }
    return summary;
}

std::optional<FormValues> formTaken(FileContent form, const std::optional<FormValues>& before,
                                    const FormValues& sent, const std::vector<std::string>& taken,
                                    std::size_t sentCount) {
    if (taken.size() == sentCount)
        return sent;
    if (taken.empty())
        return before;
    // What the game held, then what took effect: the reader keeps the last line of each key.
    std::vector<FileLine> lines;
    const bool sameRecord = before && formNumber(form, *before) == formNumber(form, sent);
    if (sameRecord) {
        for (std::string& line : linesToSend(exportForm(form, *before)))
            lines.push_back({lines.size() + 1, std::move(line)});
    }
    for (const std::string& line : taken)
        lines.push_back({lines.size() + 1, line});
    if (form == FileContent::Weapon)
        return weaponTexts(readWeapon(lines).weapon);
    return valuesOf(readClass(lines, shipClassOf(sent)).record);
}

} // namespace keelwright

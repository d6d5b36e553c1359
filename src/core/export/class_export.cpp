// SPDX-License-Identifier: MIT
#include "core/export/class_export.h"

#include "core/export/command_line.h"

#include <array>
#include <cstddef>
#include <vector>

namespace keelwright {
namespace {

constexpr auto S = kSetClass;
constexpr auto A = kAddSysClass;
constexpr auto Y = kSysSetClass;

constexpr ExportLine kHeader[] = {
    {S, "/name=", "Text2"},      {S, "/size=", "Text6"},       {S, "/maxhull=", "Text3"},
    {S, "/can drop=", "Check1"}, {S, "/spacedock=", "Check2"}, {S, "/cargo=", "Text5"},
    {S, "/minmanned=", "Text4"},
};

constexpr ExportLine kReactor[] = {
    {A, "=reactor", ""},
    {Y, ":reactor/name=", "Text7"},
    {Y, ":reactor/max output=", "Text8"},
    {kSysSetClassCapital, ":Reactor/efficiency=", "Text9"},
    {Y, ":reactor/tolerance=", "Text10"},
};

constexpr ExportLine kFuel[] = {
    {A, "=fuel system", ""},
    {Y, ":fuel/name=", "Text11"},
    {Y, ":fuel/max reactable fuel=", "Text12"},
    {Y, ":fuel/max burnable fuel=", "Text13"},
};

constexpr ExportLine kComputer[] = {
    {A, "=int", ""},
    {Y, ":int/name=", "Text14"},
    {Y, ":int/optimal power=", "text15"},
    {Y, ":int/tolerance=", "Text16"},
};

constexpr ExportLine kThrusters[] = {
    {A, "=man", ""},
    {Y, ":man/name=", "Text17"},
    {Y, ":man/optimal power=", "text18"},
    {Y, ":man/tolerance=", "Text19"},
    {Y, ":man/turning rate=", "Text20"},
};

// The engines' tolerance key ends in a blank after "=": the game has always been fed it so.
constexpr ExportLine kEngines[] = {
    {A, "=engine", ""},
    {Y, ":engine/name=", "Text21"},
    {Y, ":engine/optimal power=", "text22"},
    {Y, ":engine/tolerance= ", "Text23"},
    {Y, ":engine/max velocity=", "Text24"},
    {Y, ":engine/acceleration=", "Text25"},
    {Y, ":engine/can afterburn=", "Check13"},
    {Y, ":engine/efficiency=", "Text26"},
};

constexpr ExportLine kLifeSupport[] = {
    {A, "=life ", ""},
    {Y, ":life/name=", "Text27"},
    {Y, ":life/tolerance=", "Text29"},
    {Y, ":life/optimal power=", "text28"},
};

constexpr ExportLine kForeAft[] = {
    {A, "=fore", ""},
    {A, "=aft", ""},
    {Y, ":Fore/optimal power=", "text38"},
    {Y, ":Fore/tolerance=", "Text74"},
    {Y, ":Fore/name=", "Text70"},
    {Y, ":Fore/regen rate=", "Text34"},
    {Y, ":Fore/shield type=", "Combo1"},
    {Y, ":Fore/max strength=", "Text30"},
    {Y, ":aft/optimal power=", "text39"},
    {Y, ":aft/tolerance=", "Text75"},
    {Y, ":aft/name=", "Text71"},
    {Y, ":aft/regen rate=", "Text35"},
    {Y, ":aft/shield type=", "Combo2"},
    {Y, ":aft/max strength=", "Text31"},
};

// Port is declared before star, but the star arc's attributes come first.
constexpr ExportLine kStarPort[] = {
    {A, "=port", ""},
    {A, "=star", ""},
    {Y, ":star/optimal power=", "text40"},
    {Y, ":star/tolerance=", "Text76"},
    {Y, ":star/name=", "Text72"},
    {Y, ":star/regen rate=", "Text36"},
    {Y, ":star/shield type=", "Combo3"},
    {Y, ":star/max strength=", "Text32"},
    {Y, ":port/optimal power=", "text41"},
    {Y, ":port/tolerance=", "Text77"},
    {Y, ":port/name=", "Text73"},
    {Y, ":port/regen rate=", "Text37"},
    {Y, ":port/shield type=", "Combo4"},
    {Y, ":port/max strength=", "Text33"},
};

constexpr ExportLine kSensors[] = {
    {A, "=sensor array", ""},
    {Y, ":Sensor/optimal power=", "text43"},
    {Y, ":Sensor/tolerance=", "Text44"},
    {Y, ":Sensor/name=", "Text42"},
    {Y, ":Sensor/sensor rating=", "Text45"},
};

constexpr ExportLine kCloak[] = {
    {A, "=cloaking device", ""},
    {Y, ":cloaking device/optimal power=", "text47"},
    {Y, ":cloaking device/tolerance=", "Text48"},
    {Y, ":cloaking device/name=", "Text46"},
    {Y, ":cloaking device/efficiency=", "Text49"},
};

constexpr ExportLine kJump[] = {
    {A, "=jump drive", ""},
    {Y, ":jump/optimal power=", "text51"},
    {Y, ":jump/tolerance=", "Text52"},
    {Y, ":jump/name=", "Text50"},
    {Y, ":jump/min speed=", "Text78"},
    {Y, ":jump/EFFICIENCY=", "Text53"},
};

constexpr ExportLine kJammer[] = {
    {A, "=Comm. Jammer", ""},
    {Y, ":Comm. Jammer/tolerance=", "Text56"},
    {Y, ":Comm. Jammer/name=", "Text54"},
    {Y, ":Comm. Jammer/optimal power=", "text55"},
    {Y, ":Comm. Jammer/range=", "Text57"},
};

constexpr ExportLine kDamage[] = {
    {A, "=damage", ""},
    {Y, ":damage/optimal power=", "text59"},
    {Y, ":damage/tolerance=", "Text60"},
    {Y, ":damage/name=", "Text58"},
    {Y, ":damage/numcrews=", "Text61"},
};

// The last three systems' keys begin with a blank, so a blank follows the class number.
constexpr ExportLine kTachyon[] = {
    {A, "=tachyon", ""},
    {Y, " :tachyon/optimal power=", "text63"},
    {Y, " :tachyon/tolerance=", "Text64"},
    {Y, " :tachyon/name=", "Text62"},
    {Y, " :tachyon/efficiency=", "Text65"},
};

constexpr ExportLine kTractor[] = {
    {A, "=tractor", ""},
    {Y, " :tractor/optimal power=", "text67"},
    {Y, " :tractor/tolerance=", "Text68"},
    {Y, " :tractor/name=", "Text66"},
    {Y, " :tractor/strength=", "Text69"},
};

constexpr ExportLine kCommArray[] = {
    {A, "=comm. array", ""},
    {Y, " :comm. array/tolerance=", "Text81"},
    {Y, " :comm. array/max range=", "Text82"},
    {Y, " :comm. array/name=", "Text79"},
    {Y, " :comm. array/optimal power=", "text80"},
};

constexpr std::array<ExportSection, 17> kSections = {{
    {"class header", "", kHeader},
    {"reactor", "Check3", kReactor},
    {"fuel system", "Check5", kFuel},
    {"computer", "Check7", kComputer},
    {"thrusters", "Check9", kThrusters},
    {"engines", "Check11", kEngines},
    {"life support", "Check14", kLifeSupport},
    {"fore and aft shields", "Check16", kForeAft},
    {"star and port shields", "Check18", kStarPort},
    {"sensors", "Check17", kSensors},
    {"cloaking device", "Check20", kCloak},
    {"jump drive", "Check4", kJump},
    {"comm. jammer", "Check8", kJammer},
    {"damage control", "Check10", kDamage},
    {"tachyon sensors", "Check12", kTachyon},
    {"tractor beam", "Check15", kTractor},
    {"comm. array", "Check19", kCommArray},
}};

// The tables name fields; the export reads them by position, resolved once.
constexpr std::size_t kNoField = static_cast<std::size_t>(-1);

struct ResolvedLine {
    const ExportLine* line;
    std::size_t field;
};

struct ResolvedSection {
    std::size_t includeFlag;
    std::vector<ResolvedLine> lines;
};

std::size_t resolve(std::string_view name) {
    return name.empty() ? kNoField : fieldIndex(name).value();
}

const std::vector<ResolvedSection>& resolvedSections() {
    static const std::vector<ResolvedSection> sections = [] {
        std::vector<ResolvedSection> out;
        for (const ExportSection& section : kSections) {
            ResolvedSection& resolved = out.emplace_back();
            resolved.includeFlag = resolve(section.includeFlag);
            for (const ExportLine& line : section.lines)
                resolved.lines.push_back({&line, resolve(line.source)});
        }
        return out;
    }();
    return sections;
}

bool included(const ShipClassRecord& record, const ResolvedSection& section) {
    return section.includeFlag == kNoField || record.value(section.includeFlag) == "1";
}

void appendLine(std::string& out, const ShipClassRecord& record, const ResolvedLine& line) {
    const std::string_view value =
        line.field == kNoField ? std::string_view{} : record.exportValue(line.field);
    appendCommandLine(out, line.line->command, record.text(kClassNumberField), line.line->key,
                      value);
}

} // namespace

std::span<const ExportSection> classExportSections() {
    return kSections;
}

std::string exportClass(const ShipClassRecord& record) {
    std::string out;
    out.reserve(8192);
    for (const ResolvedSection& section : resolvedSections()) {
        if (!included(record, section))
            continue;
        for (const ResolvedLine& line : section.lines)
            appendLine(out, record, line);
    }
    return out;
}

ClassChanges exportClassChanges(const std::optional<ShipClassRecord>& baseline,
                                const ShipClassRecord& record) {
    if (!baseline || baseline->text(kClassNumberField) != record.text(kClassNumberField))
        return {exportClass(record), {}};
    ClassChanges changes;
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        const ResolvedSection& section = resolvedSections()[s];
        const bool before = included(*baseline, section);
        if (!included(record, section)) {
            if (before)
                changes.systemsLeft.push_back(kSections[s].title);
            continue;
        }
        for (const ResolvedLine& line : section.lines) {
            // A system already in the game is not declared again; its values are sent on change.
            const bool send =
                !before || (line.field != kNoField &&
                            record.exportValue(line.field) != baseline->exportValue(line.field));
            if (send)
                appendLine(changes.text, record, line);
        }
    }
    return changes;
}

} // namespace keelwright

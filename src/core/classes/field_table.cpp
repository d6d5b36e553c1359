// SPDX-License-Identifier: MIT
#include "core/classes/field_table.h"

#include <algorithm>

namespace keelwright {
namespace {

using K = FieldKind;

// The system pages share one grid: an include row, three field rows, two columns.
constexpr int kIncludeRow = 960;
constexpr int kRow1 = 1800;
constexpr int kRow2 = 2400;
constexpr int kRow3 = 3000;
constexpr int kColA = 360;
constexpr int kColB = 3600;     // "Reactor" to "Cloaking Device"
constexpr int kColBLate = 3840; // "Jump Drives" to "Comms"
constexpr int kGridWidth = 2295;

// "General" has its own two wider columns.
constexpr int kGenLeft = 240;
constexpr int kGenRight = 3360;
constexpr int kGenWidth = 2535;

// "Shields": one column per arc and the tolerance column inside its frame.
constexpr int kFore = 360;
constexpr int kAft = 2040;
constexpr int kStar = 3720;
constexpr int kPort = 5400;
constexpr int kTolerance = 7200;
constexpr int kArcWidth = 1575;
constexpr int kArcFlagWidth = 1095;

constexpr std::array<std::string_view, kPageCount> kPages = {
    "General",        "Reactor",         "Fuel System",  "Computer",
    "Thrusters",      "Engines",         "Life Support", "Shields",
    "Sensors",        "Cloaking Device", "Jump Drives",  "Comm. Jammer",
    "Damage Control", "Tachyon Sensors", "Tractor Beam", "Comms"};

constexpr std::array<Field, kFieldCount> kFields = {{
    // General
    {"Text1", 0, K::Text, "Class Number", "Class #", kGenLeft, 1200, kGenWidth},
    {"Text2", 0, K::Text, "Class Name", "Class Name", kGenLeft, 1800, kGenWidth},
    {"Text3", 0, K::Number, "Max Hull", "#", kGenLeft, 2400, kGenWidth},
    {"Check2", 0, K::Flag, "Space Dock", "0", kGenLeft, 2760, kGenWidth},
    {"Text4", 0, K::Number, "Minimun Crew", "#", kGenRight, 1200, kGenWidth},
    {"Text5", 0, K::Number, "Cargo Capacity", "#", kGenRight, 1800, kGenWidth},
    {"Text6", 0, K::Number, "Ship Size", "#", kGenRight, 2400, kGenWidth},
    {"Check1", 0, K::Flag, "Drop Capable", "0", kGenRight, 2760, kGenWidth},
    // Reactor
    {"Check3", 1, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text7", 1, K::Text, "Name", "Fusion Reactor", kColA, kRow1, kGridWidth},
    {"Text8", 1, K::Power, "Max Output", "0", kColA, kRow2, kGridWidth},
    {"Text9", 1, K::Number, "Efficiency", "#", kColB, kRow1, kGridWidth},
    {"Text10", 1, K::Number, "Tolerance", "#", kColB, kRow2, kGridWidth},
    // Fuel System
    {"Check5", 2, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text11", 2, K::Text, "Name", "Fuel System", kColA, kRow1, kGridWidth},
    {"Text12", 2, K::Number, "Max Reactable Fuel", "#", kColA, kRow2, kGridWidth},
    {"Check6", 2, K::Flag, "Visible", "0", kColB, kIncludeRow, kGridWidth},
    {"Text13", 2, K::Number, "Max Burnable Fuel", "#", kColB, kRow1, kGridWidth},
    // Computer
    {"Check7", 3, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text14", 3, K::Text, "Name", "Int. Computer", kColA, kRow1, kGridWidth},
    {"text15", 3, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text16", 3, K::Number, "Tolerance", "#", kColB, kRow1, kGridWidth},
    // Thrusters
    {"Check9", 4, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text17", 4, K::Text, "Name", "Thusters", kColA, kRow1, kGridWidth},
    {"text18", 4, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text19", 4, K::Number, "Tolerance", "#", kColB, kRow1, kGridWidth},
    {"Text20", 4, K::Number, "Turn Rate", "#", kColB, kRow2, kGridWidth},
    // Engines
    {"Check11", 5, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text21", 5, K::Text, "Name", "Engine", kColA, kRow1, kGridWidth},
    {"text22", 5, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text25", 5, K::Number, "Acceleration", "#", kColA, kRow3, kGridWidth},
    {"Text23", 5, K::Number, "Tolerance", "#", kColB, kRow1, kGridWidth},
    {"Text24", 5, K::Number, "Max Velocity", "#", kColB, kRow2, kGridWidth},
    {"Text26", 5, K::Number, "Effeciency", "#", kColB, kRow3, kGridWidth},
    {"Check13", 5, K::Flag, "Afterburners", "0", 6360, kRow1, kGridWidth},
    // Life Support
    {"Check14", 6, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text27", 6, K::Text, "Name", "Life Support", kColA, kRow1, kGridWidth},
    {"text28", 6, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text29", 6, K::Number, "Tolerance", "#", kColB, kRow1, kGridWidth},
    // Shields: row labels stand only over the fore column; the other arcs are named for readers.
    {"Check16", 7, K::Flag, "Fore/Aft", "0", 1440, 840, kArcFlagWidth},
    {"Combo1", 7, K::Choice, "", "", kFore, 1200, kArcWidth, "Fore Shield Type"},
    {"Text70", 7, K::Text, "Name", "Fore Shield", kFore, 1800, kArcWidth},
    {"Text30", 7, K::Number, "Max Strength", "#", kFore, 2400, kArcWidth},
    {"Text34", 7, K::Number, "Regen Rate", "#", kFore, 3000, kArcWidth},
    {"text38", 7, K::Power, "Optimal Power", "0", kFore, 3600, kArcWidth},
    {"Combo2", 7, K::Choice, "", "", kAft, 1200, kArcWidth, "Aft Shield Type"},
    {"Text71", 7, K::Text, "", "Aft Shield", kAft, 1800, kArcWidth, "Aft Name"},
    {"Text31", 7, K::Number, "", "#", kAft, 2400, kArcWidth, "Aft Max Strength"},
    {"Text35", 7, K::Number, "", "#", kAft, 3000, kArcWidth, "Aft Regen Rate"},
    {"text39", 7, K::Power, "", "0", kAft, 3600, kArcWidth, "Aft Optimal Power"},
    {"Check18", 7, K::Flag, "Star/Port", "0", 4800, 840, kArcFlagWidth},
    {"Combo3", 7, K::Choice, "", "", kStar, 1200, kArcWidth, "Star Shield Type"},
    {"Text72", 7, K::Text, "", "Star Shield", kStar, 1800, kArcWidth, "Star Name"},
    {"Text32", 7, K::Number, "", "#", kStar, 2400, kArcWidth, "Star Max Strength"},
    {"Text36", 7, K::Number, "", "#", kStar, 3000, kArcWidth, "Star Regen Rate"},
    {"text40", 7, K::Power, "", "0", kStar, 3600, kArcWidth, "Star Optimal Power"},
    {"Combo4", 7, K::Choice, "", "", kPort, 1200, kArcWidth, "Port Shield Type"},
    {"Text73", 7, K::Text, "", "Port Shield", kPort, 1800, kArcWidth, "Port Name"},
    {"Text33", 7, K::Number, "", "#", kPort, 2400, kArcWidth, "Port Max Strength"},
    {"Text37", 7, K::Number, "", "#", kPort, 3000, kArcWidth, "Port Regen Rate"},
    {"text41", 7, K::Power, "", "0", kPort, 3600, kArcWidth, "Port Optimal Power"},
    {"Text74", 7, K::Number, "", "#", kTolerance, 1800, kArcWidth, "Fore Tolerance"},
    {"Text75", 7, K::Number, "", "#", kTolerance, 2400, kArcWidth, "Aft Tolerance"},
    {"Text76", 7, K::Number, "", "#", kTolerance, 3000, kArcWidth, "Star Tolerance"},
    {"Text77", 7, K::Number, "", "#", kTolerance, 3600, kArcWidth, "Port Tolerance"},
    // Sensors
    {"Check17", 8, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text42", 8, K::Text, "Name", "Sensor Array", kColA, kRow1, kGridWidth},
    {"text43", 8, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text44", 8, K::Number, "Tolerance", "#", kColB, kRow1, kGridWidth},
    {"Text45", 8, K::Number, "Sensor Rating", "#", kColB, kRow2, kGridWidth},
    // Cloaking Device
    {"Check20", 9, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text46", 9, K::Text, "Name", "Cloaking Device", kColA, kRow1, kGridWidth},
    {"text47", 9, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text48", 9, K::Number, "Tolerance", "#", kColB, kRow1, kGridWidth},
    {"Text49", 9, K::Number, "Effeciency", "#", kColB, kRow2, kGridWidth},
    // Jump Drives
    {"Check4", 10, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text50", 10, K::Text, "Name", "Jump Drive", kColA, kRow1, kGridWidth},
    {"text51", 10, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text52", 10, K::Number, "Tolerance", "#", kColBLate, kRow1, kGridWidth},
    {"Text53", 10, K::Number, "Efficiency", "#", kColBLate, kRow2, kGridWidth},
    {"Text78", 10, K::Number, "Min Speed", "#", kColBLate, kRow3, kGridWidth},
    // Comm. Jammer
    {"Check8", 11, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text54", 11, K::Text, "Name", "Comm. Jammer", kColA, kRow1, kGridWidth},
    {"text55", 11, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text56", 11, K::Number, "Tolerance", "#", kColBLate, kRow1, kGridWidth},
    {"Text57", 11, K::Number, "Range", "#", kColBLate, kRow2, kGridWidth},
    // Damage Control
    {"Check10", 12, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text58", 12, K::Text, "Name", "Damage Control", kColA, kRow1, kGridWidth},
    {"text59", 12, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text60", 12, K::Number, "Tolerance", "#", kColBLate, kRow1, kGridWidth},
    {"Text61", 12, K::Number, "Repair Crews", "#", kColBLate, kRow2, kGridWidth},
    // Tachyon Sensors
    {"Check12", 13, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text62", 13, K::Text, "Name", "Tachyon Sensor", kColA, kRow1, kGridWidth},
    {"text63", 13, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text64", 13, K::Number, "Tolerance", "#", kColBLate, kRow1, kGridWidth},
    {"Text65", 13, K::Number, "Effeciency", "#", kColBLate, kRow2, kGridWidth},
    // Tractor Beam
    {"Check15", 14, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text66", 14, K::Text, "Name", "Tractor Beam", kColA, kRow1, kGridWidth},
    {"text67", 14, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text68", 14, K::Number, "Tolerance", "#", kColBLate, kRow1, kGridWidth},
    {"Text69", 14, K::Number, "Strength", "#", kColBLate, kRow2, kGridWidth},
    // Comms: the design name really ends in a blank, and it reaches the game so.
    {"Check19", 15, K::Flag, "Include", "0", kColA, kIncludeRow, kGridWidth},
    {"Text79", 15, K::Text, "Name", "Comm. Array ", kColA, kRow1, kGridWidth},
    {"text80", 15, K::Power, "Optimal Power", "0", kColA, kRow2, kGridWidth},
    {"Text81", 15, K::Number, "Tolerance", "#", kColBLate, kRow1, kGridWidth},
    {"Text82", 15, K::Number, "Max Range", "#", kColBLate, kRow2, kGridWidth},
}};

constexpr std::array<Frame, 1> kFrames = {{{"Frame1", 7, "Tolerance", 7080, 1560, 1815, 2415}}};

constexpr std::array<std::string_view, kPowerFieldCount> kPowerFields = {
    "Text8",  "text15", "text18", "text22", "text28", "text38", "text39", "text40", "text41",
    "text43", "text47", "text51", "text55", "text59", "text63", "text67", "text80"};

} // namespace

std::span<const Field> classFields() {
    return kFields;
}
std::span<const std::string_view, kPageCount> pageCaptions() {
    return kPages;
}
std::span<const Frame> pageFrames() {
    return kFrames;
}
std::span<const std::string_view, kPowerFieldCount> powerFieldNames() {
    return kPowerFields;
}

std::optional<std::size_t> fieldIndex(std::string_view name) {
    const auto found = std::find_if(kFields.begin(), kFields.end(),
                                    [name](const Field& f) { return f.name == name; });
    if (found == kFields.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - kFields.begin());
}

int controlHeight(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text:
    case FieldKind::Number:
        return kTextHeight;
    case FieldKind::Power:
        return kPowerHeight;
    case FieldKind::Flag:
        return kCheckHeight;
    case FieldKind::Choice:
        return kChoiceHeight;
    }
    return kTextHeight;
}

bool fitsPowerField(std::string_view text) {
    return !text.empty() && text.size() <= kPowerFieldMaxLength &&
           text.find_first_not_of(kPowerFieldCharacters) == std::string_view::npos;
}

bool isTextual(FieldKind kind) {
    return kind == FieldKind::Text || kind == FieldKind::Number || kind == FieldKind::Power;
}

} // namespace keelwright

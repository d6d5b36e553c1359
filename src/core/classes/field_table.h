// SPDX-License-Identifier: MIT
#pragma once
// Every field of the ship class editor, described once: the record, the page builder, reset, the
// power budget and the tests all read this table.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace keelwright {

enum class FieldKind { Text, Number, Power, Flag, Choice };

// Positions are in twips (15 to a pixel at 96 dpi), relative to the tab control, as the window
// was first drawn.
struct Field {
    std::string_view name; // the control's name; its case is part of it (text15 beside Text16)
    int page;              // index into pageCaptions()
    FieldKind kind;
    std::string_view caption; // label above the box, or a check box's own text; empty when none
    std::string_view start;   // design value: "0"/"1" for flags, the item text for choices
    int left;
    int top;
    int width;
    std::string_view spokenName = {}; // what a screen reader says for a field with no label
};

inline constexpr std::size_t kPageCount = 16;
inline constexpr std::size_t kFieldCount = 106;
inline constexpr std::size_t kPowerFieldCount = 17;

// The two items of every shield type list, in list order.
inline constexpr std::array<std::string_view, 2> kShieldTypes = {"0 Deflector", "1 Absorption"};

// A captioned frame drawn around fields of one page.
struct Frame {
    std::string_view name;
    int page;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
};

// Fields in page order and, within a page, in keyboard order: down each column in reading order.
std::span<const Field> classFields();
std::span<const std::string_view, kPageCount> pageCaptions();
std::span<const Frame> pageFrames();

// The reactor's output first, then the sixteen optimal power fields in the order the budget adds
// them.
std::span<const std::string_view, kPowerFieldCount> powerFieldNames();

// The fields other code knows by what they mean: what a class is known by, and the figures the
// fleet shows beside its budget.
inline constexpr std::string_view kClassNumberField = "Text1";
inline constexpr std::string_view kClassNameField = "Text2";
inline constexpr std::string_view kMaxHullField = "Text3";
inline constexpr std::string_view kShipSizeField = "Text6";

// Index of a field in classFields(), or nothing for a name that is not a field.
std::optional<std::size_t> fieldIndex(std::string_view name);

// Heights of the kinds of control, in twips.
inline constexpr int kTextHeight = 285;
inline constexpr int kPowerHeight = 255;
inline constexpr int kCheckHeight = 255;
inline constexpr int kChoiceHeight = 315;
inline constexpr int kLabelAbove = 240; // a label's top stands this far above its field's top

// A power field holds one to three of these characters: what a number needs, and blanks.
inline constexpr std::size_t kPowerFieldMaxLength = 3;
inline constexpr std::string_view kPowerFieldCharacters = "0123456789+-. ";
bool fitsPowerField(std::string_view text);

int controlHeight(FieldKind kind);
bool isTextual(FieldKind kind); // text, number and power fields: what Reset overwrites

} // namespace keelwright

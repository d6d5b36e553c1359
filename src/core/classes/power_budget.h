// SPDX-License-Identifier: MIT
#pragma once
// The power budget under the tabs: what the systems draw, what the reactor gives, what is left.

#include "core/classes/field_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace keelwright {

struct BudgetFigures {
    std::string totalUsage;    // sum of the sixteen optimal powers, as a whole number
    std::string reactorOutput; // the reactor's text exactly as typed
    std::string freePower;     // reactor output less usage, in its shortest decimal form
    // The systems draw more than the reactor gives.
    bool overdrawn() const { return freePower.starts_with('-'); }
    friend bool operator==(const BudgetFigures&, const BudgetFigures&) = default;
};

// The seventeen power texts in the order of powerFieldNames(): the reactor's output first.
using PowerTexts = std::array<std::string_view, kPowerFieldCount>;

// Nothing when a text is not a number or a value leaves the 16-bit range: the refresh is then
// abandoned and the last figures stay. Never throws, whatever the texts hold.
std::optional<BudgetFigures> computeBudget(const PowerTexts& texts) noexcept;

// A number as builders type it: blanks, an optional sign, digits with an optional "." fraction,
// blanks. The point is "." whatever the locale, because the game reads ".".
std::optional<double> parseBudgetNumber(std::string_view text) noexcept;

// Round half to even into -32768..32767, or nothing when out of range.
std::optional<int> toPowerUnits(double value) noexcept;

// Shortest decimal form with at most 15 significant digits: 20, -15, 1.5.
std::string formatFreePower(double value);

} // namespace keelwright

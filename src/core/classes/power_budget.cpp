// SPDX-License-Identifier: MIT
#include "core/classes/power_budget.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace keelwright {
namespace {

constexpr int kMinUnits = std::numeric_limits<short>::min();
constexpr int kMaxUnits = std::numeric_limits<short>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Digits with at most one ".", and at least one digit.
bool isUnsignedDecimal(std::string_view text) {
    bool point = false;
    bool digit = false;
    for (const char c : text) {
        if (c == '.' && !point)
            point = true;
        else if (isDigit(c))
            digit = true;
        else
            return false;
    }
    return digit;
}

} // namespace

std::optional<double> parseBudgetNumber(std::string_view text) noexcept {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!isUnsignedDecimal(text))
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> toPowerUnits(double value) noexcept {
    if (!std::isfinite(value) || value < kMinUnits - 1.0 || value > kMaxUnits + 1.0)
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (rounded < kMinUnits || rounded > kMaxUnits)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::string formatFreePower(double value) {
    if (value == 0.0)
        value = 0.0; // no "-0"
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // 15 significant digits can leave trailing zeros in a fraction; general form drops them,
    // and writes large or tiny numbers with an exponent, which we show as "E".
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::optional<BudgetFigures> computeBudget(const PowerTexts& texts) noexcept {
    try {
        int total = 0;
        for (std::size_t i = 1; i < texts.size(); ++i) {
            const auto number = parseBudgetNumber(texts[i]);
            const auto units = number ? toPowerUnits(*number) : std::nullopt;
            if (!units)
                return std::nullopt;
            total += *units;
            if (total < kMinUnits || total > kMaxUnits)
                return std::nullopt;
        }
        const auto output = parseBudgetNumber(texts[0]);
        if (!output)
            return std::nullopt;
        return BudgetFigures{std::to_string(total), std::string(texts[0]),
                             formatFreePower(*output - total)};
    } catch (...) {
        return std::nullopt; // only an allocation can fail here; keep the last figures
    }
}

} // namespace keelwright

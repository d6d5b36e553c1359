// SPDX-License-Identifier: MIT
#pragma once
// What a send is asked about first, and what the game holds after it: the whole form when every
// line took effect, else what it held before with the lines that took effect applied.

#include "core/document/form_values.h"
#include "core/export/command_file.h" // linesToSend

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keelwright {

struct SendSummary {
    std::size_t lines = 0;
    std::size_t characters = 0;                  // without line ends
    std::vector<std::size_t> placeholders;       // lines (from 1) whose value is still "#"
    std::vector<std::size_t> tooLong;            // lines longer than the game takes
    std::vector<std::string> beyondCharacterSet; // characters a Latin-1 game cannot take
};
SendSummary summarize(const std::vector<std::string>& lines, std::size_t maxLineBytes, bool utf8);

// The form the game holds once `taken` of the `sentCount` lines sent for `sent` took effect,
// starting from `before` (nothing: the game is not known to hold the record). Lines of another
// class or weapon number than `before`'s start from nothing; none taken leaves `before`.
std::optional<FormValues> formTaken(FileContent form, const std::optional<FormValues>& before,
                                    const FormValues& sent, const std::vector<std::string>& taken,
                                    std::size_t sentCount);

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once
// The name Save As offers for a form that came from no file.

#include <string>
#include <string_view>

namespace keelwright {

// "Galleon.txt" for a class or weapon named "Galleon": characters a file name cannot hold on
// any system the program runs on become "_", and blanks at either end go. A name that is empty
// or still the form's "#" gives "<fallback>.txt".
std::string suggestedFileName(std::string_view name, std::string_view fallback);

} // namespace keelwright

// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keelwright {

// The About box: nine lines joined by CR LF, the last without a break.
std::string aboutText();

} // namespace keelwright

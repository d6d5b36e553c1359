// SPDX-License-Identifier: MIT
#pragma once
// The kinds of form, and so of what a command file holds: one of the two editors' records, or
// nothing either editor takes.

namespace keelwright {

enum class FileContent { Nothing, ShipClass, Weapon };

} // namespace keelwright

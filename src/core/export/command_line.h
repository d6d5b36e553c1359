// SPDX-License-Identifier: MIT
#pragma once
// One line of command text: command word, object number, key, value, CR LF. The key carries its
// own separators ("/name=", "=reactor", ":reactor/name="), so nothing is put between the pieces.

#include <string>
#include <string_view>

namespace keelwright {

inline constexpr std::string_view kLineEnd = "\r\n";

inline constexpr std::string_view kSetClass = "@space/setclass ";
inline constexpr std::string_view kAddSysClass = "@space/addsysclass ";
inline constexpr std::string_view kSysSetClass = "@space/syssetclass ";
// The reactor's efficiency is the one line whose command word has a capital S.
inline constexpr std::string_view kSysSetClassCapital = "@Space/syssetclass ";
inline constexpr std::string_view kSetWeapon = "@space/setweapon ";

inline void appendCommandLine(std::string& out, std::string_view command, std::string_view object,
                              std::string_view key, std::string_view value, bool lineEnd = true) {
    out.append(command).append(object).append(key).append(value);
    if (lineEnd)
        out.append(kLineEnd);
}

} // namespace keelwright

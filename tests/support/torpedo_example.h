// SPDX-License-Identifier: MIT
#pragma once
// The torpedo example: weapon 7, typed the same into the record and into the weapon editor,
// and the exact text each kind of weapon must give for it.

namespace keelwright::testing {

inline constexpr const char* kTorpedoMissileText = "@space/setweapon 7/reload time=12\r\n"
                                                   "@space/setweapon 7/type=1\r\n"
                                                   "@space/setweapon 7/name=Torpedo\r\n"
                                                   "@space/setweapon 7/range=900\r\n"
                                                   "@space/setweapon 7/strength=40\r\n"
                                                   "@space/setweapon 7/speed=5\r\n"
                                                   "@space/setweapon 7/turn rate=3\r\n";

// A laser's last line has no line break; No Hull is ticked.
inline constexpr const char* kTorpedoLaserText = "@space/setweapon 7/regen time=12\r\n"
                                                 "@space/setweapon 7/type=0\r\n"
                                                 "@space/setweapon 7/name=Torpedo\r\n"
                                                 "@space/setweapon 7/range=900\r\n"
                                                 "@space/setweapon 7/strength=40\r\n"
                                                 "@space/setweapon 7/power=2\r\n"
                                                 "@space/setweapon 7/accuracy=80\r\n"
                                                 "@space/setweapon 7/nohull=1";

} // namespace keelwright::testing

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end on a real X server: start Keelwright, wait for its window, open the weapon editor
# from the menu bar by keyboard, then quit with Ctrl+Q answered Yes, and expect a clean exit that
# stored nothing.
set -euo pipefail
program=${1:?usage: start_and_quit.sh path/to/keelwright VERSION}
version=${2:?usage: start_and_quit.sh path/to/keelwright VERSION}

source "$(dirname "$0")/x_session.sh"

start_program
editor=$(wait_for_window "Keelwright $version" 30)
echo "class editor is up: window $editor"
# The desktop entry finds its running program by this window class (a Linux desktop's concern).
if [[ -z "$windows" ]]; then
    xprop -id "$editor" WM_CLASS | grep -q '"keelwright"' || { echo "unexpected WM_CLASS" >&2; exit 1; }
fi

# "Weapon Editor" is the last entry of the menu bar (File, Edit, Game, Help, Weapon Editor), a
# command without items: reached by keyboard as a user without a mouse would, from the File menu
# four entries to the right. Keys that come
# before the window is ready for input are lost, so it is tried again until the editor shows.
weapons=
for _ in 1 2 3 4 5; do
    focus_window "$editor"
    xdotool key --clearmodifiers alt+f
    sleep 0.3
    xdotool key Right Right Right Right Return
    weapons=$(wait_for_window "Vantor Weapon Creator" 5 2>/dev/null) && break
    xdotool key Escape Escape
done
[[ -n "$weapons" ]] || { echo "the weapon editor did not open" >&2; exit 1; }
echo "weapon editor is up: window $weapons"

# Wine keeps the window it last activated in front whatever has the X focus: there the weapon
# editor is closed first, with Alt+F4 as a Windows user would.
if [[ -n "$windows" ]]; then
    focus_window "$weapons"
    xdotool key --clearmodifiers alt+F4
fi
quit_by_keyboard "$editor"
echo "Keelwright ended with status $status"
expect_nothing_stored
exit "$status"

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

# "Weapon Editor" is the third entry of the menu bar, a command without items: reached by keyboard
# as a user without a mouse would, from the File menu two entries to the right. Keys that come
# before the window is ready for input are lost, so it is tried again until the editor shows.
weapons=
for _ in 1 2 3 4 5; do
    focus_window "$editor"
    xdotool key --clearmodifiers alt+f
    sleep 0.3
    xdotool key Right Right Return
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
focus_window "$editor"
xdotool key --clearmodifiers ctrl+q
question=$(wait_for_window "Quit" 15)
focus_window "$question"
xdotool key Return # Yes is the default answer

for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
    echo "Keelwright is still running after Quit was answered Yes" >&2
    cat "$workdir/app.log" >&2
    exit 1
fi
wait "$app" && status=0 || status=$?
app=
echo "Keelwright ended with status $status"
expect_nothing_stored
exit "$status"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end on a real X server, by keyboard: Undo and Redo over the whole form, a Reset undone,
# and unsaved edits that come back after the program is killed (KILL) or ended (TERM).
set -euo pipefail
program=${1:?usage: undo_and_recover.sh path/to/keelwright VERSION}
version=${2:?usage: undo_and_recover.sh path/to/keelwright VERSION}
data=$(cd "$(dirname "$0")/data" && pwd)

source "$(dirname "$0")/x_session.sh"

expect_same() { # file, expected file, what
    if ! cmp -s "$1" "$2"; then
        echo "$3 differs:" >&2
        diff <(od -c "$2") <(od -c "$1") | head -20 >&2
        exit 1
    fi
    echo "$3: as expected"
}
start_editor() { # arguments...
    start_program "$@"
    editor=$(wait_for_window "Keelwright $version" 30)
    focus_window "$editor"
    sleep 0.5 # the first keys after the window maps may be lost otherwise
}
export_to() { # path: Export to Screen from the editor, saved from the output window
    focus_window "$editor"
    xdotool key --clearmodifiers ctrl+e
    save_output_as "$1"
}
# A snapshot is written a second after the last change: waits for one newer than $workdir/edited,
# touched before that change.
wait_for_snapshot() {
    local folder
    folder=$XDG_DATA_HOME/Keelwright/recovery
    [[ -z "$windows" ]] || folder=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null |
        tr -d '\r')")/Keelwright/recovery
    for _ in $(seq 100); do
        [[ -n "$(find "$folder" -name '*.snapshot' -newer "$workdir/edited" 2>/dev/null)" ]] &&
            return 0
        sleep 0.1
    done
    echo "no snapshot in $folder" >&2
    return 1
}
no_window() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
answer_recover() { # key
    local question
    question=$(wait_for_window "Recover" 15)
    sleep 0.3
    press_until "$question" "$1" no_window Recover || { echo "the Recover question stays" >&2; exit 1; }
}

ship="$HOME/saved-galleon.txt"
cp "$data/galleon.txt" "$ship"
# Max Hull 500 becomes 5009, the class name gets a "7", and the fuel system is included; the last
# two are undone and the name redone.
perl -pe 's/\r$/7\r/ if $. == 1; s/maxhull=500\r/maxhull=5009\r/' "$data/galleon.txt" \
    >"$workdir/expected.txt"
start_editor "$(native_path "$ship")"
before_reset="$data/galleon.txt" # the form before the Reset below, as saved
# Wine keeps the window it last activated in front whatever has the X focus, so there the
# editor is not gone back to after an output window: the kill and the restore alone.
if [[ -z "$windows" ]]; then
    xdotool key --clearmodifiers Tab Tab Tab End 9 shift+Tab End 7 ctrl+Next ctrl+Next Tab shift+Tab space
    xdotool key --clearmodifiers ctrl+z ctrl+z ctrl+y
    export_to "$HOME/saved-undone.txt"
    expect_same "$HOME/saved-undone.txt" "$workdir/expected.txt" "two steps undone, one redone"
    focus_window "$editor"
    xdotool key --clearmodifiers ctrl+r ctrl+z
    export_to "$HOME/saved-reset-undone.txt"
    expect_same "$HOME/saved-reset-undone.txt" "$workdir/expected.txt" "a Reset undone"
    before_reset="$workdir/expected.txt"
fi

# Reset and saved, then undone and killed: the edits come back at the next start and Save writes
# them (no file dialog in the killed run: it could not put Qt's dialog settings back).
focus_window "$editor"
xdotool key --clearmodifiers ctrl+r ctrl+s
for _ in $(seq 75); do cmp -s "$ship" "$data/galleon.txt" || break; sleep 0.2; done
cp "$ship" "$HOME/saved-reset.txt"
cmp -s "$ship" "$data/galleon.txt" && { echo "Ctrl+S did not save the Reset" >&2; exit 1; }
touch "$workdir/edited"
xdotool key --clearmodifiers ctrl+z
wait_for_snapshot
kill -KILL "$app"
wait "$app" 2>/dev/null || true
app=
start_editor
answer_recover Return # Restore is the default
press_until "$editor" ctrl+s differs "$ship" "$HOME/saved-reset.txt" || true
expect_same "$ship" "$before_reset" "undone after KILL, restored and saved"

# Ended by TERM at once after an edit: it ends with 0 and keeps the edit for the next start.
if [[ -z "$windows" ]]; then
    focus_window "$editor"
    touch "$workdir/edited"
    xdotool key --clearmodifiers Tab Tab Tab End 1
    wait_for_snapshot # it shows that the edit arrived, however slow the machine
    kill -TERM "$app"
    wait "$app" && status=0 || status=$?
    app=
    [[ $status -eq 0 ]] || { echo "Keelwright ended with status $status on TERM" >&2; exit 1; }
    start_editor
    answer_recover Escape # Not Now: asked again next time
    stop_program
    start_editor
    answer_recover Return
    press_until "$editor" ctrl+s differs "$ship" "$before_reset" || true
    grep -q 'maxhull=50091' "$ship" || { echo "the edit kept at TERM was not restored" >&2; exit 1; }
    echo "TERM kept the edit; restored and saved"
fi
stop_program # with nothing unsaved, nothing is kept
expect_nothing_stored

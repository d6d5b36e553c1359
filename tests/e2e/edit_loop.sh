#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end on a real X server, by keyboard: open a saved class, change one value and include
# one more system; Export Changes shows just that line and the new system's lines; Ctrl+S in the
# editor writes the form's full export back to the file. Then a TERM signal ends the program as
# Quit does, and its scratch folder goes with it.
set -euo pipefail
program=${1:?usage: edit_loop.sh path/to/keelwright VERSION}
version=${2:?usage: edit_loop.sh path/to/keelwright VERSION}
data=$(cd "$(dirname "$0")/data" && pwd)

source "$(dirname "$0")/x_session.sh"
export TMPDIR="$workdir/tmp" # where the program keeps its scratch folder
mkdir -p "$TMPDIR"

expect_bytes() { # file, expected file, what
    if ! cmp -s "$1" "$2"; then
        echo "$3 differs from $(basename "$2"):" >&2
        diff <(od -c "$2") <(od -c "$1") | head -20 >&2
        exit 1
    fi
    echo "$3: as expected"
}

ship="$HOME/saved-galleon.txt"
cp "$data/galleon.txt" "$ship"
start_program "$ship"
editor=$(wait_for_window "Keelwright $version" 30)
focus_window "$editor"
sleep 0.5 # the first keys after the window maps may be lost otherwise
# Max Hull is the third field of the first page: 500 becomes 5009. Two pages on, the fuel
# system's Include box stands just before its Name.
xdotool key --clearmodifiers Tab Tab Tab End 9 ctrl+Next ctrl+Next Tab shift+Tab space
xdotool key --clearmodifiers ctrl+shift+e
save_output_as "$HOME/saved-changes.txt"
expect_bytes "$HOME/saved-changes.txt" "$data/galleon-changes.txt" "Export Changes"

focus_window "$editor"
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 75); do cmp -s "$ship" "$data/galleon.txt" || break; sleep 0.2; done
expect_bytes "$ship" "$data/galleon-edited.txt" "Save"

ls "$TMPDIR" | grep -q '^Keelwright-' || { echo "no scratch folder to clean up" >&2; exit 1; }
kill -TERM "$app"
wait "$app" && status=0 || status=$?
app=
[[ $status -eq 0 ]] || { echo "Keelwright ended with status $status on TERM" >&2; exit 1; }
# (Qt's runtime-root, made when XDG_RUNTIME_DIR is unset, is Qt's own and stays for the user.)
if ls "$TMPDIR" | grep '^Keelwright-' >&2; then
    echo "left behind after TERM" >&2
    exit 1
fi
echo "TERM ended the program cleanly"
expect_nothing_stored

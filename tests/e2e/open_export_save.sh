#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end on a real X server: start Keelwright with a saved command file, export it from the
# editor it opens in, save the output window's text through the Save As dialog by keyboard, and
# expect the very bytes that were opened. Once with a ship class, once with a weapon. The same
# for keelwright.exe under Wine, with Windows paths. Before the export, keys pressed with Alt that
# match no access key go into a text field and a power field: they must type nothing (a plain
# key after them, undone, shows that the field had the keyboard).
set -euo pipefail
program=${1:?usage: open_export_save.sh path/to/keelwright VERSION}
version=${2:?usage: open_export_save.sh path/to/keelwright VERSION}
data=$(cd "$(dirname "$0")/data" && pwd)

source "$(dirname "$0")/x_session.sh"

# Opens FILE at start, runs the export keys in the window titled EDITOR, saves to SAVED.
round_trip() { # file, editor title, export keys...
    local file=$1 title=$2 editor saved
    shift 2
    saved="$HOME/saved-$(basename "$file")"
    start_program "$(native_path "$file")"
    editor=$(wait_for_window "$title" 30)
    focus_window "$editor"
    sleep 0.5 # the first keys after the window maps may be lost otherwise
    xdotool key --clearmodifiers "$@"
    save_output_as "$saved"
    if ! cmp "$file" "$saved"; then
        echo "the saved text differs from $(basename "$file"):" >&2
        diff <(od -c "$file") <(od -c "$saved") | head -20 >&2
        exit 1
    fi
    echo "$(basename "$file"): opened, exported and saved byte for byte"
    stop_program
}

# Max Hull "500", the third field of the first page, then the reactor's Max Output "90", a power
# field, one Tab on.
round_trip "$data/galleon.txt" "Keelwright $version" Tab Tab Tab End alt+w alt+shift+e BackSpace 0 \
    ctrl+Next Tab Tab End alt+5 alt+w BackSpace 0 ctrl+e
# The weapon editor starts in Weapon Number "7:x". Its Export to screen has no shortcut: its menu
# by access keys.
round_trip "$data/lance.txt" "Vantor Weapon Creator" End alt+w alt+shift+e BackSpace x alt+f e
expect_nothing_stored

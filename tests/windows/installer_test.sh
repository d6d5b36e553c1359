#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer under Wine: a silent install for everyone, the installed program started once
# with a class file and exported, then the silent uninstall, after which no file and no registry
# key of Keelwright is left.
#   tests/windows/installer_test.sh SETUP.EXE CLASS_FILE VERSION
set -euo pipefail
installer=${1:?usage: installer_test.sh SETUP.EXE CLASS_FILE VERSION}
class_file=${2:?usage: installer_test.sh SETUP.EXE CLASS_FILE VERSION}
version=${3:?usage: installer_test.sh SETUP.EXE CLASS_FILE VERSION}
program=$installer
source "$(dirname "$0")/../e2e/x_session.sh"

fail() {
    echo "$*" >&2
    exit 1
}
folder="$WINEPREFIX/drive_c/Program Files/Keelwright"
keelwright_keys() { grep -ihE '^\[[^]]*keelwright' "$WINEPREFIX"/*.reg || true; }
shortcuts() { find "$WINEPREFIX/drive_c" -iname 'Keelwright.lnk'; }

wine "$installer" /S
wineserver -w
for file in keelwright.exe LICENSE.txt README.txt uninstall.exe; do
    [[ -f "$folder/$file" ]] || fail "not installed: $file"
done
[[ -n "$(shortcuts)" ]] || fail "no Start-menu shortcut"
entry=$(sed -n '/Uninstall\\\\Keelwright\]/,/^$/p' "$WINEPREFIX/system.reg")
for value in '"DisplayName"="Keelwright"' "\"DisplayVersion\"=\"$version\"" '"Publisher"=' \
    '"DisplayIcon"=' '"UninstallString"=' '"EstimatedSize"=dword:'; do
    grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value"
done
echo "installed for everyone, with a shortcut and an uninstall entry"

program="$folder/keelwright.exe"
start_program "$(native_path "$class_file")"
editor=$(wait_for_window "Keelwright $version" 60)
focus_window "$editor"
sleep 0.5
xdotool key --clearmodifiers ctrl+e
output=$(wait_for_window "Copy and Paste this to MUSH" 15)
# Wine keeps the window it activated last in front: the output window is closed first.
focus_window "$output"
xdotool key --clearmodifiers alt+F4
quit_by_keyboard "$editor"
[[ $status -eq 0 ]] || fail "the installed program ended with $status"
echo "the installed program opened a class, exported it and quit"

wine "$folder/uninstall.exe" /AllUsers /S
wineserver -w
[[ ! -e "$folder" ]] || fail "left after uninstalling: $(ls -A "$folder")"
[[ -z "$(shortcuts)" ]] || fail "left after uninstalling: $(shortcuts)"
[[ -z "$(keelwright_keys)" ]] || fail "registry keys left after uninstalling: $(keelwright_keys)"
echo "uninstalled without a trace"
expect_nothing_stored

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program's resource script compiles with the MinGW-w64 resource compiler, and what
# it holds reads back: the icon, file version 2.5.0.2 and the texts Explorer shows.
set -euo pipefail
script=${1:?usage: windows_resource_test.sh keelwright.rc VERSION}
version=${2:?usage: windows_resource_test.sh keelwright.rc VERSION}
windres=${WINDRES:-x86_64-w64-mingw32-windres}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$windres" "$script" -O res -o "$scratch/keelwright.res"
"$windres" -J res -i "$scratch/keelwright.res" -O rc -o "$scratch/back.rc"
IFS=. read -r major minor patch <<<"$version"
failed=0
for expected in "FILEVERSION $major, $minor, 0, $patch" \
    'VALUE "FileDescription", "Keelwright for Vantor 4.21"' \
    "VALUE \"FileVersion\", \"$major.$minor.0.$patch\"" \
    'VALUE "ProductName", "Keelwright"' \
    "VALUE \"ProductVersion\", \"$version\"" \
    'RT_GROUP_ICON'; do
    grep -qF "$expected" "$scratch/back.rc" || { echo "the resource lacks: $expected" >&2; failed=1; }
done
[[ $failed -eq 0 ]] && echo "the resource script compiles and holds the icon and version"
exit "$failed"

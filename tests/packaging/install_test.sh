#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that a desktop sees a whole program there:
# the binary, a desktop entry whose id, command and icon agree, and both icons.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR APP_ID}
id=${2:?usage: install_test.sh BUILD_DIR APP_ID}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entry="$prefix/share/applications/$id.desktop"
for file in "$prefix/bin/keelwright" "$entry" \
            "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
            "$prefix/share/icons/hicolor/32x32/apps/$id.png"; do
    [[ -f "$file" ]] || { echo "not installed: ${file#"$prefix"/}" >&2; exit 1; }
done
[[ -x "$prefix/bin/keelwright" ]] || { echo "keelwright is not executable" >&2; exit 1; }
grep -qx "Exec=keelwright %F" "$entry" || { echo "the entry does not start keelwright with files" >&2; exit 1; }
grep -qx "MimeType=text/plain;" "$entry" || { echo "the entry offers to open no text files" >&2; exit 1; }
grep -qx "Icon=$id" "$entry" || { echo "the entry does not name the icon $id" >&2; exit 1; }
# The window's class (checked end to end) ties the running program to this entry.
grep -qx "StartupWMClass=keelwright" "$entry" || { echo "the entry names no window class" >&2; exit 1; }
echo "installed whole under $prefix"

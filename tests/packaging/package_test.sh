#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as the README says and lets the distribution's checkers judge it:
# lintian on the package, appstreamcli and desktop-file-validate on what it installs. Then the
# program unpacked from the package answers --version.
set -euo pipefail
build=${1:?usage: package_test.sh BUILD_DIR APP_ID VERSION}
id=${2:?usage: package_test.sh BUILD_DIR APP_ID VERSION}
version=${3:?usage: package_test.sh BUILD_DIR APP_ID VERSION}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -B "$scratch" >"$scratch/cpack.log") || { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(ls "$scratch"/keelwright_*.deb)
echo "built $(basename "$deb")"

failed=0
judge() { # name, output of the check
    if [[ -n "$2" ]]; then
        echo "$1 reports:" >&2
        echo "$2" >&2
        failed=1
    else
        echo "$1: clean"
    fi
}
judge lintian "$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)"
dpkg-deb -x "$deb" "$scratch/root"
judge appstreamcli "$(appstreamcli validate --no-net --explain \
    "$scratch/root/usr/share/metainfo/$id.metainfo.xml" >"$scratch/as.log" 2>&1 || cat "$scratch/as.log")"
judge desktop-file-validate "$(desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop" 2>&1)"
answer=$("$scratch/root/usr/bin/keelwright" --version)
[[ "$answer" == "Keelwright $version" ]] || { echo "--version says: $answer" >&2; failed=1; }
exit "$failed"

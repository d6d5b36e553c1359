#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --help and --version answer on standard output and end the program with 0, on a terminal with
# no display, and beside Qt's own options.
set -euo pipefail
program=${1:?usage: command_line_test.sh path/to/keelwright VERSION}
version=${2:?usage: command_line_test.sh path/to/keelwright VERSION}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

expect_output() { # what stdout must hold, arguments...
    local expected=$1 out
    shift
    out=$("$program" "$@" 2>/dev/null) || { echo "keelwright $* ended with $?" >&2; exit 1; }
    grep -qF -- "$expected" <<<"$out" || { echo "keelwright $* printed: $out" >&2; exit 1; }
}
expect_output "Keelwright $version" --version
expect_output "Keelwright $version" -v
expect_output "Keelwright $version" -platform offscreen --version
expect_output "[FILE...]" --help
expect_output "--version" -h
echo "--help and --version answer without a display"

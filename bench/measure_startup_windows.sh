#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of keelwright.exe beside a bare Qt window built the same way, under the same Wine on
# Xvfb, and the sizes of what Windows users download. Run scripts/check-windows first.
# Usage: bench/measure_startup_windows.sh [runs=7]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
build=$PWD/build/windows
version=$(sed -n "s/^project(keelwright VERSION \([0-9.]*\).*/\1/p" CMakeLists.txt)
cmake --build "$build" --target bare_window >/dev/null
program="$build/src/app/keelwright.exe"
source tests/e2e/x_session.sh

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
start_once() { # program, title: milliseconds until the window is mapped
    local t0 t1
    t0=$(now_ms)
    wine "$1" >/dev/null 2>&1 &
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.005; done
    t1=$(now_ms)
    wineserver -k
    wineserver -w
    echo $((t1 - t0))
}
measure() { # program, title
    for _ in $(seq "$runs"); do start_once "$1" "$2"; done | median
}

start_once "$build/bench/bare_window.exe" "Bare Qt window" >/dev/null # Wine's own first start
bare=$(measure "$build/bench/bare_window.exe" "Bare Qt window")
keelwright=$(measure "$program" "Keelwright $version")
echo "Median of $runs starts under Wine: bare Qt window $bare ms, keelwright.exe $keelwright ms" \
    "($(awk -v k="$keelwright" -v b="$bare" 'BEGIN {printf "%.2f", k / b}') times)"
mib() { awk -v b="$(stat -c %s "$1")" 'BEGIN {printf "%.1f MiB", b / 1048576}'; }
echo "keelwright.exe $(mib "$build/windows/keelwright.exe"), zip $(mib "$build/keelwright-$version-windows-x64.zip")," \
    "installer $(mib "$build/keelwright-$version-windows-x64-setup.exe")"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time, resident memory and idle CPU of Keelwright beside a bare Qt window, under Xvfb.
# Usage: bench/measure_startup.sh [runs=5] [idle seconds=20]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
idle=${2:-20}

KEELWRIGHT_BENCH=1 scripts/setup
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel "$(nproc)" --target keelwright bare_window >/dev/null
keelwright=build/bench/src/app/keelwright
bare=build/bench/bench/bare_window

workdir=$(mktemp -d)
exec 3>"$workdir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$workdir"' EXIT
for _ in $(seq 100); do [[ -s "$workdir/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$workdir/display")" QT_QPA_PLATFORM=xcb

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# Milliseconds from exec until the window is mapped, then resident memory in KiB once shown.
start_once() { # program, title
    local t0 pid t1 rss
    t0=$(now_ms)
    "$1" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.005; done
    t1=$(now_ms)
    sleep 1
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((t1 - t0)) $rss"
}

# CPU percent used over the idle period, after a second to settle.
idle_cpu() { # pid
    local ticks before after
    ticks=$(getconf CLK_TCK)
    sleep 2
    before=$(awk '{print $14 + $15}' "/proc/$1/stat")
    sleep "$idle"
    after=$(awk '{print $14 + $15}' "/proc/$1/stat")
    awk -v d=$((after - before)) -v t="$ticks" -v s="$idle" 'BEGIN {printf "%.2f", 100 * d / t / s}'
}

measure() { # label, program, title
    local samples
    samples=$(for _ in $(seq "$runs"); do start_once "$2" "$3"; done)
    startup=$(cut -d' ' -f1 <<<"$samples" | median)
    rss=$(cut -d' ' -f2 <<<"$samples" | median)
    printf '%-22s start-up %6s ms   resident %7.1f MiB\n' "$1" "$startup" "$(awk -v k="$rss" 'BEGIN {print k / 1024}')"
}

echo "Median of $runs starts each; idle CPU over $idle s."
measure "bare Qt window" "$bare" "Bare Qt window"
version=$(sed -n "s/^project(keelwright VERSION \([0-9.]*\).*/\1/p" CMakeLists.txt)
measure "Keelwright" "$keelwright" "Keelwright $version"

# Both idle at once, each on its own core: Keelwright runs nothing while nothing changes, so the
# yardstick is the bare window itself.
"$bare" >/dev/null 2>&1 &
tick=$!
"$keelwright" >/dev/null 2>&1 &
kw=$!
idle_cpu "$tick" >"$workdir/bare.cpu" &
waiter=$!
idle_cpu "$kw" >"$workdir/keelwright.cpu"
wait "$waiter"
printf '%-22s idle CPU %6s %%\n' "bare Qt window" "$(cat "$workdir/bare.cpu")"
printf '%-22s idle CPU %6s %%\n' "Keelwright" "$(cat "$workdir/keelwright.cpu")"
kill "$tick" "$kw" 2>/dev/null || true

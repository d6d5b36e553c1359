#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sending a class of 106 lines to a real TinyMUX on the loopback (its quotas raised), one line in
# flight at a time: directly, and through a proxy that holds each direction 50 ms; then the
# changes of 100 classes (three lines each), worked out from their ledgers.
# Usage: bench/measure_send.sh [runs=5]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
KEELWRIGHT_BENCH=1 scripts/setup
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel "$(nproc)" --target send_bench >/dev/null
source tests/support/tinymux_game.sh
trap game_stop EXIT
game_start
build/bench/bench/send_bench "$game_port" 0 "$runs"
build/bench/bench/send_bench "$game_port" 50 "$runs"
build/bench/bench/send_bench "$game_port" 0 "$runs" 100 # the changes of 100 classes

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A short, bounded fuzzing run of every target from the seed corpus, as part of the tests.
# Usage: run_short.sh BUILD_DIR [runs per target]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: run_short.sh BUILD_DIR [runs]}
runs=${2:-20000}
cmake -S "$here/../.." -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKEELWRIGHT_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
for target in power_budget class_export weapon_export class_reader weapon_reader file_records \
    game_session; do
    scratch=$(mktemp -d) # new finds stay out of the repository's seed corpus
    echo "== fuzz_$target"
    # A file of many records is read twice and written once per input: a quarter of the runs
    # costs what one reader's runs cost.
    count=$runs
    [[ "$target" != file_records ]] || count=$((runs / 4))
    "$build/tests/fuzz/fuzz_$target" -runs="$count" -max_len=4096 -seed=1 "$scratch" \
        "$here/corpus/$target" 2>&1 | tail -n 2
    rm -rf "$scratch"
done

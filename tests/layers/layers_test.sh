#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The arrows between the layers run one way: app -> ui -> core. The core includes no Qt header
# and nothing of the windows; a window includes no other window (the shell knows them all).
set -euo pipefail
src=$(cd "$(dirname "$0")/../../src" && pwd)
failed=0

forbid() { # folder, pattern, why
    local hits
    hits=$(grep -rnE "^\s*#\s*include\s*[<\"]($2)" "$src/$1" || true)
    if [[ -n "$hits" ]]; then
        echo "$3:" >&2
        echo "$hits" >&2
        failed=1
    fi
}

forbid core 'Q[A-Za-z]+|QtCore|QtWidgets|QtGui|ui/|app/' "the core reaches into Qt or the windows"
forbid ui 'app/' "the windows reach into the program"
forbid ui/widgets 'ui/(classes|output|weapons|shell)/' "a shared widget depends on a window"
windows=(classes output weapons)
for from in "${windows[@]}"; do
    for to in "${windows[@]}" shell; do
        [[ "$from" == "$to" ]] || forbid "ui/$from" "ui/$to/" "ui/$from includes ui/$to"
    done
done
[[ $failed -eq 0 ]] && echo "layers are in order"
exit "$failed"

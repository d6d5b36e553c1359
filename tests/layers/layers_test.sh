#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The arrows between the layers run one way: app -> ui -> core. The core includes no Qt header
# and nothing of the windows. Inside each layer the folders stand in an order, and a folder
# includes only those before it; the windows include no other window (the shell knows them all).
# Every folder of src/ must have its place here, so a new one cannot slip by unguarded.
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

# Lowest first. Folders on one line are peers: neither includes the other.
core_order=("classes weapons" export document files fleet game shell)
ui_order=(document storage helpers widgets editor "classes weapons output fleet game" shell)

guard_order() { # layer, then its folders lowest first
    local layer=$1 i j from to
    shift
    local order=("$@")
    for ((i = 0; i < ${#order[@]}; i++)); do
        for from in ${order[i]}; do
            for ((j = i; j < ${#order[@]}; j++)); do
                for to in ${order[j]}; do
                    [[ "$from" == "$to" ]] ||
                        forbid "$layer/$from" "$layer/$to/" "$layer/$from includes $layer/$to"
                done
            done
        done
    done
    local folder known
    for folder in "$src/$layer"/*/; do
        folder=$(basename "$folder")
        known=0
        for to in ${order[*]}; do [[ "$to" == "$folder" ]] && known=1; done
        if [[ $known -eq 0 ]]; then
            echo "$layer/$folder has no place in the order of $layer's folders" >&2
            failed=1
        fi
    done
}
guard_order core "${core_order[@]}"
guard_order ui "${ui_order[@]}"

[[ $failed -eq 0 ]] && echo "layers are in order"
exit "$failed"

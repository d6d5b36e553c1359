#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build's tests, under Wine on an X server of their own: the core tests, every window
# test program with Qt's Windows platform plugin (the layout checks once more at 150 % and
# 200 %), the Credential Manager, a shorter monkey run, then the end-to-end tests with the real keelwright.exe (among them
# the Wine process killed and its edits restored at the next start).
#   tests/windows/run_tests.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "${1:?usage: run_tests.sh BUILD_DIR VERSION}" && pwd)
version=${2:?usage: run_tests.sh BUILD_DIR VERSION}
here=$(cd "$(dirname "$0")" && pwd)
program="$build/src/app/keelwright.exe"
source "$here/../e2e/x_session.sh"

passed=0 failed=0
run() { # what, program, arguments...
    local what=$1
    shift
    echo "== $what"
    if wine "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

run "core tests" "$build/tests/core/core_tests.exe"
for tests in class_editor_tests output_window_tests weapon_editor_tests editor_tests fleet_tests \
    game_tests shell_tests; do
    run "$tests" "$build/tests/ui/$tests.exe"
    [[ "$tests" == *_editor_tests || "$tests" == output_window_tests ]] || continue
    for scale in 1.5 2; do
        QT_SCALE_FACTOR=$scale run "$tests at ${scale/./,}x" "$build/tests/ui/$tests.exe" \
            --gtest_filter='*Layout*:*TabsStand*'
    done
done
# The Credential Manager: a password kept, read back, and forgotten.
KEELWRIGHT_KEYRING=answers run "keyring tests" "$build/tests/ui/keyring_tests.exe"
KEELWRIGHT_MONKEY_STEPS=${KEELWRIGHT_MONKEY_STEPS:-300} run "monkey" "$build/tests/monkey/monkey_tests.exe"

for script in start_and_quit open_export_save undo_and_recover fleet game; do
    echo "== $script with keelwright.exe"
    if "$here/../e2e/$script.sh" "$program" "$version"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $script"
    fi
done
echo "windows: $passed passed, $failed failed"
[[ $failed -eq 0 ]]

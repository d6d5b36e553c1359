#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end against a hostile game on the loopback: one that sends 50 MB without a line end, one
# that negotiates without end and never reads, one that accepts and never speaks. Throughout, the
# editor answers its keys (Help > About by keyboard opens its box, Return closes it), the login is
# refused in a box of its own, and the program grows by under 20 MiB.
set -euo pipefail
program=${1:?usage: game_hostile.sh path/to/keelwright VERSION}
version=${2:?usage: game_hostile.sh path/to/keelwright VERSION}
hostile=${KEELWRIGHT_HOSTILE_GAME:?the hostile game}

source "$(dirname "$0")/x_session.sh"
source "$(dirname "$0")/game_by_keyboard.sh"
"$hostile" "$workdir/port" flood iac silent &
game=$!
trap 'kill "$game" 2>/dev/null || true; cleanup' EXIT
wait_for_file "$workdir/port" 10
port=$(cat "$workdir/port")

start_program
editor=$(wait_for_window "Keelwright $version" 30)
sleep 1
resident() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; } # KiB
start_size=$(resident)
largest=$start_size

for mode in flood iac silent; do
    connect_as "$editor" builderpw "$port"
    # While the game goes on, the editor answers: Help > About, and Return closes its box. The
    # refusal's box may come up in between and take a key: it is gone then with the connection.
    deadline=$((SECONDS + 25))
    refused=
    while ((SECONDS < deadline)) && [[ -z "$refused" ]]; do
        if [[ -n "$(window_shown "Connect to Game")" ]]; then
            answer_box "Connect to Game" Return
            refused=1
            break
        fi
        size=$(resident)
        ((size > largest)) && largest=$size
        focus_window "$editor"
        xdotool key --clearmodifiers alt+h Return
        about=
        for _ in $(seq 25); do about=$(window_shown About) && [[ -n "$about" ]] && break; sleep 0.2; done
        if [[ -n "$about" ]]; then
            answer_box About Return
        elif [[ -z "$(window_shown "Connect to Game")" ]]; then # unless the refusal took the keys
            for _ in $(seq 15); do grep -qsx "$mode" "$workdir/port.closed" && break; sleep 0.2; done
            grep -qsx "$mode" "$workdir/port.closed" ||
                { echo "$mode: the editor did not answer within 5 s" >&2; exit 1; }
        fi
        if grep -qsx "$mode" "$workdir/port.closed"; then # the program ended the connection
            for _ in $(seq 15); do [[ -n "$(window_shown "Connect to Game")" ]] && break; sleep 0.2; done
            [[ -n "$(window_shown "Connect to Game")" ]] && answer_box "Connect to Game" Return
            refused=1
        fi
    done
    [[ -n "$refused" ]] || { echo "$mode: the login was never refused" >&2; exit 1; }
    for _ in $(seq 10); do # no box left open for the next Connect
        for box in About "Connect to Game"; do
            [[ -z "$(window_shown "$box")" ]] || answer_box "$box" Return
        done
        sleep 0.3
    done
    echo "$mode: the editor answered throughout, and the login was refused"
done

grown=$(((largest - start_size) / 1024))
echo "the program grew by $grown MiB at most (from $((start_size / 1024)) MiB)"
if [[ -n "${KEELWRIGHT_SANITIZED:-}" ]]; then
    echo "(not judged: the sanitizers' allocator keeps what is freed)"
else
    ((grown < 20)) || { echo "more than 20 MiB" >&2; exit 1; }
fi
stop_program

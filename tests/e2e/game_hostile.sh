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
    # While the game goes on, the editor answers: Help > About, and Return closes its box.
    deadline=$((SECONDS + 25))
    refused= refused_by_keys=
    while ((SECONDS < deadline)); do
        refused=$(shown "Connect to Game")
        [[ -n "$refused" ]] && break
        size=$(resident)
        ((size > largest)) && largest=$size
        focus_window "$editor"
        xdotool key --clearmodifiers alt+h Return
        about=
        for _ in $(seq 25); do about=$(shown About) && [[ -n "$about" ]] && break; sleep 0.2; done
        if [[ -z "$about" ]]; then
            # Unless the refusal came first and took the keys: then its box is there, or gone
            # with the game's connection.
            [[ -n "$(shown "Connect to Game")" ]] && continue
            refused_by_keys=$(grep -sx "$mode" "$workdir/port.closed" || true)
            [[ -n "$refused_by_keys" ]] && break
            echo "$mode: the editor did not answer within 5 s" >&2
            exit 1
        fi
        focus_window "$about"
        xdotool key Return
        for _ in $(seq 25); do [[ -z "$(shown About)" ]] && break; sleep 0.2; done
    done
    if [[ -n "$refused" ]]; then
        focus_window "$refused"
        xdotool key Return
    elif [[ -z "$refused_by_keys" ]]; then
        echo "$mode: the login was never refused" >&2
        exit 1
    fi
    echo "$mode: the editor answered throughout, and the login was refused"
done

grown=$(((largest - start_size) / 1024))
echo "the program grew by $grown MiB at most (from $((start_size / 1024)) MiB)"
((grown < 20)) || { echo "more than 20 MiB" >&2; exit 1; }
stop_program

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end by keyboard against a real game that keeps its own flood limit (a burst of a hundred
# commands, then one a second): a random class of every system, more lines than the burst, is
# sent whole and the recorder holds exactly its lines, each answered in turn. Sent again, the game
# is killed in the middle and started afresh; after Connect, Send the Rest sends the lines that
# had not come back "OK", and the new game holds exactly the class's remaining lines.
set -euo pipefail
program=${1:?usage: game_lost.sh path/to/keelwright VERSION}
version=${2:?usage: game_lost.sh path/to/keelwright VERSION}
random_class=${KEELWRIGHT_RANDOM_CLASS:?the random class maker}

source "$(dirname "$0")/x_session.sh"
source "$(dirname "$0")/../support/tinymux_game.sh"
source "$(dirname "$0")/game_by_keyboard.sh"
trap 'game_stop; cleanup' EXIT
game_start default

seed=${KEELWRIGHT_SEED:-$RANDOM}
echo "random class of seed $seed (KEELWRIGHT_SEED=$seed repeats it)"
"$random_class" "$seed" "$workdir/class.txt" "$workdir/expected.txt" full
lines=$(grep -c '' "$workdir/expected.txt")
((lines > 100)) || { echo "the class has $lines lines, not more than the game's burst" >&2; exit 1; }

start_program "$workdir/class.txt"
editor=$(wait_for_window "Keelwright $version" 30)
connect_as "$editor" builderpw
wait_connected
send_by "$editor" ctrl+g
game_wait_count "$lines" 60
expect_recorded 1 "$workdir/expected.txt"
echo "paced by the game: all $lines lines recorded exactly"

# Sent again, the game has no burst left: a line a second. Killed after a few, then started afresh
# on the same port.
send_by "$editor" ctrl+g
deadline=$((SECONDS + 30))
until (($(game_think 'get(#3/CNT)') >= lines + 3)) || ((SECONDS > deadline)); do sleep 0.2; done
before=$(($(game_think 'get(#3/CNT)') - lines))
kill -9 "$game_pid"
port=$game_port
game_stop
((before < lines)) || { echo "the send ended before the game was killed" >&2; exit 1; }
game_start default "$port"

connect_as "$editor" builderpw
wait_connected
press_until "$(wait_for_window Game 15)" alt+r \
    eval '(($(game_think "get(#3/CNT)") > 0))' ||
    { echo "Send the Rest sent nothing" >&2; exit 1; }
# The new game holds the class from the first line that had not come back "OK" to the last.
deadline=$((SECONDS + 30))
until [[ "$(game_think 'get(#3/L_[get(#3/CNT)])')" == "$(tail -n1 "$workdir/expected.txt" | tr -d '\r')" ]] ||
    ((SECONDS > deadline)); do sleep 0.2; done
after=$(game_think 'get(#3/CNT)')
first=$((lines - after + 1))
if ((first < 2 || first > before + 2)); then
    echo "after $before lines recorded by the killed game, Send the Rest began at line $first" >&2
    exit 1
fi
tail -n "+$first" "$workdir/expected.txt" >"$workdir/rest.txt"
expect_recorded 1 "$workdir/rest.txt"
echo "the game killed after $before lines; Send the Rest sent lines $first to $lines exactly"
stop_program

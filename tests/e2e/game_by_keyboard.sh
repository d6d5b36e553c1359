# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests that send to a real game (after x_session.sh and
# tinymux_game.sh): Connect, Send and the recorder's lines, by keyboard.

# The id of the window titled TITLE that shows, or nothing.
window_shown() { { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; } | head -n1; }

# Game > Connect... from the editor; the dialog gets the keyboard, the focus in Host.
open_connect_dialog() { # editor window
    local dialog
    focus_window "$1"
    xdotool key --clearmodifiers alt+g
    sleep 0.3
    xdotool key c
    dialog=$(wait_for_window "Connect to Game" 15)
    focus_window "$dialog"
}
# Return connects; the dialog closes.
connect_by_return() {
    xdotool key Return
    for _ in $(seq 50); do [[ -z "$(window_shown "Connect to Game")" ]] && break; sleep 0.1; done
}

# "A new game" chosen above the fields, then the fields in their tab order.
connect_as() { # editor window, password, port, tls (1 ticks the box), remember (1 ticks it)
    open_connect_dialog "$1"
    xdotool key shift+Tab Home Tab
    xdotool type --delay 20 "127.0.0.1"
    xdotool key Tab ctrl+a
    xdotool type --delay 20 "${3:-$game_port}"
    xdotool key Tab
    [[ "${4:-}" == 1 ]] && xdotool key space
    xdotool key Tab
    xdotool type --delay 20 "Builder"
    xdotool key Tab
    xdotool type --delay 20 "$2"
    [[ "${5:-}" == 1 ]] && { xdotool key Tab space; sleep 0.5; } # the keyring answers
    connect_by_return
}
# The game used before chosen above the fields by typing its name: its remembered password comes
# from the keyring.
connect_remembered() { # editor window, port
    open_connect_dialog "$1"
    xdotool key shift+Tab
    xdotool type --delay 20 "127.0.0.1:$2" # no blank: Space opens the list
    sleep 1
    connect_by_return
}
connected() { [[ "$(game_think 'conn(*Builder)')" != -1 ]]; }
wait_connected() {
    for _ in $(seq 100); do connected && break; sleep 0.1; done
    connected || { echo "Builder did not log in" >&2; return 1; }
    sleep 1 # the markers are set just after the login
}

# Sends with KEY from the editor and answers the question Yes (its default).
send_by() { # editor window, key
    local question
    focus_window "$1"
    xdotool key --clearmodifiers "$2"
    question=$(wait_for_window "Send to Game" 15)
    focus_window "$question"
    xdotool key Return
}

expect_recorded() { # first line number, expected file (lines ended by CR LF)
    local n=$1 line got
    while IFS= read -r line; do
        line=${line%$'\r'}
        got=$(game_think "get(#3/L_$n)")
        if [[ "$got" != "$line" ]]; then
            echo "the game recorded line $n as:" >&2
            printf '%s\n' "$got" | od -c | head -5 >&2
            echo "not as sent:" >&2
            printf '%s\n' "$line" | od -c | head -5 >&2
            return 1
        fi
        n=$((n + 1))
    done <"$2"
}


# Answers the box titled TITLE with KEY, again if need be, until it is gone.
answer_box() { # title, key
    local box
    box=$(wait_for_window "$1" 15)
    press_until "$box" "$2" eval '[[ -z "$(window_shown "$1")" ]]' ||
        { echo "the box '$1' stays after $2" >&2; return 1; }
}

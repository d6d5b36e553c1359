# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests: an X server of their own under Xvfb, a scratch home and
# configuration folder, a way to wait for a window by its title, and the program under test:
# the Linux one, or keelwright.exe run by Wine in a Wine prefix of the test's own.
workdir=$(mktemp -d)
exec 3>"$workdir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$workdir/xvfb.log" 2>&1 &
xvfb=$!
app=
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null || true
    [[ -n "${WINEPREFIX:-}" ]] && wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

for _ in $(seq 100); do [[ -s "$workdir/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$workdir/display")"
export QT_QPA_PLATFORM=xcb
# Whatever the program might store would land here, where the tests can look for it.
export HOME="$workdir/home" XDG_CONFIG_HOME="$workdir/home/.config"
export XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

windows=
if [[ "${program:-}" == *.exe ]]; then
    windows=1
    # No Mono or Gecko, and no menu entries of Wine's own in the home folder.
    export WINEPREFIX="$workdir/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset QT_QPA_PLATFORM # Qt's Windows platform plugin
    wineboot --init >/dev/null 2>&1
    # Another Qt program's settings: the key of Qt's dialogs exists before the run, and the run
    # must leave it as it was, without keys of its own beside it.
    wine reg add 'HKCU\Software\QtProject\Other' /v Kept /d yes /f >/dev/null 2>&1
    wineserver -w
    for _ in $(seq 50); do grep -qi 'QtProject' "$WINEPREFIX/user.reg" && break; sleep 0.1; done
fi

# The registry keys and values of Qt's and Keelwright's settings, without Wine's time stamps.
# Wine writes the registry to user.reg as it ends.
settings_in_registry() {
    wineserver -w
    awk '/^\[/ { keep = tolower($0) ~ /^\[software\\\\(qtproject|keelwright)/; sub(/\] [0-9]+$/, "]") }
         keep && !/^#time=/' "$WINEPREFIX/user.reg"
}

if [[ -n "$windows" ]]; then
    # What the Windows user's profile and registry hold before the program first runs.
    find "$WINEPREFIX/drive_c/users" -path '*/Temp' -prune -o -type f -print | sort >"$workdir/profile"
    settings_in_registry >"$workdir/registry"
fi

# Starts the program with these arguments in the background; its process id is in $app.
start_program() {
    if [[ -n "$windows" ]]; then
        wine "$program" "$@" >"$workdir/app.log" 2>&1 &
    else
        "$program" "$@" >"$workdir/app.log" 2>&1 &
    fi
    app=$!
}

# Ends the program from outside as a logout would: TERM on Linux, a request to close its windows
# on Windows. Either ends it as Quit does.
stop_program() {
    if [[ -n "$windows" ]]; then
        wine taskkill /IM "$(basename "$program")" >/dev/null 2>&1 || true
    else
        kill "$app"
    fi
    wait "$app" 2>/dev/null || true
    app=
}

# Quits with Ctrl+Q in the class editor EDITOR, answers Yes by Return, and waits up to 10 s for
# the program to end; its exit status is then in $status.
quit_by_keyboard() { # editor window id
    local question
    focus_window "$1"
    xdotool key --clearmodifiers ctrl+q
    question=$(wait_for_window "Quit" 15)
    focus_window "$question"
    xdotool key Return # Yes is the default answer
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$app" 2>/dev/null; then
        echo "Keelwright is still running after Quit was answered Yes" >&2
        cat "$workdir/app.log" >&2
        return 1
    fi
    wait "$app" && status=0 || status=$?
    app=
}

# A path as the program names files: Wine's drive Z: is the Linux root.
native_path() {
    if [[ -n "$windows" ]]; then winepath -w "$1" 2>/dev/null; else echo "$1"; fi
}

wait_for_window() { # title, seconds; prints the window id
    local deadline=$((SECONDS + $2))
    while ((SECONDS < deadline)); do
        if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) && [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    echo "no window titled '$1' within $2 s" >&2
    return 1
}

wait_for_file() { # path, seconds
    local deadline=$((SECONDS + $2))
    while ((SECONDS < deadline)); do
        [[ -s "$1" ]] && return 0
        sleep 0.2
    done
    echo "no file $1 within $2 s" >&2
    return 1
}

# Gives a window the keyboard. Wine takes a moment to follow a focus change made from outside:
# keys sent at once would go to the window before.
focus_window() { # window id
    xdotool windowfocus --sync "$1"
    [[ -z "$windows" ]] || sleep 0.5
}

# A loaded machine may drop keys sent just after a window maps: the key is sent again, up to three
# times, until the condition holds.
press_until() { # window, key, condition...
    local window=$1 key=$2
    shift 2
    for _ in 1 2 3; do
        focus_window "$window"
        xdotool key --clearmodifiers "$key"
        for _ in $(seq 25); do "$@" && return 0; sleep 0.2; done
    done
    return 1
}
differs() { ! cmp -s "$1" "$2"; }
shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
gone() { ! shown "$1"; }

# Opens FOLDER by Open Folder (Ctrl+Shift+O) from the window in front, and gives the Fleet window
# the keyboard once the dialog has gone; its id is then in $fleet.
open_folder() { # folder
    local dialog
    xdotool key --clearmodifiers ctrl+shift+o
    dialog=$(wait_for_window "Open Folder" 15)
    focus_window "$dialog"
    sleep 0.3
    xdotool type --delay 20 "$(native_path "$1")"
    xdotool key Return
    for _ in $(seq 75); do gone "Open Folder" && break; sleep 0.2; done
    gone "Open Folder" || { echo "the Open Folder dialog stayed open" >&2; return 1; }
    fleet=$(wait_for_window "Fleet" 15)
    focus_window "$fleet"
}

# Saves what the output window in front shows through its Save As dialog, by keyboard, to PATH.
save_output_as() { # path
    local output dialog
    output=$(wait_for_window "Copy and Paste this to MUSH" 15)
    focus_window "$output"
    xdotool key --clearmodifiers ctrl+s
    dialog=$(wait_for_window "Save As" 15)
    focus_window "$dialog"
    sleep 0.3
    xdotool type --delay 20 "$(native_path "$1")"
    xdotool key Return
    wait_for_file "$1" 15
}

# Nothing may be stored between runs: the home folder holds what the tests put there, no more;
# on Windows, Qt's and Keelwright's registry keys and values are as they were before the run, and
# the user's profile holds no new file.
expect_nothing_stored() {
    local stored
    stored=$(find "$HOME" -mindepth 1 ! -path "$XDG_CONFIG_HOME" ! -path "$HOME/.local" \
        ! -path "$XDG_DATA_HOME" ! -path "$HOME/saved*" -print)
    if [[ -n "$windows" ]]; then
        stored+=$(settings_in_registry | diff "$workdir/registry" - || true)
        stored+=$(find "$WINEPREFIX/drive_c/users" -path '*/Temp' -prune -o -type f -print | sort |
            comm -13 "$workdir/profile" -)
    fi
    if [[ -n "$stored" ]]; then
        echo "stored between runs:" >&2
        echo "$stored" >&2
        return 1
    fi
}

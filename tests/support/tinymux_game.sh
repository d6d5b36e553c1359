# SPDX-License-Identifier: MIT
# Sourced by the tests that talk to a real game: Debian's TinyMUX, a fresh throwaway game in a
# folder of the test's own on a free loopback port, with a recorder in the master room that
# stands in for the space add-on (every "@space/..." command a player sends is kept, exactly, in
# &L_1, &L_2, ... and counted in &CNT), and a wizard character "Builder" for Keelwright to log in
# as. The game is stopped by its PID when the test ends, however it ends.
#   game_start [quota [port]]  starts it; $game_port, $game_pid. "default" keeps the game's own
#                        quota; a port given starts it again where it was
#   game_think EXPR      what `think EXPR` says, as Wizard
#   game_wizard CMD...   sends commands as Wizard
#   game_stop
game_dir=
game_pid=
game_port=

game_stop() {
    if [[ -n "$game_pid" ]]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    game_pid=
    [[ -n "$game_dir" ]] && rm -rf "$game_dir"
    game_dir=
    return 0
}

# Opens a connection as Wizard on fd 7, with markers around each command's output.
# It takes CHARSET and agrees to UTF-8 when the game asks, so that what it reads back is the
# game's UTF-8.
game_login() {
    exec 7<>"/dev/tcp/127.0.0.1/$game_port"
    printf '\xff\xfd\x2a\xff\xfb\x2a' >&7
    sleep 0.2
    printf '\xff\xfa\x2a\x02UTF-8\xff\xf0' >&7
    printf 'connect Wizard potrzebie\r\n' >&7
}
game_logout() {
    printf 'QUIT\r\n' >&7 2>/dev/null || true
    exec 7>&-
}

game_wizard() {
    game_login
    local command
    for command in "$@"; do printf '%s\r\n' "$command" >&7; done
    game_think 'x' >/dev/null # the commands before it have run
    game_logout
}

game_think() { # on the open connection if there is one, else on a new one
    local own= line deadline=$((SECONDS + 10)) token="=KWT$RANDOM="
    if ! { true >&7; } 2>/dev/null; then game_login; own=1; fi
    printf 'think %s[%s]\r\n' "$token" "$1" >&7
    while ((SECONDS < deadline)) && IFS= read -r -t 5 line <&7; do
        line=${line%$'\r'}
        if [[ "$line" == "$token"* ]]; then
            printf '%s\n' "${line#"$token"}"
            break
        fi
    done
    [[ -n "$own" ]] && game_logout
    return 0
}

game_start() {
    local quota=${1:-raised} port=${2:-}
    game_dir=$(mktemp -d)
    cp -r /usr/share/tinymux/game "$game_dir/"
    ln -s /usr/lib/tinymux/game/bin "$game_dir/game/bin"
    rm -f "$game_dir/game/data/netmux.db"
    for _ in $(seq 50); do
        [[ -n "${2:-}" ]] && break
        port=$((20000 + RANDOM % 30000))
        (exec 6<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || break
    done
    game_port=$port
    sed -i "s/^port .*/port $port\nip_address 127.0.0.1/" "$game_dir/game/netmux.conf"
    if [[ "$quota" != default ]]; then
        printf 'command_quota_max 100000\ncommand_quota_increment 100000\nplayer_queue_limit 100000\n' \
            >>"$game_dir/game/netmux.conf"
    fi
    (cd "$game_dir/game" && LD_LIBRARY_PATH=bin exec bin/netmux -c netmux.conf -s \
        >"$game_dir/netmux.out" 2>&1) &
    game_pid=$!
    for _ in $(seq 100); do
        (exec 6<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
        sleep 0.1
    done
    game_wizard '@dig Master Room' '@admin master_room=#2' '@create Recorder' '@tel #3=#2' \
        '&CNT #3=0' '&CMD_SPACE #3=$^(@space/.*)$:&CNT me=[add(v(CNT),1)];&L_[v(CNT)] me=%0' \
        '@set #3/CMD_SPACE=regexp' '@set #3/CMD_SPACE=no_parse' '@pcreate Builder=builderpw' \
        '@set *Builder=WIZARD'
}

# Waits until the recorder counted N lines (softcode runs queued), up to S seconds.
game_wait_count() { # N S
    local deadline=$((SECONDS + $2))
    while ((SECONDS < deadline)); do
        [[ "$(game_think 'get(#3/CNT)')" == "$1" ]] && return 0
        sleep 0.2
    done
    echo "the recorder holds $(game_think 'get(#3/CNT)') lines, not $1" >&2
    return 1
}

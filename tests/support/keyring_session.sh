#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test in a D-Bus session bus of its own that starts no service by itself, whatever bus
# the user has: with "gnome-keyring", Debian's gnome-keyring-daemon runs in it, unlocked, its
# keyring in a scratch folder removed afterwards; with "none", no keyring answers there.
#   tests/support/keyring_session.sh gnome-keyring|none COMMAND...
set -euo pipefail
mode=${1:?usage: keyring_session.sh gnome-keyring|none COMMAND...}
shift
[[ "$mode" == gnome-keyring || "$mode" == none ]] || {
    echo "keyring_session.sh: no such mode: $mode" >&2
    exit 2
}

if [[ -z "${KEELWRIGHT_KEYRING_SCRATCH:-}" ]]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    # The standard session bus without its service folders: nothing is started on demand.
    cat >"$scratch/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=$scratch</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
    status=0
    KEELWRIGHT_KEYRING_SCRATCH=$scratch dbus-run-session --config-file="$scratch/bus.conf" -- \
        "$0" "$mode" "$@" || status=$?
    exit "$status"
fi

keyring=
if [[ "$mode" == gnome-keyring ]]; then
    data="$KEELWRIGHT_KEYRING_SCRATCH/keyring" runtime="$KEELWRIGHT_KEYRING_SCRATCH/runtime"
    mkdir -p "$data" "$runtime"
    chmod 700 "$runtime"
    # A new login keyring, made and unlocked with this password.
    printf 'keelwright-tests' | XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$runtime" \
        gnome-keyring-daemon --foreground --unlock --components=secrets \
        >"$KEELWRIGHT_KEYRING_SCRATCH/keyring.log" 2>&1 &
    keyring=$!
    trap 'kill "$keyring" 2>/dev/null || true' EXIT
    owned() {
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
            grep -q 'boolean true'
    }
    for _ in $(seq 100); do owned && break; sleep 0.1; done
    owned || {
        echo "gnome-keyring-daemon did not come up:" >&2
        cat "$KEELWRIGHT_KEYRING_SCRATCH/keyring.log" >&2
        exit 1
    }
fi
status=0
"$@" || status=$?
exit "$status"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test that starts an X server inside a D-Bus session bus of its own when none is there.
# Without one, Qt's accessibility bridge asks D-Bus for a bus, and where dbus-x11 is installed
# D-Bus starts one itself and writes its address into the home folder, which the tests forbid.
set -euo pipefail
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$@"
fi
exec "$@"

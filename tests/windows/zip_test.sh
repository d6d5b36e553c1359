#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The portable zip holds keelwright.exe, the licence and the read-me, the texts with CR LF ends,
# and the program a Windows GUI program that imports only Windows' own DLLs.
set -euo pipefail
zip=${1:?usage: zip_test.sh keelwright-VERSION-windows-x64.zip}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unzip -q "$zip" -d "$scratch"
fail() {
    echo "$*" >&2
    exit 1
}

[[ "$(cd "$scratch" && ls | sort | tr '\n' ' ')" == "LICENSE.txt README.txt keelwright.exe " ]] ||
    fail "the zip holds: $(ls "$scratch")"
for text in LICENSE.txt README.txt; do
    lines=$(wc -l <"$scratch/$text")
    [[ $(grep -c $'\r$' "$scratch/$text") -eq $lines ]] || fail "$text has lines without CR LF"
done
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
headers=$("$objdump" -p "$scratch/keelwright.exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "keelwright.exe is no GUI program"
# Windows' own DLLs: what a Windows installation has in System32 (the C runtime, the network
# and Schannel's included).
others=$(grep 'DLL Name:' <<<"$headers" | awk '{print tolower($3)}' |
    grep -vxE '(kernel32|user32|gdi32|gdiplus|shell32|ole32|oleaut32|advapi32|comdlg32|comctl32|imm32|winmm|ws2_32|uxtheme|dwmapi|version|shlwapi|setupapi|netapi32|userenv|wtsapi32|mpr|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|msvcrt|authz|shcore|crypt32|bcrypt|ntdll|winspool\.drv|iphlpapi|secur32|winhttp|dnsapi|ncrypt|api-ms-win-[a-z0-9-]+)\.dll' || true)
[[ -z "$others" ]] || fail "keelwright.exe needs DLLs Windows does not have: $others"
echo "the zip holds the program and its texts with CR LF; the program needs only Windows' DLLs"

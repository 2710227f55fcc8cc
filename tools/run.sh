#!/usr/bin/env bash
# Runs the console: on real team modules when one is attached, otherwise on virtual
# ones; under a private Xvfb display when there is no display. It runs in the program's
# own folder, where the set-up, default and rescue files all live together (the build
# puts the shipped default set-ups there).
set -euo pipefail
exe="$(realpath "$1")"; shift

cd "$(dirname "$exe")"

args=("$@")
if [ ${#args[@]} -eq 0 ]; then
    # Vendor 6561 (0x19A1) hidraw nodes mean real team modules are attached.
    if ! grep -qis 'HID_ID=0003:000019A1' /sys/class/hidraw/*/device/uevent 2>/dev/null; then
        args=(--simulate)
    fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x900x24" "$exe" "${args[@]}"
fi
exec "$exe" "${args[@]}"

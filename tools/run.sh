#!/usr/bin/env bash
# Runs the console: on real team modules when one is attached, otherwise on virtual
# ones; under a private Xvfb display when there is no display. The set-up files live in
# build/run, which starts with the shipped default set-ups.
set -euo pipefail
exe="$(realpath "$1")"; shift
here="$(cd "$(dirname "$0")/.." && pwd)"

mkdir -p "$here/build/run"
for f in QvxUSBsetupLM.txt QvxUSBsetupKOR.txt; do
    [ -f "$here/build/run/$f" ] || cp "$here/packaging/$f" "$here/build/run/$f"
done
cd "$here/build/run"

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

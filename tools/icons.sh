#!/usr/bin/env bash
# Renders the console's icon (packaging/icons/qvxconsole.svg) at the sizes the desktop
# uses. Run after changing the drawing; the PNGs are kept in the repository so a build
# needs no SVG renderer. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" qvxconsole.svg -o "qvxconsole-$size.png"
done

#!/usr/bin/env bash
# Installs the Debian packages the console needs to build, test and run; with "checks",
# also those of the fuzzers and the static checks (clang, its libFuzzer runtime, clang-tidy).
# As root it installs what is missing; otherwise it prints the apt-get line and fails.
set -euo pipefail

# The line with Qt's HTTP server serves the audience screen (its QR code through
# libqrencode) and its browser test (headless Chromium over its DevTools protocol).
# The last line serves the smoke test and the package check (tools/smoke.sh, package.sh).
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev
          libhidapi-dev libgtest-dev libbenchmark-dev fonts-liberation
          qt6-httpserver-dev qt6-websockets-dev libqrencode-dev chromium
          xvfb xdotool imagemagick clang-format
          tesseract-ocr tesseract-ocr-eng desktop-file-utils appstream)
if [ "${1:-}" = checks ]; then
    packages+=(clang libclang-rt-14-dev clang-tidy)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && $line" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$line

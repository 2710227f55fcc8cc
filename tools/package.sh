#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a new user's machine would
# meet it: the desktop entry and metainfo validate, the package holds what an installed
# console needs, apt can resolve its dependencies, and the installed `qvxconsole --version`
# runs. The installed copy is then smoke-tested (tools/smoke.sh).
#
#   tools/package.sh [BUILD_DIR]     (default build/ci)
#
# Outside CI it installs into a scratch folder; in CI (CI=true, as root) it installs the
# package on the machine with apt, runs it from /usr/bin, and purges it again.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$here/build/ci}")"
say() { echo "package: $*" >&2; }
fail() { echo "package: FAILED: $*" >&2; exit 1; }

say "validating the desktop entry and the metainfo"
desktop-file-validate "$here/packaging/org.quorvantix.qvxconsole.desktop"
appstreamcli validate --no-net --pedantic "$here/packaging/org.quorvantix.qvxconsole.metainfo.xml"

say "cpack -G DEB in $build"
rm -f "$build"/qvxconsole_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; fail "cpack"; }
deb="$(ls "$build"/qvxconsole_*.deb)"
version="$(dpkg-deb -f "$deb" Version)"
say "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in ./usr/bin/qvxconsole \
            ./usr/share/qvxconsole/QvxUSBsetupLM.txt \
            ./usr/share/qvxconsole/QvxUSBsetupKOR.txt \
            ./usr/share/qvxconsole/silence.wav \
            ./usr/share/qvxconsole/Rembrant.jpg \
            ./usr/share/applications/org.quorvantix.qvxconsole.desktop \
            ./usr/share/metainfo/org.quorvantix.qvxconsole.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.quorvantix.qvxconsole.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.quorvantix.qvxconsole.png \
            ./usr/lib/udev/rules.d/69-qvxconsole-uaccess.rules \
            ./usr/lib/udev/qvx-hidraw-kind; do
    grep -qx "$path" <<<"$contents" || fail "the package lacks $path"
done
control="$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)"
grep -qx './postinst' <<<"$control" || fail "no postinst"

say "apt resolves the dependencies"
apt-get install -s "$deb" >"$build/apt-simulation.log" 2>&1 ||
    { cat "$build/apt-simulation.log" >&2; fail "apt cannot install the package"; }

if [ "${CI:-}" = "true" ] && [ "$(id -u)" -eq 0 ]; then
    say "installing on this machine"
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -o DPkg::Lock::Timeout=120 "$deb" >"$build/apt-install.log" 2>&1 ||
        { cat "$build/apt-install.log" >&2; fail "apt-get install"; }
    installed=/usr/bin/qvxconsole
    trap 'apt-get purge -y -o DPkg::Lock::Timeout=120 qvxconsole >/dev/null 2>&1 || true' EXIT
else
    root="$build/package-root"
    say "installing into $root"
    rm -rf "$root"
    dpkg-deb -x "$deb" "$root"
    installed="$root/usr/bin/qvxconsole"
fi

say "the installed qvxconsole --version"
reported="$("$installed" --version)"
[ "$reported" = "qvxconsole $version" ] || fail "--version says \"$reported\", not $version"

"$here/tools/smoke.sh" --shots "$build/smoke-installed" "$installed"

if [ "$installed" = /usr/bin/qvxconsole ]; then
    say "removing the package (purge)"
    apt-get purge -y -o DPkg::Lock::Timeout=120 qvxconsole >"$build/apt-remove.log" 2>&1 ||
        { cat "$build/apt-remove.log" >&2; fail "apt-get remove"; }
    trap - EXIT
    [ ! -e /usr/bin/qvxconsole ] && [ ! -e /usr/lib/udev/rules.d/69-qvxconsole-uaccess.rules ] ||
        fail "files stay after removal"
    ! dpkg-query -W qvxconsole >/dev/null 2>&1 || fail "dpkg still lists the package"
fi
say "passed"

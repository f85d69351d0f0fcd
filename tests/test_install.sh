#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks the layout a
# desktop expects; then packs it as a .deb and checks what it declares.
# Usage: test_install.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

[[ -x $prefix/lib/korvane/korvane ]] || fail "no program in lib/korvane"
[[ -f $prefix/lib/korvane/SendSMS.wsdl ]] || fail "no SendSMS.wsdl beside the program"
[[ -L $prefix/bin/korvane ]] || fail "bin/korvane is not a link"
[[ $(readlink -f "$prefix/bin/korvane") == "$(readlink -f "$prefix/lib/korvane/korvane")" ]] \
  || fail "bin/korvane does not lead to the program"
desktop=$prefix/share/applications/korvane.desktop
[[ -f $desktop ]] || fail "no desktop entry"
grep -qx 'Exec=korvane' "$desktop" || fail "desktop entry does not start korvane"
grep -qx 'Icon=korvane' "$desktop" || fail "desktop entry names no icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop entry is not valid"
fi
icon=$prefix/share/icons/hicolor/32x32/apps/korvane.png
[[ -f $icon ]] || fail "no icon in the hicolor theme"
file "$icon" | grep -q '32 x 32' || fail "icon is not 32 by 32"

# Runs a program offscreen with its settings in a folder of ours, and sees it
# start and hold its instance lock.
# Usage: starts <program> <settings folder> <what it is, for messages>
starts() {
  local program=$1 what=$3 pid
  XDG_CONFIG_HOME=$2 QT_QPA_PLATFORM=offscreen "$program" &
  pid=$!
  for _ in $(seq 1 100); do
    [[ -f $2/KORVANE/KORVANE.lock ]] && break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null || fail "the $what program did not keep running"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  [[ -f $2/KORVANE/KORVANE.lock ]] || fail "the $what program never started"
}

# The installed program starts through the link, from its own folder.
starts "$prefix/bin/korvane" "$work/config" installed

# The Debian package.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6network6 qt6-qpa-plugins; do
  grep -q "$needed" <<<"$depends" || fail "package does not depend on $needed: $depends"
done
[[ $(dpkg-deb -f "$deb" Version) == 1.0.0.0 ]] || fail "package version is not 1.0.0.0"
contents=$(dpkg-deb -c "$deb")
for path in ./usr/lib/korvane/korvane ./usr/lib/korvane/SendSMS.wsdl ./usr/bin/korvane \
            ./usr/share/applications/korvane.desktop ./usr/share/icons/hicolor/32x32/apps/korvane.png; do
  grep -q " $path" <<<"$contents" || fail "package lacks $path"
done
# Unpacked, the package's program starts from its own folder too.
dpkg-deb -x "$deb" "$work/unpacked"
starts "$work/unpacked/usr/bin/korvane" "$work/config-deb" packaged

echo "install layout and package: ok"

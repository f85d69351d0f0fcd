#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that packaging/build-deb made: lintian finds
# nothing (only overrides with their reasons stated), the runtime dependencies
# are what dpkg-shlibdeps finds plus the ones stated in debian/control, the
# service description is a conffile, the program is stripped, and the desktop
# entry and metainfo it ships are valid. Then unpacks it into a scratch root
# and starts the program there with the user's own description.
# Usage: test_package.sh <folder with the package>
set -euo pipefail
out=$(realpath "$1")
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=example.korvane.korvane

version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' "$source_dir/CMakeLists.txt" | head -n 1)
deb=$out/korvane_${version}_amd64.deb
[[ -f $deb ]] || fail "no $(basename "$deb") in $out"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "the package's version is not the program's, $version"
grep -q "<release version=\"$version\"" "$source_dir/packaging/$id.metainfo.xml" \
  || fail "the metainfo's releases do not name $version"

# Source and binary packages; info tags count too, unless overridden.
lintian --fail-on error,warning,info --display-info "$out/korvane_${version}_amd64.changes" \
  2> >(grep -v '^running with root privileges' >&2) || fail "lintian found problems"

# Exactly what the program links, by dpkg-shlibdeps, plus the stated extras.
unpacked=$out/korvane-$version/debian/korvane
found=$(cd "$out/korvane-$version" && dpkg-shlibdeps -O "$unpacked/usr/lib/korvane/korvane" \
  "$unpacked/usr/lib/korvane/korvane-window.so" "$unpacked/usr/lib/korvane/korvane-keychain.so" \
  "$unpacked/usr/lib/korvane/korvane-transport.so" "$unpacked/usr/lib/korvane/korvane-phonenumbers.so" 2>/dev/null)
found=${found#shlibs:Depends=}
# (Qt SQL's SQLite driver and libsecret are loaded at run time, as Qt does its platform plugin.)
[[ $(dpkg-deb -f "$deb" Depends) == "$found, qt6-qpa-plugins, libqt6sql6-sqlite, libsecret-1-0" ]] \
  || fail "Depends is not what dpkg-shlibdeps finds plus qt6-qpa-plugins, libqt6sql6-sqlite and libsecret-1-0: $(dpkg-deb -f "$deb" Depends)"

dpkg-deb --ctrl-tarfile "$deb" | tar -xOf - ./conffiles | grep -qx /etc/korvane/SendSMS.wsdl \
  || fail "/etc/korvane/SendSMS.wsdl is not a conffile"

root=$work/root
dpkg-deb -x "$deb" "$root"
file "$root/usr/lib/korvane/korvane" | grep -q ', stripped' || fail "the program is not stripped"
file "$root/usr/lib/korvane/korvane-window.so" | grep -q ', stripped' || fail "the window's module is not stripped"
file "$root/usr/lib/korvane/korvane-keychain.so" | grep -q ', stripped' || fail "the keyring's module is not stripped"
file "$root/usr/lib/korvane/korvane-transport.so" | grep -q ', stripped' || fail "the transport's module is not stripped"
file "$root/usr/lib/korvane/korvane-phonenumbers.so" | grep -q ', stripped' \
  || fail "the numbering plans' module is not stripped"
head -n 1 "$root/usr/share/doc/korvane/copyright" \
  | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not machine-readable"
[[ $(dpkg-parsechangelog -l "$root/usr/share/doc/korvane/changelog.gz" -S Version) == "$version" ]] \
  || fail "changelog.gz does not read as a Debian changelog of $version"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry is not valid"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log" >&2; fail "metainfo is not valid"; }

# In the root the description's link points at the system's /etc; make it
# point at the unpacked conffile, as installing the package would.
[[ $(readlink "$root/usr/lib/korvane/SendSMS.wsdl") == /etc/korvane/SendSMS.wsdl ]] \
  || fail "/usr/lib/korvane/SendSMS.wsdl does not link to /etc/korvane/SendSMS.wsdl"
ln -sfn "$root/etc/korvane/SendSMS.wsdl" "$root/usr/lib/korvane/SendSMS.wsdl"

# The unpacked program starts with a description of the user's own.
config=$work/config
mkdir -p "$config/KORVANE"
cp "$root/etc/korvane/SendSMS.wsdl" "$config/KORVANE/SendSMS.wsdl"
data=$work/data
XDG_CONFIG_HOME=$config XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen "$root/usr/bin/korvane" &
pid=$!
for _ in $(seq 1 100); do
  [[ -f $config/KORVANE/KORVANE.lock ]] && break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null || fail "the unpacked program did not keep running"
kill "$pid"; wait "$pid" 2>/dev/null || true
[[ -f $config/KORVANE/KORVANE.lock ]] || fail "the unpacked program never started"
# The window opens the history at its first use, not at its start.
[[ ! -e $data/KORVANE/history.sqlite ]] || fail "the unpacked program opened its history at its start"

# The numbering plans' module loads for a short number (only the plans can
# say that a French mobile is valid). A send loads the transport's module and
# opens the history through the SQLite driver that the package depends on;
# whether the service it is sent to answers, the send is on record.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME=$config "$root/usr/bin/korvane" \
  contacts add Zoe 0033612345678 >/dev/null || fail "the unpacked program did not take a French mobile"
printf '\n[KORVANE]\nFromName=Alice\nFromNumber=00441234567890\n' >>"$config/KORVANE/KORVANE.conf"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME=$config XDG_DATA_HOME=$data \
  "$root/usr/bin/korvane" send --to Zoe "Packaged" >/dev/null 2>"$work/send.log" || true
grep -q "transport is not available" "$work/send.log" && fail "the unpacked program has no transport: $(cat "$work/send.log")"
[[ $(stat -c %a "$data/KORVANE/history.sqlite" 2>/dev/null) == 600 ]] \
  || fail "the unpacked program kept no private history in \$XDG_DATA_HOME/KORVANE"

# Its commands run without a display, and find the completion's commands.
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/korvane" --version) == "KORVANE 1.0" ]] \
  || fail "the unpacked program's --version is not KORVANE 1.0"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME=$config "$root/usr/bin/korvane" contacts list --json \
  | grep -qx '\[' || fail "the unpacked program's contacts list --json did not run"
bash -c "source '$root/usr/share/bash-completion/completions/korvane' && complete -p korvane" >/dev/null \
  || fail "the bash completion does not complete korvane"

echo "Debian package: ok"

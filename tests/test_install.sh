#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a temporary prefix and checks the layout a
# desktop expects: the program with its service description beside it (a link
# to the system's copy in etc/), the command, the desktop entry and metainfo
# (both validated), the icons at every size, the manual page. Then starts the
# installed program.
# Usage: test_install.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=example.korvane.korvane

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

[[ -x $prefix/lib/korvane/korvane ]] || fail "no program in lib/korvane"
[[ -f $prefix/lib/korvane/korvane-window.so ]] || fail "no window module beside the program"
[[ -f $prefix/lib/korvane/korvane-keychain.so ]] || fail "no keyring module beside the program"
[[ -f $prefix/lib/korvane/korvane-transport.so ]] || fail "no transport module beside the program"
[[ -f $prefix/lib/korvane/korvane-phonenumbers.so ]] || fail "no numbering plans' module beside the program"
[[ -f $prefix/etc/korvane/SendSMS.wsdl && ! -L $prefix/etc/korvane/SendSMS.wsdl ]] \
  || fail "no SendSMS.wsdl in etc/korvane"
[[ $(readlink "$prefix/lib/korvane/SendSMS.wsdl") == "$prefix/etc/korvane/SendSMS.wsdl" ]] \
  || fail "lib/korvane/SendSMS.wsdl does not link to etc/korvane/SendSMS.wsdl"
[[ -L $prefix/bin/korvane ]] || fail "bin/korvane is not a link"
[[ $(readlink -f "$prefix/bin/korvane") == "$(readlink -f "$prefix/lib/korvane/korvane")" ]] \
  || fail "bin/korvane does not lead to the program"

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || fail "no desktop entry named after the id"
grep -qx 'Exec=korvane' "$desktop" || fail "desktop entry does not start korvane"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name the icon"
desktop-file-validate "$desktop" || fail "desktop entry is not valid"
[[ -f $metainfo ]] || fail "no AppStream metainfo named after the id"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch the desktop entry"
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log" >&2; fail "metainfo is not valid"; }

for size in 16 22 32 48 64 128; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [[ -f $icon ]] || fail "no $size pixel icon"
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "the $size pixel icon is not $size by $size"
done
[[ -f $prefix/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"
[[ -f $prefix/share/man/man1/korvane.1 ]] || fail "no manual page"
for language in de es fr pt; do
  [[ -f $prefix/share/korvane/translations/korvane_$language.qm ]] || fail "no $language translation"
done
[[ -f $prefix/share/bash-completion/completions/korvane ]] || fail "no bash completion"
bash -c "source '$prefix/share/bash-completion/completions/korvane' && complete -p korvane" >/dev/null \
  || fail "the bash completion does not complete korvane"

# Runs a program offscreen with its settings in a folder of ours, and sees it
# start and hold its instance lock.
# Usage: starts <program> <settings folder> <what it is, for messages>
starts() {
  local program=$1 what=$3 pid
  XDG_CONFIG_HOME=$2 XDG_DATA_HOME=$2/data QT_QPA_PLATFORM=offscreen "$program" &
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

echo "install layout: ok"

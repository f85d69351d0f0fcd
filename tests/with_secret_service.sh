#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test against a secret store of its own, so that nothing touches the
# user's keyring: a temporary home (HOME and the XDG folders), a private D-Bus
# session bus and gnome-keyring-daemon serving the Secret Service on it, with a
# new login keyring unlocked by a test password. Both daemons end with the test.
#
#   with_secret_service.sh [--keyring | --locked | --no-bus] COMMAND [ARGUMENTS...]
#
# --keyring (the default): the keyring is unlocked.
# --locked:  the keyring daemon runs, but its keyring is locked and nothing can unlock it.
# --no-bus:  there is no session bus at all.
# The test learns which through KORVANE_TEST_SECRET_STORE (keyring, locked, none) and finds
# the temporary home in KORVANE_TEST_HOME.
set -euo pipefail

mode=keyring
case ${1:-} in
  --keyring) shift ;;
  --locked) mode=locked; shift ;;
  --no-bus) mode=none; shift ;;
esac

folder=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$folder"
}
trap cleanup EXIT

mkdir -m 700 "$folder/home" "$folder/run"
export HOME=$folder/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_STATE_HOME=$HOME/.local/state XDG_RUNTIME_DIR=$folder/run
export KORVANE_TEST_HOME=$folder KORVANE_TEST_SECRET_STORE=$mode
# Which secret store QtKeychain picks depends on the desktop; here it is the Secret Service.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID \
  GNOME_KEYRING_CONTROL DISPLAY WAYLAND_DISPLAY

if [[ $mode == none ]]; then
  # An address where no bus listens: every client fails at once, as on a bare session.
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$folder/run/no-bus-here
  "$@"
  exit
fi

# A bus that starts no services by itself: only the keyring daemon below serves secrets.
cat > "$folder/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$folder/run</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
mkfifo "$folder/address"
dbus-daemon --config-file="$folder/bus.conf" --nofork --nosyslog --print-address=3 3>"$folder/address" 2>"$folder/bus.log" &
pids+=($!)
read -r -t 60 DBUS_SESSION_BUS_ADDRESS < "$folder/address"
export DBUS_SESSION_BUS_ADDRESS

keyring_options=(--foreground --components=secrets)
[[ $mode == keyring ]] && keyring_options+=(--unlock)
printf '%s' 'korvane test keyring' | gnome-keyring-daemon "${keyring_options[@]}" >"$folder/keyring.log" 2>&1 &
pids+=($!)

# Wait until the daemon serves the Secret Service (and, unlocked, has its login keyring as
# the default one), or give up after a minute.
ready() {
  local reply
  reply=$(dbus-send --session --print-reply --dest=org.freedesktop.secrets /org/freedesktop/secrets \
    org.freedesktop.Secret.Service.ReadAlias string:default 2>/dev/null) || return 1
  [[ $mode == locked ]] || [[ $reply == *collection/login* ]]
}
for _ in $(seq 600); do
  ready && break
  kill -0 "${pids[1]}" 2>/dev/null || { cat "$folder/keyring.log" >&2; exit 1; }
  sleep 0.1
done
ready || { echo "gnome-keyring-daemon did not come up" >&2; cat "$folder/keyring.log" >&2; exit 1; }

"$@"

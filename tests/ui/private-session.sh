# Sourced by the scripts that run the real binary: a scratch directory removed on exit together
# with every background process listed in $pids, a private home and runtime directory, wait_for
# and has_name. The caller has `set -euo pipefail` on.

tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# Polls a command for up to $1 seconds.
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Whether a name has an owner on a bus: has_name --system|--session <name>.
has_name() {
  dbus-send "$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q 'boolean true'
}

# Settings, lock file and runtime directory of this run only, on X11.
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$XDG_CONFIG_HOME/Quillmere"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY

# How a script gives up: the reason, then every log this run wrote.
fail() {
  echo "FAIL: $*" >&2
  for log in "$tmp"/*.log; do [ -f "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }; done
  exit 1
}

# A mocked logind and notification server, and a StatusNotifierWatcher: the part of a panel that
# shows tray icons and draws their menus over D-Bus. Arguments go to the notification server
# (-l FILE logs the notifications it gets).
start_panel_mocks() {
  local mocks
  mocks=$(cd "$(dirname "${BASH_SOURCE[0]}")/../dbus" && pwd)
  /usr/bin/python3 -m dbusmock --system --template logind >/dev/null 2>&1 & pids+=($!)
  /usr/bin/python3 -m dbusmock --session --template notification_daemon "$@" >/dev/null 2>&1 & pids+=($!)
  /usr/bin/python3 "$mocks/sni_watcher.py" & pids+=($!)
  wait_for 20 has_name --system org.freedesktop.login1 || fail "the mocked logind did not start"
  wait_for 20 has_name --session org.freedesktop.Notifications || fail "the mocked notifications did not start"
  wait_for 20 has_name --session org.kde.StatusNotifierWatcher || fail "the StatusNotifierWatcher did not start"
}

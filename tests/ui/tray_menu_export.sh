#!/usr/bin/env bash
# The real binary with a panel that draws its menu from D-Bus (StatusNotifierItem and dbusmenu), on
# private buses with mocked logind and notifications: opening the menu a thousand times, or starting
# and stopping a session from it a few hundred times, must not leave the resident set grown.
# Rebuilding the exported menu on every open grew it by 8 MB per 1 000 opens; drawing the tray icon
# anew at every start and stop (the panel fetches each) grew it by 10 MB per 200 sessions.
#
# Usage: with-buses.sh xvfb-run -a tray_menu_export.sh <path to vigila>
set -euo pipefail

vigila=$1
mocks=$(cd "$(dirname "$0")/../dbus" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "tray_menu_export: run me under xvfb-run" >&2; exit 1; }
[ -n "${DBUS_SYSTEM_BUS_ADDRESS:-}" ] || { echo "tray_menu_export: run me under tests/dbus/with-buses.sh" >&2; exit 1; }

source "$(dirname "$0")/private-session.sh"

start_panel_mocks

# Qt picks the tray protocol as the app starts; with a watcher there, it exports the icon over D-Bus.
"$vigila" >"$tmp/vigila.log" 2>&1 & pid=$! pids+=($!)
registered() { /usr/bin/python3 "$mocks/sni_open_menu.py" 0 2>/dev/null; }
wait_for 20 registered || fail "the tray icon was not registered with the StatusNotifierWatcher"

rss() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
# Warm up first (fonts, icons, the first notifications), then allow 1 MB for the allocator's slack.
grows_less_than_1mb() { # label, then the arguments for sni_open_menu.py
  local label=$1 before after
  shift
  /usr/bin/python3 "$mocks/sni_open_menu.py" 20 "${@:2}" || fail "$label: warming up failed"
  before=$(rss)
  /usr/bin/python3 "$mocks/sni_open_menu.py" "$@" || fail "$label failed"
  after=$(rss)
  echo "$label: resident set $before kB → $after kB"
  [ $((after - before)) -lt 1024 ] || fail "$label grew the resident set by $((after - before)) kB"
}
grows_less_than_1mb "1000 menu opens" 1000
grows_less_than_1mb "200 sessions started and stopped from the menu" 200 --sessions
kill -0 "$pid" 2>/dev/null || fail "vigila exited"
echo "PASS"

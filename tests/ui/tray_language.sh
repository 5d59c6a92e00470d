#!/usr/bin/env bash
# The real binary in the session's language: started with LANGUAGE=de beside a panel that draws its
# menu over D-Bus and a notification server, on private buses. The menu's headline and the
# notification of a session started from it are German.
#
# Usage: with-buses.sh xvfb-run -a tray_language.sh <path to vigila>
set -euo pipefail

vigila=$1
mocks=$(cd "$(dirname "$0")/../dbus" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "tray_language: run me under xvfb-run" >&2; exit 1; }
[ -n "${DBUS_SYSTEM_BUS_ADDRESS:-}" ] || { echo "tray_language: run me under tests/dbus/with-buses.sh" >&2; exit 1; }

source "$(dirname "$0")/private-session.sh"

start_panel_mocks -l "$tmp/notifications.log"

# What the German translation says for the texts checked here.
headline="Inaktiv — der Computer kann normal in den Ruhezustand wechseln"
fifteen_minutes="15 Minuten"
started="Wachhalten gestartet"

LANGUAGE=de "$vigila" >"$tmp/vigila.log" 2>&1 & pids+=($!)
registered() { /usr/bin/python3 "$mocks/sni_open_menu.py" 0 2>/dev/null; }
wait_for 20 registered || fail "the tray icon was not registered with the StatusNotifierWatcher"

menu=$(/usr/bin/python3 "$mocks/sni_open_menu.py" 1 --print --click "$fifteen_minutes") ||
  fail "the German menu has no entry for 15 minutes: $menu"
echo "$menu"
[ "$(head -n 1 <<<"$menu")" = "$headline" ] || fail "the headline is not German: $(head -n 1 <<<"$menu")"

notified() { grep -qF "$started" "$tmp/notifications.log"; }
wait_for 20 notified || fail "no German notification of the session: $(cat "$tmp/notifications.log")"
grep -F "$started" "$tmp/notifications.log"
echo "PASS"

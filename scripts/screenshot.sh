#!/usr/bin/env bash
# Retakes resources/screenshots/menu.png, the screenshot the AppStream metadata shows: the real app
# in a virtual X screen with a tray host, on private buses with a mocked logind, its menu open while
# a timer and a command run from a terminal keep the computer awake. Needs the test set of
# scripts/install-deps.sh and a built build/ (make test).
#
#   scripts/screenshot.sh [path to vigila]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
  exec tests/dbus/with-buses.sh xvfb-run -a -s "-screen 0 1024x900x24" "$0" --inside "$(realpath "${1:-build/src/vigila}")"
fi
vigila=$2
out=$PWD/resources/screenshots/menu.png
source tests/ui/private-session.sh

convert -size 1024x900 xc:"#6b7f95" "$tmp/background.png"
display -window root "$tmp/background.png" || true # sets the background, then reports failure
/usr/bin/python3 -m dbusmock --system --template logind >"$tmp/logind.log" 2>&1 &
pids+=($!)
trayer --edge top --align right --widthtype request --height 40 --transparent false --tint 0xdddddd &
pids+=($!)
# Twice the size, so it stays sharp where software centres scale it.
QT_SCALE_FACTOR=2 "$vigila" >"$tmp/vigila.log" 2>&1 &
pids+=($!)
wait_for 20 grep -q "Vigila launched." "$tmp/vigila.log"
wait_for 20 "$vigila" for 1h30m
"$vigila" run --label "nightly backup" -- sleep 600 &
pids+=($!)
sleep 1

icon=$(xdotool search --onlyvisible --classname '^vigila$' | head -1)
xdotool mousemove --window "$icon" 11 11 click 1
sleep 1
# The menu, with the tray above it and a margin.
for window in $(xdotool search --onlyvisible --classname '^vigila$'); do
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$HEIGHT" -gt 100 ] && break
done
left=$((X - 24)) bottom=$((Y + HEIGHT + 24))
import -window root -crop "$((1024 - left))x${bottom}+${left}+0" +repage "$out"
echo "screenshot: $out ($(file -b "$out"))"

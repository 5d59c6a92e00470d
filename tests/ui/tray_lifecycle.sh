#!/usr/bin/env bash
# The real binary in a real (virtual) X session with a tray host, on private buses with a mocked
# logind: it finds the tray that starts after it, keeps the machine awake while a watched process
# runs, refuses a second instance, and on SIGTERM, SIGINT or SIGHUP releases the lock and logs it.
# Without its usual lock file it still starts, and still runs once.
#
# Usage: with-buses.sh xvfb-run -a tray_lifecycle.sh <path to vigila>
set -euo pipefail

vigila=$1
for tool in trayer xdotool dbus-send; do
  command -v "$tool" >/dev/null || { echo "tray_lifecycle: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
[ -n "${DISPLAY:-}" ] || { echo "tray_lifecycle: run me under xvfb-run" >&2; exit 1; }
[ -n "${DBUS_SYSTEM_BUS_ADDRESS:-}" ] || { echo "tray_lifecycle: run me under tests/dbus/with-buses.sh" >&2; exit 1; }

source "$(dirname "$0")/private-session.sh"
export QT_FORCE_STDERR_LOGGING=1

# A process to watch, under a name nothing else on the machine has.
watched_name=vglw$$
cp /bin/sleep "$tmp/$watched_name"
"$tmp/$watched_name" 600 &
pids+=($!)

# Preferences with one enabled rule for it (written as the settings file stores a string value).
json=$(/usr/bin/python3 - "$watched_name" <<'PY'
import json, sys, uuid
print(json.dumps({
    "launchAtLogin": False, "showNotifications": False, "quietProcessNotifications": True,
    "defaultMode": "system", "defaultDurationSeconds": 3600, "confirmIndefinite": True,
    "showRemainingTime": True,
    "battery": {"warnOnBattery": False, "onlyWhilePluggedIn": False, "autoStopEnabled": False,
                "autoStopThreshold": 10, "warningThreshold": 20},
    "processRules": [{"id": str(uuid.uuid4()).upper(), "name": sys.argv[1], "enabled": True,
                      "matchMode": "exact"}],
    "pollInterval": 5, "warnOnBroadNames": True, "defaultShell": "/bin/sh",
    "defaultWorkingDirectory": "", "keepCommandHistory": True,
}, separators=(",", ":")))
PY
)
printf '[General]\nvigila.preferences.v1="%s"\n' "${json//\"/\\\"}" > "$XDG_CONFIG_HOME/Quillmere/Vigila.conf"

# logind on the private system bus; no portal, session manager or PowerManagement on the private
# session bus, so logind is the provider.
/usr/bin/python3 -m dbusmock --system --template logind >"$tmp/logind.log" 2>&1 &
pids+=($!)
wait_for 20 has_name --system org.freedesktop.login1 || fail "the mocked logind did not start"
inhibitors() {
  dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
    org.freedesktop.login1.Manager.ListInhibitors
}
held() { inhibitors | grep -q '"Vigila: keep system awake"'; }
not_held() { ! held; }

log_has() { grep -qF -- "$2" "$tmp/$1"; }

# 1. Started before any tray: it waits, then docks into the tray that appears.
"$vigila" >"$tmp/vigila.log" 2>&1 &
vigila_pid=$!
pids+=("$vigila_pid")
wait_for 20 log_has vigila.log "Vigila launched." || fail "no launch line"
wait_for 10 log_has vigila.log "No system tray yet; waiting for one to appear." || fail "started without a tray but did not say it waits"
trayer --edge top --align right --widthtype request --height 24 --transparent false --tint 0xdddddd &
pids+=($!)
wait_for 20 log_has vigila.log "System tray found; showing the Vigila icon." || fail "did not find the tray"

# The icon is in the tray (Vigila's only visible window), and a click on it opens the menu (a second one).
vigila_windows() { xdotool search --onlyvisible --classname '^vigila$' 2>/dev/null || true; }
icon_shown() { [ "$(vigila_windows | wc -l)" -eq 1 ]; }
wait_for 10 icon_shown || fail "no tray icon window"
icon=$(vigila_windows)
menu_opens() { xdotool mousemove --window "$icon" 11 11 click 1; sleep 0.2; [ "$(vigila_windows | wc -l)" -ge 2 ]; }
wait_for 10 menu_opens || fail "clicking the tray icon opened no menu"
xdotool key Escape

# 2. The watched process keeps the machine awake through logind.
wait_for 20 held || fail "no Vigila inhibitor in ListInhibitors: $(inhibitors)"

# 3. A second instance leaves at once, and leaves the first one running with its lock.
second_status=0
timeout 20 "$vigila" >"$tmp/vigila-second.log" 2>&1 || second_status=$?
[ "$second_status" -eq 0 ] || fail "the second instance exited with $second_status"
log_has vigila-second.log "Vigila is already running (process $vigila_pid)" || fail "the second instance did not say why it left"
! log_has vigila-second.log "Vigila launched." || fail "the second instance launched"
kill -0 "$vigila_pid" || fail "the first instance died"
held || fail "the first instance lost its lock"

# 4. SIGTERM (as at logout) ends it through the termination path, releasing the lock.
kill -TERM "$vigila_pid"
status=0
wait "$vigila_pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
log_has vigila.log "Vigila terminating — assertions released." || fail "no termination line"
wait_for 10 not_held || fail "the inhibitor outlived Vigila: $(inhibitors)"

# 5. SIGINT and SIGHUP take the same path.
for signal in INT HUP; do
  "$vigila" >"$tmp/vigila-$signal.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  wait_for 20 log_has "vigila-$signal.log" "Vigila launched." || fail "no launch line before SIG$signal"
  wait_for 20 held || fail "no lock before SIG$signal"
  kill -"$signal" "$pid"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status after SIG$signal"
  log_has "vigila-$signal.log" "Vigila terminating — assertions released." || fail "no termination line after SIG$signal"
  wait_for 10 not_held || fail "the inhibitor outlived Vigila after SIG$signal"
done

# 6. Something in the lock file's place (here a folder, as a read-only runtime directory would make
#    it unusable too) is not another instance: Vigila starts with its lock elsewhere, and a second
#    one still finds it running.
mkdir "$XDG_RUNTIME_DIR/com.quillmere.vigila.lock"
"$vigila" >"$tmp/vigila-nolock.log" 2>&1 &
pid=$!
pids+=("$pid")
wait_for 20 log_has vigila-nolock.log "Vigila launched." || fail "did not start without its usual lock file"
second_status=0
timeout 20 "$vigila" >"$tmp/vigila-nolock-second.log" 2>&1 || second_status=$?
[ "$second_status" -eq 0 ] || fail "the second instance exited with $second_status"
log_has vigila-nolock-second.log "Vigila is already running (process $pid)" || fail "the second instance did not find the first"
kill -TERM "$pid"
wait "$pid" || fail "exit status $? after SIGTERM"

echo "tray_lifecycle: all checks passed"

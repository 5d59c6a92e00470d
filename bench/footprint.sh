#!/usr/bin/env bash
# Footprint of the real application: launch time (exec → tray icon docked), then CPU and peak
# memory while it idles with default settings, and again with a process rule matching and a timed
# session running. Runs under Xvfb with a tray host (trayer) and mocked logind and notification
# services on private buses; nothing touches the real session. The "menu" scenario opens the tray
# menu over StatusNotifierItem as a panel does and reports how much memory the opens cost;
# "menu-sessions" starts and stops a session from that menu each time instead; "menu-xembed" clicks
# the XEmbed icon and closes its menu (slow: about 0.5 s per open). "triggers" enables one trigger
# of each event-driven kind (none holding), measures CPU and Vigila's own wake-ups (voluntary
# context switches) while idle, then the time from an event (a remote session opening, a unit
# starting, the adapter plugged in) to the lock being held, over mocked logind, UPower, systemd and
# machined and a real pulseaudio; then CPU and wake-ups again with one trigger of each of the ten
# kinds (network traffic and busy processes sample every 10 s).
#
# Usage: bench/footprint.sh [path/to/vigila] [seconds per measurement, default 120] [launches, default 20]
#                           [scenarios, default "launch idle busy menu"] [menu opens, default 1000]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
vigila=$(realpath "${1:-$here/../build/src/vigila}")
seconds=${2:-120}
launches=${3:-20}
scenarios=${4:-launch idle busy menu}
opens=${5:-1000}
wants() { [[ " $scenarios " == *" $1 "* ]]; }

# Re-run inside private buses and a virtual X server when not there yet.
if [ -z "${VIGILA_FOOTPRINT_INSIDE:-}" ]; then
  export VIGILA_FOOTPRINT_INSIDE=1
  exec "$here/../tests/dbus/with-buses.sh" xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$vigila" "$seconds" "$launches" "$scenarios" "$opens"
fi

exec 2>&1 # xvfb-run discards the standard error of what it runs

for tool in trayer xdotool dbus-send; do
  command -v "$tool" >/dev/null || { echo "footprint: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

source "$here/../tests/ui/private-session.sh"

/usr/bin/python3 -m dbusmock --system --template logind >/dev/null 2>&1 & pids+=($!)
/usr/bin/python3 -m dbusmock --session --template notification_daemon >/dev/null 2>&1 & pids+=($!)
trayer --edge top --align right --widthtype request --height 24 --transparent false --tint 0xdddddd & pids+=($!)
wait_for 20 has_name --system org.freedesktop.login1
wait_for 20 has_name --session org.freedesktop.Notifications
sleep 1 # let trayer take the tray selection

icon_shown() { xdotool search --onlyvisible --classname '^vigila$' >/dev/null 2>&1; }
held() {
  dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
    org.freedesktop.login1.Manager.ListInhibitors | grep -q '"Vigila: keep system awake"'
}
stop_vigila() { kill -TERM "$1"; wait "$1" 2>/dev/null || true; }

# --- Launch time: from exec to the icon's window docked and visible in the tray.
if wants launch; then
  times=()
  for _ in $(seq "$launches"); do
    start=$(date +%s%N)
    "$vigila" >"$tmp/launch.log" 2>&1 & pid=$!
    until icon_shown; do :; done
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
    stop_vigila "$pid"
  done
  launch_median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  launch_max=$(printf '%s\n' "${times[@]}" | sort -n | tail -1)
  echo "launch (exec → icon docked), $launches runs: median ${launch_median} ms, max ${launch_max} ms"
fi

# --- CPU (own, and with any children it ran) and peak RSS over a measurement window. The kernel's
# tick counts are coarse (10 ms); the scheduler's clock of every thread gives the own share exactly.
ticks_per_second=$(getconf CLK_TCK)
run_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%d", ns}'; }
measure() { # pid label
  local pid=$1 label=$2 before after own all ns_before ns_after
  sleep 5 # past the launch
  read -r -a before < <(awk '{print $14, $15, $16, $17}' "/proc/$pid/stat")
  ns_before=$(run_ns "$pid")
  sleep "$seconds"
  read -r -a after < <(awk '{print $14, $15, $16, $17}' "/proc/$pid/stat")
  ns_after=$(run_ns "$pid")
  own=$(( after[0] + after[1] - before[0] - before[1] ))
  all=$(( own + after[2] + after[3] - before[2] - before[3] ))
  local hwm rss
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  awk -v label="$label" -v own="$own" -v all="$all" -v hz="$ticks_per_second" -v s="$seconds" \
      -v ns="$(( ns_after - ns_before ))" -v hwm="$hwm" -v rss="$rss" 'BEGIN {
    printf "%-34s CPU %.3f %% of one core (%.3f %% with its children; scheduler clock %.4f %%), peak RSS %.1f MB (now %.1f MB)\n",
      label, 100 * own / hz / s, 100 * all / hz / s, 100 * ns / 1e9 / s, hwm / 1024, rss / 1024 }'
}

# --- Idle with default settings.
if wants idle; then
  "$vigila" >"$tmp/idle.log" 2>&1 & pid=$!
  wait_for 20 icon_shown
  measure "$pid" "idle, default settings:"
  stop_vigila "$pid"
fi

# --- Busy: one enabled rule matching a running process, polled every 2 s, and a 30-minute timed session.
if wants busy; then
  watched=vglf$$
  cp /bin/sleep "$tmp/$watched"
  "$tmp/$watched" 100000 & pids+=($!)
  json=$(/usr/bin/python3 - "$watched" <<'PY'
import json, sys, uuid
print(json.dumps({
    "launchAtLogin": False, "showNotifications": True, "quietProcessNotifications": True,
    "defaultMode": "system", "defaultDurationSeconds": 3600, "confirmIndefinite": True,
    "showRemainingTime": True,
    "battery": {"warnOnBattery": True, "onlyWhilePluggedIn": False, "autoStopEnabled": False,
                "autoStopThreshold": 15, "warningThreshold": 25},
    "processRules": [{"id": str(uuid.uuid4()).upper(), "name": sys.argv[1], "enabled": True, "matchMode": "exact"}],
    "pollInterval": 2, "warnOnBroadNames": True, "defaultShell": "/bin/sh",
    "defaultWorkingDirectory": "", "keepCommandHistory": True,
}, separators=(",", ":")))
PY
  )
  printf '[General]\nvigila.preferences.v1="%s"\n' "${json//\"/\\\"}" > "$XDG_CONFIG_HOME/Quillmere/Vigila.conf"
  "$vigila" >"$tmp/busy.log" 2>&1 & pid=$!
  wait_for 20 icon_shown
  wait_for 20 held
  # The timed session through the menu: open it, then Keep Awake For… → 30 minutes.
  icon=$(xdotool search --onlyvisible --classname '^vigila$' | head -1)
  xdotool mousemove --window "$icon" 11 11 click 1
  sleep 0.5
  xdotool key Down Down Down Right Down Return
  timed_started() { # the mocked notification server saw the session start
    dbus-send --session --print-reply --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
      org.freedesktop.DBus.Mock.GetCalls 2>/dev/null | grep -q 'Timed: 30m 0s'
  }
  wait_for 10 timed_started || { echo "footprint: the timed session did not start" >&2; exit 1; }
  measure "$pid" "busy, process rule + timed session:"
  stop_vigila "$pid"
  rm -f "$XDG_CONFIG_HOME/Quillmere/Vigila.conf"
fi

# --- Triggers: one of each kind enabled, none holding.
mocks=$here/../tests/dbus
ctxt() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }
threads() { for t in /proc/"$1"/task/*; do echo "$(cat "$t/comm") $(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status")"; done; }
idle_with_wakeups() { # pid label: CPU and memory, then how often it woke up (all its threads, then each)
  local before after
  before=$(ctxt "$1")
  threads "$1" > "$tmp/threads.before"
  measure "$1" "$2, idle:"
  after=$(ctxt "$1")
  threads "$1" > "$tmp/threads.after"
  awk -v label="$2, wake-ups:" -v n="$(( after - before ))" -v s="$((seconds + 5))" 'BEGIN {
    printf "%-34s %d voluntary context switches in %d s (%.2f per minute)\n", label, n, s, 60 * n / s }'
  awk 'NR == FNR {was[$1] += $2; next} {now[$1] += $2} END {
    printf "%-34s", "  by thread:"; for (t in now) printf " %s %d", t, now[t] - was[t]; printf "\n" }' \
    "$tmp/threads.before" "$tmp/threads.after"
}
if wants triggers; then
  /usr/bin/python3 -m dbusmock --system --template upower >/dev/null 2>&1 & pids+=($!)
  /usr/bin/python3 -m dbusmock --system --template "$mocks/systemd_manager.py" >/dev/null 2>&1 & pids+=($!)
  /usr/bin/python3 -m dbusmock --system --template "$mocks/machined.py" >/dev/null 2>&1 & pids+=($!)
  wait_for 20 has_name --system org.freedesktop.UPower
  wait_for 20 has_name --system org.freedesktop.systemd1
  wait_for 20 has_name --system org.freedesktop.machine1
  # A real sound server with a null sink, silent: the sound trigger follows it without holding.
  if command -v pulseaudio >/dev/null; then
    mkdir -p "$tmp/pulse/home" "$tmp/pulse/run" && chmod 700 "$tmp/pulse/run"
    HOME="$tmp/pulse/home" XDG_RUNTIME_DIR="$tmp/pulse/run" pulseaudio --daemonize=no --system=no \
      --exit-idle-time=-1 --disallow-exit --use-pid-file=no -n --load=module-null-sink \
      --load="module-native-protocol-unix socket=$tmp/pulse/native auth-anonymous=1" >/dev/null 2>&1 & pids+=($!)
    export PULSE_SERVER="unix:$tmp/pulse/native"
    pulse_up() { [ -S "$tmp/pulse/native" ]; }
    wait_for 20 pulse_up
  fi
  mkdir -p "$tmp/Downloads"
  mock() { # bus-name path method signature-and-args…
    dbus-send --system --print-reply --dest="$1" "$2" "org.freedesktop.DBus.Mock.$3" "${@:4}" >/dev/null
  }
  upower_on_battery() {
    dbus-send --system --print-reply --dest=org.freedesktop.UPower /org/freedesktop/UPower \
      org.freedesktop.DBus.Properties.Set string:org.freedesktop.UPower string:OnBattery variant:boolean:"$1" >/dev/null
  }
  # A battery, discharging: the adapter trigger does not hold.
  mock org.freedesktop.UPower /org/freedesktop/UPower SetupDisplayDevice uint32:2 uint32:2 double:50 double:0 \
    double:0 double:0 int64:0 int64:0 boolean:true string: uint32:1
  upower_on_battery true
  mock org.freedesktop.systemd1 /org/freedesktop/systemd1 AddUnit string:backup.service string:inactive
  # A weekly window two days from now, which cannot hold during the run.
  day=$(LC_ALL=C date -d '+2 days' +%a)
  preferences() { # all | events
    /usr/bin/python3 - "$day" "$1" "$tmp/Downloads" <<'PY'
import json, sys, uuid
def rule(kind, **parameters):
    return {"id": str(uuid.uuid4()).upper(), "name": kind, "kind": kind, "enabled": True, "mode": "default",
            "parameters": parameters, "delaySeconds": 0, "graceSeconds": 0, "onlyOnAC": False}
rules = [rule("ac"), rule("display"), rule("remote-session"), rule("unit", unit="backup.service"),
         rule("schedule", schedule=sys.argv[1] + " 09:00-17:00"), rule("audio"),
         rule("download", folders=[sys.argv[3]]), rule("machine")]
if sys.argv[2] == "all":
    rules += [rule("network", kilobytesPerSecond=100000, windowSeconds=30),
              rule("busy", process="no-such-program", matchMode="exact", cpuPercent=10, windowSeconds=60)]
print(json.dumps({
    "launchAtLogin": False, "showNotifications": True, "quietProcessNotifications": True,
    "defaultMode": "system", "defaultDurationSeconds": 3600, "confirmIndefinite": True,
    "showRemainingTime": True,
    "battery": {"warnOnBattery": False, "onlyWhilePluggedIn": False, "autoStopEnabled": False,
                "autoStopThreshold": 15, "warningThreshold": 25},
    "processRules": [], "pollInterval": 5, "warnOnBroadNames": True, "defaultShell": "/bin/sh",
    "defaultWorkingDirectory": "", "keepCommandHistory": True,
    "triggerRules": rules, "triggerNotifications": False,
}, separators=(",", ":")))
PY
  }
  json=$(preferences events)
  mkdir -p "$XDG_CONFIG_HOME/Quillmere"
  printf '[General]\nvigila.preferences.v1="%s"\n' "${json//\"/\\\"}" > "$XDG_CONFIG_HOME/Quillmere/Vigila.conf"
  "$vigila" >"$tmp/triggers.log" 2>&1 & pid=$!
  wait_for 20 icon_shown
  idle_with_wakeups "$pid" "triggers, 8 event-driven kinds"
  held_any() { inhibitors_list | grep -q '"Vigila: keep '; }
  inhibitors_list() {
    dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
      org.freedesktop.login1.Manager.ListInhibitors
  }
  not_held_any() { ! held_any; }
  uid=$(id -u)
  latency() { # label prepare-command event-command undo-command; only the event is timed
    local times=() start
    for i in $(seq 10); do
      eval "$2"
      start=$(date +%s%N)
      eval "$3"
      until held_any; do :; done
      times+=($(( ($(date +%s%N) - start) / 1000000 )))
      eval "$4"
      wait_for 10 not_held_any || { echo "footprint: the lock was not given back ($1)" >&2; exit 1; }
    done
    printf '%s\n' "${times[@]}" | sort -n | awk -v label="$1" '{a[NR] = $1} END {
      printf "%-34s median %d ms, max %d ms (10 events, each timed from the call that makes it)\n", label, a[int((NR + 1) / 2)], a[NR] }'
  }
  session_signal() { # signal
    busctl --system call org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.DBus.Mock EmitSignal \
      sssav org.freedesktop.login1.Manager "$1" so 2 s "r$i" o "/org/freedesktop/login1/session/r$i" >/dev/null
  }
  session_prepare() {
    mock org.freedesktop.login1 /org/freedesktop/login1 AddSession string:"r$i" string:seat0 uint32:"$uid" string:"${USER:-$(id -un)}" boolean:true
    busctl --system call org.freedesktop.login1 "/org/freedesktop/login1/session/r$i" org.freedesktop.DBus.Mock \
      UpdateProperties 'sa{sv}' org.freedesktop.login1.Session 3 Remote b true RemoteHost s 10.0.0.2 Service s sshd >/dev/null
  }
  unit_state() {
    mock org.freedesktop.systemd1 /org/freedesktop/systemd1 SetActiveState string:backup.service string:"$1"
  }
  latency "event → lock, session opened:" session_prepare "session_signal SessionNew" "session_signal SessionRemoved"
  latency "event → lock, unit started:" : "unit_state active" "unit_state inactive"
  latency "event → lock, adapter plugged in:" : "upower_on_battery false" "upower_on_battery true"
  stop_vigila "$pid"
  # All ten kinds: network traffic and busy processes add a sample every 10 s.
  json=$(preferences all)
  printf '[General]\nvigila.preferences.v1="%s"\n' "${json//\"/\\\"}" > "$XDG_CONFIG_HOME/Quillmere/Vigila.conf"
  "$vigila" >"$tmp/triggers-all.log" 2>&1 & pid=$!
  wait_for 20 icon_shown
  idle_with_wakeups "$pid" "triggers, all 10 kinds"
  stop_vigila "$pid"
  rm -f "$XDG_CONFIG_HOME/Quillmere/Vigila.conf"
fi

# --- Menu: peak and current RSS after a warm-up of 20 opens and again after $opens more.
memory() { awk '/VmHWM/ {hwm = $2} /VmRSS/ {rss = $2} END {print hwm, rss}' "/proc/$1/status"; }
report() { # label what-was-counted hwm-before rss-before hwm-after rss-after milliseconds
  awk -v label="$1" -v n="$opens" -v what="$2" -v hb="$3" -v rb="$4" -v ha="$5" -v ra="$6" -v ms="$7" 'BEGIN {
    printf "%-34s %d %s in %.1f s: peak RSS %.1f → %.1f MB, RSS %.1f → %.1f MB (%+.2f MB)\n",
      label, n, what, ms / 1000, hb / 1024, ha / 1024, rb / 1024, ra / 1024, (ra - rb) / 1024 }'
}
# A StatusNotifierWatcher makes Qt export the icon and its menu over D-Bus; Qt decides which
# protocol to use when the application starts, so the watcher comes first.
sni_menu() { # label [--sessions]
  /usr/bin/python3 "$mocks/sni_watcher.py" & watcher=$! pids+=($!)
  wait_for 20 has_name --session org.kde.StatusNotifierWatcher
  "$vigila" >"$tmp/menu.log" 2>&1 & pid=$! pids+=($!)
  registered() { /usr/bin/python3 "$mocks/sni_open_menu.py" 0 2>/dev/null; }
  wait_for 20 registered
  /usr/bin/python3 "$mocks/sni_open_menu.py" 20 "${@:2}"
  read -r hwm_before rss_before < <(memory "$pid")
  start=$(date +%s%N)
  /usr/bin/python3 "$mocks/sni_open_menu.py" "$opens" "${@:2}"
  elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  read -r hwm_after rss_after < <(memory "$pid")
  report "$1" "$([ $# -gt 1 ] && echo sessions || echo opens)" "$hwm_before" "$rss_before" "$hwm_after" "$rss_after" "$elapsed"
  stop_vigila "$pid"
  kill "$watcher"; wait "$watcher" 2>/dev/null || true
}
if wants menu; then sni_menu "menu, StatusNotifierItem:"; fi
# Each time, a 15-minute session started and stopped from the menu, with its two notifications.
if wants menu-sessions; then sni_menu "menu, start and stop a session:" --sessions; fi

if wants menu-xembed; then
  "$vigila" >"$tmp/menu-xembed.log" 2>&1 & pid=$! pids+=($!)
  wait_for 20 icon_shown
  icon=$(xdotool search --onlyvisible --classname '^vigila$' | head -1)
  windows() { xdotool search --onlyvisible --classname '^vigila$' 2>/dev/null | wc -l; }
  menu_open() { [ "$(windows)" -ge 2 ]; }
  menu_closed() { [ "$(windows)" -le 1 ]; }
  click_open_close() {
    for _ in $(seq "$1"); do
      xdotool mousemove --window "$icon" 11 11 click 1
      wait_for 5 menu_open || { echo "footprint: the menu did not open" >&2; exit 1; }
      xdotool key Escape
      wait_for 5 menu_closed || { echo "footprint: the menu did not close" >&2; exit 1; }
      sleep 0.3 # a click right after the menu closes is taken as closing it again
    done
  }
  click_open_close 20
  read -r hwm_before rss_before < <(memory "$pid")
  start=$(date +%s%N)
  click_open_close "$opens"
  elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  read -r hwm_after rss_after < <(memory "$pid")
  report "menu, XEmbed:" opens "$hwm_before" "$rss_before" "$hwm_after" "$rss_after" "$elapsed"
  stop_vigila "$pid"
fi

#!/usr/bin/env bash
# What the real GNOME session manager (gnome-session-bin) asks logind for while Vigila's real
# backend holds its lock through it. It runs as a builtin session of one idle component with an
# empty autostart folder, on private buses, with logind mocked (python3-dbusmock's template).
#
# A display-mode lock (inhibit flag 8) must make no logind call; a system-mode lock (flag 4) is
# turned into a logind "sleep" lock that lasts until Vigila's process is gone. The display-mode
# lock stays held throughout, so once the system-mode holder is gone, no logind lock may remain.
#
# Usage, under with-buses.sh: real_gnome_session.sh <inhibitor_holder>
# SESSION_DEBUG=1 makes gnome-session log what it does (shown when the test fails).
set -euo pipefail
holder=$1
session_binary=/usr/libexec/gnome-session-binary
fail() {
  echo "FAIL: $*" >&2
  [ ! -s "${tmp:-}/session.log" ] || { echo "gnome-session said:" >&2; tail -n 20 "$tmp/session.log" >&2; }
  exit 1
}
[ -x "$session_binary" ] || fail "$session_binary is missing (scripts/install-deps.sh test installs gnome-session-bin)"
for tool in gdbus dbus-daemon; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh test installs it)"
done

tmp=$(mktemp -d)
pids=()
made_seats=
session_pid=
display_pid=''
system_pid=''
cleanup() {
  local i
  # Newest first: the holders, gnome-session, then the services it talks to.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  # The session's component waits on this pipe: closing our end ends it, and opening it for
  # reading and writing never blocks, whether or not the component is still there.
  [ ! -p "$tmp/idle" ] || { exec {pipe}<>"$tmp/idle"; exec {pipe}>&-; }
  # gnome-session's session-management socket, which it leaves behind when stopped by a signal.
  [ -z "$session_pid" ] || rm -f "/tmp/.ICE-unix/$session_pid"
  # shellcheck disable=SC2086 # the folders we made, innermost first
  [ -z "$made_seats" ] || rmdir $made_seats 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# gnome-session talks to logind only where systemd's seat folder exists.
if [ ! -d /run/systemd/seats ]; then
  made_seats=/run/systemd/seats
  [ -d /run/systemd ] || made_seats="$made_seats /run/systemd"
  mkdir -p /run/systemd/seats || fail "cannot create /run/systemd/seats, which gnome-session needs to use logind"
fi

# A session bus of our own that starts no service on demand, so no desktop portal installed here
# can come up and take the lock first: it goes to the session manager itself.
cat >"$tmp/session.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
read -r address bus_pid < <(dbus-daemon --config-file="$tmp/session.conf" --fork --print-address=1 \
  --print-pid=1 2>"$tmp/bus.log" | paste -sd' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$address

/usr/bin/python3 -m dbusmock --system --template logind >"$tmp/logind.log" 2>&1 &
pids+=($!)
gdbus wait --system --timeout 20 org.freedesktop.login1 || fail "the logind mock did not start: $(cat "$tmp/logind.log")"

# One required component that does nothing until the test ends, and nothing from the system's
# autostart folders.
mkfifo "$tmp/idle"
mkdir -p "$tmp/config/gnome-session/sessions" "$tmp/data/applications" "$tmp/autostart"
cat >"$tmp/config/gnome-session/sessions/vigila-check.session" <<EOF
[GNOME Session]
Name=Vigila check
RequiredComponents=vigila-check-idle;
EOF
cat >"$tmp/data/applications/vigila-check-idle.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Idle
Exec=cat $tmp/idle
EOF
XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config \
  "$session_binary" --builtin --session=vigila-check --autostart="$tmp/autostart" \
  --disable-acceleration-check ${SESSION_DEBUG:+--debug} >"$tmp/session.log" 2>&1 &
session_pid=$!
pids+=("$session_pid")
gdbus wait --session --timeout 20 org.gnome.SessionManager ||
  fail "gnome-session did not take its bus name: $(cat "$tmp/session.log")"

logind() { gdbus call --system -d org.freedesktop.login1 -o /org/freedesktop/login1 -m "$@"; }
inhibit_calls() { logind org.freedesktop.DBus.Mock.GetMethodCalls Inhibit; }
held_locks() { logind org.freedesktop.login1.Manager.ListInhibitors; }
# Waits up to ten seconds for a command's output to contain a text.
wait_for() { # what, pattern, command…
  local what=$1 pattern=$2 i
  shift 2
  for ((i = 0; i < 100; i++)); do
    grep -qF -- "$pattern" <<<"$("$@")" && return 0
    sleep 0.1
  done
  fail "$what: /$pattern/ never appeared in: $("$@")"
}

# Starts the holder in a mode and waits for it to say which provider holds its lock.
hold() { # mode, variable for its process id
  local line
  exec {fd}< <(exec "$holder" "$1" 2>>"$tmp/holder.log")
  printf -v "$2" '%s' $!
  pids+=("${!2}")
  read -r -t 20 -u "$fd" line || fail "$1 mode: the holder took no lock: $(cat "$tmp/holder.log")"
  [ "$line" = "held gnome-session" ] || fail "$1 mode: expected the lock from gnome-session, got '$line'"
}

user=$(id -un)
sleep_lock="('sleep', '$user', 'user session inhibited', 'block'"

hold display display_pid
[ "$(inhibit_calls)" = "(@a(tav) [],)" ] || fail "display mode: gnome-session asked logind: $(inhibit_calls)"
hold system system_pid
wait_for "system mode: gnome-session's logind lock" "[$sleep_lock" held_locks
calls=$(inhibit_calls)
echo "logind Inhibit calls while a display-mode and a system-mode lock are held: $calls"
[ "$(grep -o "(uint64 " <<<"$calls" | wc -l)" -eq 1 ] ||
  fail "expected exactly one logind Inhibit call, for the system-mode lock: $calls"
grep -qF "[<'sleep'>, <'$user'>, <'user session inhibited'>, <'block'>]" <<<"$calls" ||
  fail "gnome-session's logind Inhibit call was not sleep/$user/block: $calls"

# Vigila's process gone, gnome-session lets go of the logind lock; the display-mode lock it still
# holds keeps none.
kill "$system_pid"
wait_for "after the system-mode holder exits" '(@a(ssssuu) [],)' held_locks
echo "logind locks once the system-mode holder has exited: $(held_locks)"
kill "$display_pid"
[ "$(inhibit_calls)" = "$calls" ] || fail "logind was asked again: $(inhibit_calls)"
echo "real gnome-session: display mode takes no logind lock; system mode a sleep block lock while held"

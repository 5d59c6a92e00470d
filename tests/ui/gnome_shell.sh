#!/usr/bin/env bash
# The real binary as a Wayland client of the real GNOME Shell (headless), on private buses with a
# mocked logind. Without the AppIndicator extension there is no tray: Vigila says so on stderr and
# in one notification, and still answers the command line. Once the extension is enabled its icon
# shows in the top bar, "15 minutes" chosen from the shell's menu takes the lock, and the menu the
# shell then shows is in Vigila's order. What is read is the shell's own menu items (through
# org.gnome.Shell.Eval, which a test-only extension unlocks), not Vigila's export.
#
# Usage: with-buses.sh gnome_shell.sh <path to vigila>
set -euo pipefail

vigila=$1
appindicator=ubuntu-appindicators@ubuntu.com
for tool in gnome-shell gsettings gdbus dbus-send; do
  command -v "$tool" >/dev/null || { echo "gnome_shell: $tool is missing (scripts/install-deps.sh test installs it)" >&2; exit 1; }
done
[ -d "/usr/share/gnome-shell/extensions/$appindicator" ] ||
  { echo "gnome_shell: gnome-shell-extension-appindicator is missing (scripts/install-deps.sh test installs it)" >&2; exit 1; }
[ -n "${DBUS_SYSTEM_BUS_ADDRESS:-}" ] || { echo "gnome_shell: run me under tests/dbus/with-buses.sh" >&2; exit 1; }

source "$(dirname "$0")/private-session.sh"
unset DISPLAY
export QT_FORCE_STDERR_LOGGING=1

fail() {
  echo "FAIL: $*" >&2
  for log in "$tmp"/*.log; do [ -f "$log" ] && { echo "--- $log" >&2; tail -n 60 "$log" >&2; }; done
  exit 1
}

# Nothing from this machine's configuration autostarts; settings live in a file of this run.
mkdir -p "$tmp/xdg-config" "$HOME/.local/share"
export XDG_CONFIG_DIRS=$tmp/xdg-config XDG_DATA_HOME=$HOME/.local/share GSETTINGS_BACKEND=keyfile
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME NO_AT_BRIDGE=1 GTK_A11Y=none

# Eval answers only in unsafe mode, which this shell has no flag for: a test-only extension sets it.
eval_uuid=vigila-test-eval@quillmere.com
mkdir -p "$XDG_DATA_HOME/gnome-shell/extensions/$eval_uuid"
cp "$(dirname "$0")/gnome-shell/metadata.json" "$(dirname "$0")/gnome-shell/extension.js" \
  "$XDG_DATA_HOME/gnome-shell/extensions/$eval_uuid/"
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.shell enabled-extensions "['$eval_uuid']"
gsettings set org.gnome.shell welcome-dialog-last-shown-version '999'

/usr/bin/python3 -m dbusmock --system --template logind >"$tmp/logind.log" 2>&1 &
pids+=($!)
wait_for 20 has_name --system org.freedesktop.login1 || fail "the mocked logind did not start"

# A notification server that logs every notification asked for (this shell starts none of its own).
/usr/bin/python3 -m dbusmock --template notification_daemon >"$tmp/notify.log" 2>&1 &
pids+=($!)
wait_for 20 has_name --session org.freedesktop.Notifications || fail "the mocked notification server did not start"

gnome-shell --headless --virtual-monitor 1280x800 --wayland --no-x11 >"$tmp/gnome-shell.log" 2>&1 &
shell_pid=$!
pids+=("$shell_pid")
# The shell goes first in the cleanup: it must never outlive the test.
trap 'kill -KILL "$shell_pid" 2>/dev/null || true; cleanup' EXIT

# Runs JavaScript in the shell; prints the result as JSON.
shell_eval() {
  local reply
  reply=$(timeout 10 gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
    --method org.gnome.Shell.Eval "$1" 2>/dev/null) || return 1
  # "(true, '<json>')", quoted as a Python string literal would be.
  /usr/bin/python3 -c 'import ast, sys
reply = sys.argv[1]
sys.exit(1) if not reply.startswith("(true, ") else print(ast.literal_eval(reply[7:-1]))' "$reply"
}
shell_ready() { kill -0 "$shell_pid" 2>/dev/null && [ "$(shell_eval 'Main.layoutManager._startingUp' || true)" = false ]; }
wait_for 90 shell_ready || fail "GNOME Shell did not start, or Eval stayed locked"

socket=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? 2>/dev/null | head -n 1)
[ -n "$socket" ] || fail "GNOME Shell opened no Wayland socket in $XDG_RUNTIME_DIR"

export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket
# In the sanitizer build, Qt's Wayland client and its StatusNotifier menu export leave their
# objects behind at exit (libwayland-client and the exported menu items); the leak check of our
# own code is the unit tests' job, this test checks the exit itself.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$vigila" >"$tmp/vigila.log" 2>&1 &
vigila_pid=$!
pids+=("$vigila_pid")

# 1. No tray: said at once on stderr and in one notification; the command line is still served.
message='No system tray found: on GNOME install and enable the AppIndicator extension, then log in again; meanwhile use `vigila` from a terminal'
log_has() { grep -qF -- "$2" "$tmp/$1"; }
wait_for 30 log_has vigila.log "vigila: $message" || fail "no word on stderr about the missing tray"
notified() { grep -cF -- "$message" "$tmp/notify.log" || true; }
some_notified() { [ "$(notified)" -ge 1 ]; }
wait_for 10 some_notified || fail "no notification about the missing tray"
timeout 20 "$vigila" status >"$tmp/status.log" 2>&1 || fail "vigila status failed without a tray: $(cat "$tmp/status.log")"
grep -q "Inactive" "$tmp/status.log" || fail "vigila status said: $(cat "$tmp/status.log")"

# 2. The extension enabled later (as at the next login): the icon appears without a restart.
shell_eval "Main.extensionManager.enableExtension('$appindicator')" >/dev/null ||
  fail "could not enable the AppIndicator extension"

# The shell's menu of Vigila's icon, as it shows it: visible items only, separators as "---",
# a submenu's items indented under it.
indicator='Object.entries(Main.panel.statusArea).filter(([k, v]) => k.startsWith("appindicator-") && v).map(([k, v]) => v)[0]'
read_menu="(() => { const PopupMenu = imports.ui.popupMenu; const button = $indicator; if (!button) return null;
  const dump = (menu, indent) => menu._getMenuItems().filter(i => i.visible).flatMap(i =>
    i instanceof PopupMenu.PopupSeparatorMenuItem ? [indent + '---']
    : i instanceof PopupMenu.PopupSubMenuMenuItem ? [indent + i.label.text, ...dump(i.menu, indent + '> ')]
    : [indent + (i.label ? i.label.text : '?')]);
  return dump(button.menu, ''); })()"
menu_lines() { shell_eval "$read_menu" | python3 -c 'import json,sys; print("\n".join(json.loads(sys.stdin.read()) or []))'; }
menu_has() { local lines; lines=$(menu_lines) || return 1; grep -qxF -- "$1" <<<"$lines"; }

wait_for 30 menu_has "Quit Vigila" || fail "Vigila's icon did not show in the top bar once the extension was on, or its menu stayed empty"
log_has vigila.log "System tray found; showing the Vigila icon." || fail "the icon showed, but Vigila did not say so"
[ "$(notified)" -eq 1 ] || fail "$(notified) notifications about the missing tray, not one"
[ "$(shell_eval "$indicator.visible")" = true ] || fail "Vigila's icon is in the top bar but hidden"

# 3. Opens the menu (the shell tells Vigila, which brings it up to date) and chooses an entry, as a
# click on it does.
shell_eval "$indicator.menu.open(false)" >/dev/null || fail "could not open the menu"
choose="(() => { const PopupMenu = imports.ui.popupMenu; const GLib = imports.gi.GLib;
  const find = menu => { for (const i of menu._getMenuItems()) {
      if (i.label && i.label.text === '15 minutes') return i;
      if (i instanceof PopupMenu.PopupSubMenuMenuItem) { const f = find(i.menu); if (f) return f; } }
    return null; };
  const item = find(($indicator).menu); if (!item) return false;
  item._dbusItem.handleEvent('clicked', GLib.Variant.new('i', 0), 0); return true; })()"
wait_for 10 menu_has "Keep Awake For…" || fail "the menu has no Keep Awake For… submenu: $(menu_lines)"
[ "$(shell_eval "$choose")" = true ] || fail "no 15 minutes entry in the shell's menu: $(menu_lines)"
shell_eval "$indicator.menu.close(false)" >/dev/null || true

inhibitors() {
  dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
    org.freedesktop.login1.Manager.ListInhibitors
}
held() { inhibitors | grep -q 'Vigila'; }
wait_for 20 held || fail "15 minutes took no lock: $(inhibitors)"

# 4. Opened again, the shell shows the session's entries, in the order Vigila gives them.
shell_eval "$indicator.menu.open(false)" >/dev/null || fail "could not open the menu again"
wait_for 20 menu_has "Stop Current Session" || fail "the shell's menu shows no running session: $(menu_lines)"
in_order() {
  local previous=0 line lines
  lines=$(menu_lines) || return 1
  for entry in "$@"; do
    line=$(grep -nxF -- "$entry" <<<"$lines" | head -n 1 | cut -d: -f1)
    [ -n "$line" ] && [ "$line" -gt "$previous" ] || return 1
    previous=$line
  done
}
order=("Active Reasons" "Stop Current Session" "Copy Honest Status Message" "Preferences…" "Quit Vigila")
wait_for 10 in_order "${order[@]}" ||
  fail "the shell shows the menu out of order; expected ${order[*]} in this order, got:
$(menu_lines)"
# Nothing shows twice: a stale entry the shell kept would.
[ -z "$(menu_lines | grep -v -- '---$' | sort | uniq -d)" ] || fail "entries shown twice:
$(menu_lines)"
shell_eval "$indicator.menu.close(false)" >/dev/null || true

kill -TERM "$vigila_pid"
wait "$vigila_pid" || fail "Vigila exited with $? after SIGTERM"
echo "gnome_shell: all checks passed"

#!/usr/bin/env bash
# Runs a command on a private session bus and a private "system" bus, so tests can start mocked
# services (python3-dbusmock) without ever touching this machine's real buses.
set -euo pipefail

for tool in dbus-daemon dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "with-buses: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

# A second session-type daemon stands in for the system bus; QtDBus honours DBUS_SYSTEM_BUS_ADDRESS.
read -r system_address system_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd' ')
trap 'kill "$system_pid" 2>/dev/null || true' EXIT
export DBUS_SYSTEM_BUS_ADDRESS="$system_address"

dbus-run-session -- "$@"

#!/usr/bin/env bash
# Installs the Debian packages Vigila needs to build, test and run. Idempotent: when everything is
# already installed it changes nothing and touches no network.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  # benchmarks
  libbenchmark-dev
  # fuzzing: clang with libFuzzer and its sanitizer runtimes
  clang libclang-rt-14-dev
  # tests: private D-Bus buses with mocked system services, real windows, time zones, /bin/ps
  dbus dbus-x11 python3-dbusmock python3-gi
  xvfb xauth trayer xdotool imagemagick
  tzdata procps
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo=(sudo -n)
  else
    echo "install-deps: missing ${missing[*]}, and not root without sudo; install them by hand" >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: done"

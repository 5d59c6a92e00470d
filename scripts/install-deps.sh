#!/usr/bin/env bash
# Installs the Debian packages Vigila needs.
#
#   scripts/install-deps.sh [--dry-run] run|package|test
#
# run:     what building and running the app needs (make run)
# package: run's packages plus what building the Debian package needs (make package)
# test:    package's packages plus the test, benchmark and fuzzing tools and the validators (make test)
#
# Idempotent: when everything is already installed it changes nothing and touches no network.
# As root it installs directly; otherwise through sudo, asking for the password when there is a
# terminal to type it in. When that cannot work it stops and prints the command to run by hand
# (through su when sudo is not installed).
# --dry-run prints the package set and what the real run would do on this machine (nothing when
# every package is present), and changes nothing.
set -euo pipefail

usage() {
  echo "usage: $0 [--dry-run] run|package|test" >&2
  exit 2
}

dry_run=0
set_name=
for arg in "$@"; do
  case "$arg" in
    --dry-run) dry_run=1 ;;
    run | package | test) [ -z "$set_name" ] || usage; set_name=$arg ;;
    *) usage ;;
  esac
done
[ -n "$set_name" ] || usage

run_packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libudev-dev libpulse-dev
  # translations: lupdate and lrelease with their CMake functions, and Qt's own translations for
  # the standard buttons
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # run: native Wayland sessions
  qt6-wayland
)
package_packages=(
  # dpkg-shlibdeps, which finds the package's library dependencies, and file, which CPack runs first
  dpkg-dev file
)
test_packages=(
  # benchmarks
  libbenchmark-dev
  # fuzzing: clang with libFuzzer and its sanitizer runtimes
  clang libclang-rt-14-dev
  # tests: private D-Bus buses with mocked system services, real windows, time zones
  dbus dbus-x11 python3-dbusmock python3-gi
  xvfb xauth trayer xdotool imagemagick
  # the real GNOME Shell (headless) with its tray, for the tray and menu tests on GNOME
  gnome-shell gnome-shell-extension-appindicator
  tzdata
  # the /bin/ps the /proc listing is checked against
  procps
  # the freedesktop and AppStream validators for the desktop entries and the metainfo, and
  # Debian's package checker
  desktop-file-utils appstream lintian
  # the real GNOME session manager, which the lock is checked against, and gdbus to ask it
  gnome-session-bin libglib2.0-bin
  # a real sound server with a null sink, and paplay and pactl to play into it and change streams
  pulseaudio pulseaudio-utils
)

packages=("${run_packages[@]}")
[ "$set_name" = run ] || packages+=("${package_packages[@]}")
[ "$set_name" = test ] && packages+=("${test_packages[@]}")

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  if [ "$dry_run" -eq 1 ]; then
    echo "packages ($set_name): ${packages[*]}"
    echo "missing here: none"
    echo "would do nothing: all ${#packages[@]} packages for '$set_name' are present"
  else
    echo "install-deps: all ${#packages[@]} packages for '$set_name' present"
  fi
  exit 0
fi

by_hand="sudo apt-get install --no-install-recommends ${missing[*]}"
apt=(env DEBIAN_FRONTEND=noninteractive sh -c
     'apt-get update -qq && apt-get install -y -qq --no-install-recommends "$@"' apt-get "${missing[@]}")

# Root installs directly. Otherwise sudo, interactive when a terminal can take the password (sudo
# then asks once for both apt-get runs); without one only when sudo needs no password.
if [ "$(id -u)" -eq 0 ]; then
  command=("${apt[@]}")
elif ! command -v sudo >/dev/null 2>&1; then
  command=()
  why="you are not root and sudo is not installed"
  # su asks for root's password, which a system without sudo has.
  by_hand="su -c 'apt-get install --no-install-recommends ${missing[*]}'"
elif [ -t 0 ] && [ -t 2 ]; then
  command=(sudo "${apt[@]}")
elif sudo -n true 2>/dev/null; then
  command=(sudo -n "${apt[@]}")
else
  command=()
  why="sudo needs a password and there is no terminal to ask for it"
fi

if [ "$dry_run" -eq 1 ]; then
  echo "packages ($set_name): ${packages[*]}"
  echo "missing here: ${missing[*]}"
  if [ ${#command[@]} -gt 0 ]; then
    printf 'would run:'; printf ' %q' "${command[@]}"; echo
  else
    echo "would stop: $why; by hand: $by_hand"
  fi
  exit 0
fi

if [ ${#command[@]} -eq 0 ]; then
  echo "install-deps: cannot install ${missing[*]}: $why." >&2
  echo "install-deps: run this once, then try again:" >&2
  echo "    $by_hand" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
[ "${command[0]}" = sudo ] && [ "${command[1]}" != -n ] &&
  echo "install-deps: sudo may ask for your password"
if ! "${command[@]}"; then
  echo "install-deps: installing failed; to do it by hand:" >&2
  echo "    $by_hand" >&2
  exit 1
fi
echo "install-deps: done"

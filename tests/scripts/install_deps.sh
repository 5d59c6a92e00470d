#!/usr/bin/env bash
# install-deps.sh --dry-run: the three package sets; nothing to do when all is present; otherwise the
# command it picks for root, for a sudo user with and without a terminal or password, and without sudo.
set -euo pipefail
script=$1
fakes=$(mktemp -d)
trap 'rm -rf "$fakes"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The package set of one mode, one name a line.
set_of() { bash "$script" --dry-run "$1" </dev/null | sed -n "s/^packages ($1): //p" | tr ' ' '\n' | sort; }
run=$(set_of run)
package=$(set_of package)
test=$(set_of test)
for pkg in g++ cmake ninja-build qt6-base-dev qt6-svg-dev libudev-dev libpulse-dev qt6-wayland; do
  grep -qx -- "$pkg" <<<"$run" || fail "'$pkg' is needed to build and run but not in the run set"
done
for pkg in clang libclang-rt-14-dev libbenchmark-dev python3-dbusmock dbus-x11 xvfb trayer xdotool imagemagick pulseaudio pulseaudio-utils; do
  grep -qx -- "$pkg" <<<"$run" && fail "test tool '$pkg' is in the run set"
  grep -qx -- "$pkg" <<<"$test" || fail "test tool '$pkg' is not in the test set"
done
for pkg in dpkg-dev file; do
  grep -qx -- "$pkg" <<<"$run" && fail "package tool '$pkg' is in the run set"
  grep -qx -- "$pkg" <<<"$package" || fail "package tool '$pkg' is not in the package set"
done
for pkg in desktop-file-utils appstream; do
  grep -qx -- "$pkg" <<<"$package" && fail "validator '$pkg' is in the package set"
  grep -qx -- "$pkg" <<<"$test" || fail "validator '$pkg' is not in the test set"
done
# Each set holds the smaller one: run within package within test.
extra=$(comm -23 <(echo "$run") <(echo "$package"))
[ -z "$extra" ] || fail "the package set lacks run packages: $extra"
extra=$(comm -23 <(echo "$package") <(echo "$test"))
[ -z "$extra" ] || fail "the test set lacks package-set packages: $extra"

# Stand-ins for dpkg-query, id and sudo decide what is installed, who runs it and whether sudo
# is there and needs a password.
missing() { # the packages dpkg-query reports not installed
  printf '#!/bin/sh\nfor name in %s; do [ "$3" = "$name" ] && exit 1; done\necho installed\n' "$*" >"$fakes/dpkg-query"
  chmod +x "$fakes/dpkg-query"
}
as_user() { # uid, sudo exit status for "sudo -n true", or "none" for no sudo
  printf '#!/bin/sh\n[ "$1" = -u ] && echo %s || exec /usr/bin/id "$@"\n' "$1" >"$fakes/id"
  rm -f "$fakes/sudo"
  [ "$2" = none ] || printf '#!/bin/sh\nexit %s\n' "$2" >"$fakes/sudo"
  chmod +x "$fakes"/*
}
# Without a sudo of our own, PATH holds only the stand-ins and the tools the script uses.
for tool in grep sh env; do ln -s "$(command -v "$tool")" "$fakes/$tool"; done
path() { [ -e "$fakes/sudo" ] && echo "$fakes:$PATH" || echo "$fakes"; }
dry() { PATH=$(path) /bin/bash "$script" --dry-run run </dev/null 2>&1; }
real() { PATH=$(path) /bin/bash "$script" run </dev/null 2>&1 || true; }
at_terminal() { PATH="$fakes:$PATH" script -qec "bash '$script' --dry-run run" /dev/null </dev/null 2>&1 | tr -d '\r'; }
expect() { # name, output, pattern
  grep -qE -- "$3" <<<"$2" || fail "$1: expected /$3/ in: $2"
}

# Everything present: nothing to do, whoever runs it.
missing
for user in "0 1" "1000 1" "1000 none"; do
  as_user $user # uid and sudo, split
  output=$(dry)
  expect "all present ($user)" "$output" "^would do nothing: all [0-9]+ packages for 'run' are present$"
  ! grep -q '^would run' <<<"$output" || fail "all present ($user): a command was planned: $output"
  expect "all present, real run ($user)" "$(real)" "^install-deps: all [0-9]+ packages for 'run' present$"
done

# One package missing: the command installs exactly it.
missing qt6-wayland
as_user 0 1
expect "root" "$(dry)" '^would run: env DEBIAN_FRONTEND=noninteractive sh -c .* apt-get qt6-wayland$'
as_user 1000 1
expect "sudo user at a terminal" "$(at_terminal)" '^would run: sudo env DEBIAN_FRONTEND=.* apt-get qt6-wayland$'
as_user 1000 0
expect "sudo user without a terminal, no password needed" "$(dry)" '^would run: sudo -n env DEBIAN_FRONTEND'
as_user 1000 1
expect "sudo user without a terminal, password needed" "$(dry)" \
  '^would stop: sudo needs a password and there is no terminal to ask for it; by hand: sudo apt-get install --no-install-recommends qt6-wayland$'
as_user 1000 none
expect "no sudo" "$(dry)" \
  "^would stop: you are not root and sudo is not installed; by hand: su -c 'apt-get install --no-install-recommends qt6-wayland'\$"
expect "no sudo, real run" "$(real)" "^    su -c 'apt-get install --no-install-recommends qt6-wayland'\$"
echo "install-deps dry runs: all cases pass"

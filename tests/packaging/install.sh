#!/usr/bin/env bash
# A source install into a fresh prefix and its removal, both as the README says: the README lists
# exactly the files the install puts in place, the installed program finds its tray module, and
# the README's uninstall steps leave no file and no folder of Vigila's behind.
#
# Usage: install.sh <build folder> <README.md>
set -euo pipefail
build=$1 readme=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp=$(mktemp -d)
manifest=$build/install_manifest.txt
# The install rewrites the build folder's manifest, which a real install's removal needs: keep it.
[ ! -e "$manifest" ] || cp -p "$manifest" "$tmp/manifest.kept"
restore() {
  if [ -e "$tmp/manifest.kept" ]; then cp -p "$tmp/manifest.kept" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$tmp"
}
trap restore EXIT
prefix=$tmp/prefix

# The code block after the README line that contains a text, one line each.
block_after() {
  awk -v text="$1" 'index($0, text) {found = 1; next}
    found && /^```/ {if (inside) exit; inside = 1; next}
    inside {print}' "$readme"
}

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || fail "install failed: $(cat "$tmp/install.log")"
installed=$(sed "s|^$prefix/||" "$manifest" | sort)
listed=$(block_after "That installs these files under" | awk '{print $1}' | while read -r entry; do
  [[ "$entry" =~ ^[A-Za-z0-9_./{},-]+$ ]] || fail "odd entry in the README's list: $entry"
  eval "printf '%s\n' $entry" # the README writes the icon sizes as one brace expression
done | sort)
[ -n "$listed" ] || fail "no list of installed files in the README"
difference=$(diff <(echo "$listed") <(echo "$installed")) ||
  fail "the README's list differs from what was installed (< README, > installed):"$'\n'"$difference"
echo "installed, as the README lists: $(wc -l <<<"$installed") files"

# Started without a display, the installed program loads its tray module, which turns the start
# away (exit 2); a module not found would be exit 1.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/vigila" >"$tmp/run.log" 2>&1 || status=$?
[ "$status" -eq 2 ] && grep -q 'no graphical session' "$tmp/run.log" ||
  fail "the installed vigila did not load its tray module (exit $status): $(cat "$tmp/run.log")"

# The README's removal, with the prefix and the build folder of this run.
block_after "To uninstall a source install" | sed "s|~/.local|$prefix|g; s|build/|$build/|g" >"$tmp/uninstall.sh"
grep -q rm "$tmp/uninstall.sh" || fail "no uninstall commands in the README"
bash -e "$tmp/uninstall.sh" || fail "the README's uninstall commands failed: $(cat "$tmp/uninstall.sh")"
left=$(find "$prefix" -type f -o -path '*vigila*' -print)
[ -z "$left" ] || fail "left after uninstalling as the README says:"$'\n'"$left"
echo "uninstalled as the README says: no file and no folder of Vigila's left"

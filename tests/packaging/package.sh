#!/usr/bin/env bash
# The Debian package as a user gets it: cpack builds it from this build folder, dpkg-deb takes it
# apart into a scratch root, and the control fields, the file list, the icons and the extracted
# program itself (its version, and the tray module it loads from beside itself) are checked.
#
# Usage: package.sh <cpack> <build folder> <version> <libdir relative to the prefix>
set -euo pipefail
cpack=$1 build=$2 version=$3 libdir=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in "$cpack" dpkg-deb dpkg-shlibdeps file readelf lintian; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh test installs it)"
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$tmp/cpack.log")"
deb=$tmp/out/vigila_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$tmp/out")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# Control fields: the version, and the libraries dpkg-shlibdeps found plus what runs beside them.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vigila ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), project version $version"
depends=$(field Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6svg6 libudev1 libpulse0 qt6-wayland; do
  grep -qxF "$dependency" <<<"$names" || fail "Depends lacks $dependency: $depends"
done

# Exactly these files, owned by root; only the program executable (Debian ships shared objects 644).
app=com.quillmere.vigila
expected=(
  ./usr/bin/vigila
  "./usr/$libdir/vigila/vigila-tray.so"
  "./usr/$libdir/vigila/libvigila-private.so"
  ./usr/share/applications/$app.desktop
  ./usr/share/dbus-1/interfaces/com.quillmere.Vigila1.xml
  ./usr/share/doc/vigila/changelog.gz
  ./usr/share/doc/vigila/copyright
  ./usr/share/icons/hicolor/scalable/apps/$app.svg
  ./usr/share/man/man1/vigila.1.gz
  ./usr/share/metainfo/$app.metainfo.xml
)
for language in de en es fr; do expected+=("./usr/share/vigila/translations/vigila_$language.qm"); done
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app.png"); done
dpkg-deb -c "$deb" >"$tmp/contents"
files=$(awk '$1 !~ /^d/ {print $6}' "$tmp/contents" | sort)
echo "files:"; sed 's/^/  /' <<<"$files"
difference=$(diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files")) ||
  fail "file list differs (< expected, > packaged):"$'\n'"$difference"
awk '$2 != "root/root" {exit 1}' "$tmp/contents" || fail "files not owned by root: $(cat "$tmp/contents")"
awk '$1 !~ /^d/ && ($6 ~ /^\.\/usr\/bin\//) != ($1 == "-rwxr-xr-x") {print; bad = 1} END {exit bad}' \
  "$tmp/contents" >"$tmp/modes" || fail "wrong modes: $(cat "$tmp/modes")"

# Debian's own checker finds no error; its warnings are shown for the record.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 ||
  fail "lintian found errors:"$'\n'"$(cat "$tmp/lintian.log")"
echo "lintian:"; grep -v '^running with root privileges' "$tmp/lintian.log" | sed 's/^/  /'

# Unpacked as dpkg would, without installing anything.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
vigila=$root/usr/bin/vigila
module=$root/usr/$libdir/vigila/vigila-tray.so

# Nothing points back into the build: a run path only to the private library beside the module,
# relative to the binary itself; no debug information left in.
for binary in "$vigila" "$module" "$root/usr/$libdir/vigila/libvigila-private.so"; do
  ! readelf -d "$binary" | grep -E 'R(UN)?PATH' | grep -vqE '\[\$ORIGIN(/\.\./'"$libdir"'/vigila)?\]$' ||
    fail "$binary keeps a run path into the build: $(readelf -d "$binary" | grep PATH)"
  ! file "$binary" | grep -q 'not stripped' || fail "$binary is not stripped"
done

# The icons: each PNG has the size its folder names, and the desktop entry names them.
for size in "${sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png
  file "$png" | grep -q "PNG image data, $size x $size," || fail "$(file "$png")"
done
[ "$(sed -n 's/^Icon=//p' "$root/usr/share/applications/$app.desktop")" = "$app" ] || fail "the desktop entry names another icon"

# The extracted program starts, and says the version the package and the metainfo carry.
said=$("$vigila" --version) || fail "vigila --version failed"
[ "$said" = "vigila $version" ] || fail "vigila --version says '$said', the package $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app.metainfo.xml" ||
  fail "the metainfo's release is not $version"
# It finds its translations where the package puts them.
english=$(LANGUAGE= LC_ALL=C.UTF-8 "$vigila" --help) german=$(LANGUAGE=de LC_ALL=C.UTF-8 "$vigila" --help)
[ -n "$german" ] && [ "$german" != "$english" ] || fail "the unpacked vigila does not speak German: $german"

# Started without a command it loads the tray module from the unpacked tree, whose first act is
# to turn away a start without a graphical session (exit 2). A module not found would be exit 1.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$vigila" >"$tmp/tray.log" 2>&1 || status=$?
[ "$status" -eq 2 ] && grep -q 'no graphical session' "$tmp/tray.log" ||
  fail "the unpacked vigila did not load its tray module (exit $status): $(cat "$tmp/tray.log")"
echo "package: all checks passed"

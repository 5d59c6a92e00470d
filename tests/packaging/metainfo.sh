#!/usr/bin/env bash
# The AppStream metadata as software centres read it: appstreamcli finds nothing to say about it,
# even pedantically, and every screenshot it names is a file in the repository.
#
# Usage: metainfo.sh <metainfo.xml> <screenshots folder> <address the folder is published at>
set -euo pipefail
metainfo=$1 screenshots=$2 published=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v appstreamcli >/dev/null || fail "appstreamcli is missing (scripts/install-deps.sh test installs it)"

report=$(appstreamcli validate --no-net --pedantic --strict "$metainfo" 2>&1) || fail "appstreamcli: $report"
echo "$report"
grep -q 'Validation was successful' <<<"$report" || fail "appstreamcli did not pass it: $report"
grep -qE '^[EWIP]: ' <<<"$report" && fail "appstreamcli has remarks: $report"

images=$(sed -n 's:.*<image[^>]*>\(.*\)</image>.*:\1:p' "$metainfo")
[ -n "$images" ] || fail "no screenshot in $metainfo"
for image in $images; do
  case "$image" in
    "$published"/*) [ -f "$screenshots/${image#"$published"/}" ] || fail "$image is not in $screenshots" ;;
    *) fail "$image is not under $published" ;;
  esac
done
echo "metainfo: valid; screenshots: $images"

#!/bin/sh
# Stands in for ps in tests: prints the fixture file beside it that matches the requested columns
# (task.txt for comm=, command.txt for command=) and logs its locale and arguments to calls.txt.
# Without the fixture it fails with no output; with a file named "hang" beside it, it hangs.
dir=$(dirname "$0")
printf '%s|%s\n' "$LC_ALL" "$*" >> "$dir/calls.txt"
[ -e "$dir/hang" ] && exec sleep 60
case "$*" in
  *comm=*) fixture="$dir/task.txt" ;;
  *command=*) fixture="$dir/command.txt" ;;
  *) exit 2 ;;
esac
[ -f "$fixture" ] || exit 1
exec cat "$fixture"

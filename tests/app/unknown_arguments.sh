#!/usr/bin/env bash
# --help and --version answer on standard output with status 0, with no display to open; any
# other argument but --self-check (and Qt's own) is refused in one line naming it, status 2.
set -u
program=$1
failed=0
holds() {  # holds FILE PATTERN: a line of FILE matches; an empty PATTERN: FILE is empty
  if [ -z "$2" ]; then [ ! -s "$1" ]; else grep -qE -- "$2" "$1"; fi
}
expect() {  # expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGUMENT...
  local status=$1 out=$2 err=$3
  shift 3
  # Answers need no display at all; refusals come once Qt has taken its own arguments.
  local platform=(-u QT_QPA_PLATFORM)
  [ "$status" -eq 0 ] || platform=(QT_QPA_PLATFORM=offscreen)
  env -u DISPLAY -u WAYLAND_DISPLAY "${platform[@]}" timeout 60 "$program" "$@" \
    >"$work/out" 2>"$work/err"
  local got=$?
  grep -v '^QStandardPaths:' "$work/err" >"$work/said"
  if [ "$got" -ne "$status" ] || ! holds "$work/out" "$out" || ! holds "$work/said" "$err" ||
    [ "$(wc -l <"$work/said")" -gt 1 ]; then
    echo "tarvinel $*: status $got, out: $(cat "$work/out"), err: $(cat "$work/said")"
    failed=1
  fi
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
expect 0 '^Usage: tarvinel \[--self-check\]$' '' --help
expect 0 '^tarvinel 1\.00$' '' --version
expect 0 '^Usage:' '' -x --self-check --help
expect 2 '' '^tarvinel: unknown argument -x \(see tarvinel --help\)$' --self-check -x файл.txt
expect 2 '' '^tarvinel: unknown argument файл\.txt ' -style fusion файл.txt
[ "$failed" -eq 0 ] && echo "arguments: --help and --version answered, others refused, status 2"
exit "$failed"

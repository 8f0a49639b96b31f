#!/usr/bin/env bash
# Started where no display can be opened, the program says so in one line and exits with 1.
set -u
program=$1
for display in "" ":97"; do
  output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1)
  status=$?
  lines=$(printf '%s\n' "$output" | grep -vc '^QStandardPaths:')
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [[ "$output" != *"no usable display"* ]]; then
    printf 'DISPLAY=%q: status %s, output:\n%s\n' "$display" "$status" "$output"
    exit 1
  fi
done
echo "no display: one line, status 1"

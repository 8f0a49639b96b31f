#!/usr/bin/env bash
# The program takes no options of its own: unknown arguments change nothing and do not stop it.
# It is still running when the timeout ends it (status 124).
set -u
program=$1
QT_QPA_PLATFORM=offscreen timeout 3 "$program" --help --version -x --no-such-option файл.txt
status=$?
if [ "$status" -ne 124 ]; then
  echo "the program ended by itself with status $status"
  exit 1
fi
echo "unknown arguments: still running after 3 s"

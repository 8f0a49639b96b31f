#!/usr/bin/env bash
# The program on Wayland, under Weston's headless backend, as its protocol log (WAYLAND_DEBUG=1)
# shows it: one toplevel with the designed title and the app id, of fixed size 461 x 345 (its
# minimum and maximum size), a drawn buffer attached and committed (with Qt's own decorations,
# since the headless shell offers none), and, asked to close (SIGTERM, as a session ending does),
# the toplevel destroyed and exit status 0.
set -u
program=$1
command -v weston >/dev/null || { echo "weston is not installed"; exit 1; }
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
log=$XDG_RUNTIME_DIR/protocol.log
# await WHAT COMMAND...: waits up to 30 s for COMMAND to succeed, else fails saying WHAT.
await() {
  local what=$1
  shift
  for _ in $(seq 300); do
    "$@" && return 0
    sleep 0.1
  done
  echo "waited 30 s for $what; the last lines of the logs:"
  tail -20 "$XDG_RUNTIME_DIR/weston.log" "$log" 2>/dev/null
  exit 1
}
weston --backend=headless-backend.so --socket=tarvinel-test --idle-time=0 \
  >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
await "Weston's socket" test -S "$XDG_RUNTIME_DIR/tarvinel-test"

env -u DISPLAY WAYLAND_DISPLAY=tarvinel-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  "$program" 2>"$log" &
pid=$!
# Drawn: a buffer attached, and the surface committed after it.
await "a buffer attached and committed" awk '/wl_surface@[0-9]+\.attach\(wl_buffer@/ { attached = 1 }
  attached && /wl_surface@[0-9]+\.commit\(\)/ { committed = 1 } END { exit !committed }' "$log"
kill -TERM "$pid"
wait "$pid"
status=$?

failed=0
expect() {
  if ! grep -qE -- "$1" "$log"; then
    echo "not in the protocol log: $2"
    failed=1
  fi
}
expect '-> xdg_toplevel@[0-9]+\.set_title\("https://tarvinel\.example\.org Биология - еон, ера, период"\)' "the title"
expect '-> xdg_toplevel@[0-9]+\.set_app_id\("org\.example\.tarvinel"\)' "the app id"
expect '-> xdg_toplevel@[0-9]+\.set_min_size\(461, 345\)' "the minimum size"
expect '-> xdg_toplevel@[0-9]+\.set_max_size\(461, 345\)' "the maximum size"
expect '-> wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@[0-9]+' "a buffer drawn"
expect '-> wl_surface@[0-9]+\.attach\(wl_buffer@[0-9]+, 0, 0\)' "a buffer attached"
expect '-> wl_surface@[0-9]+\.commit\(\)' "a commit"
expect '-> xdg_toplevel@[0-9]+\.destroy\(\)' "the toplevel destroyed on closing"
if [ "$status" -ne 0 ]; then
  echo "exit status $status after SIGTERM"
  failed=1
fi
[ "$failed" -eq 0 ] || { tail -20 "$log"; exit 1; }
echo "Wayland: toplevel titled, app id set, 461 x 345 fixed, buffer committed, closed with status 0"

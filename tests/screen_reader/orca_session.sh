#!/usr/bin/env bash
# A blind student's keyboard session, heard through Orca: the program runs under Xvfb with the
# accessibility bus, Orca logs every utterance with speech and braille switched off, and the log,
# read once Orca has ended, must hold each report spoken after the key that wrote it:
#   Tab to the first era, Space: the era's report, after "selected";
#   Tab to the period list, Down: "Девон" and its report; Down again: "Едиакарий" and its report.
#   tests/screen_reader/orca_session.sh PROGRAM
#   tests/screen_reader/orca_session.sh --web FOLDER   (the web edition, served from FOLDER, in
#                                                     Chromium)
# Run it inside `xvfb-run -a dbus-run-session --`, or let it start them itself.
set -u
if [ "$1" = --web ]; then
  edition=web
  program=$(realpath "$2")
else
  edition=qt
  program=$(realpath "$1")
fi
if [ -z "${TARVINEL_ORCA_INSIDE:-}" ]; then
  exec env TARVINEL_ORCA_INSIDE=1 xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- bash "$0" "$@"
fi
for tool in orca xdotool /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
log=$work/orca.log
marks=$work/marks

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
if [ "$edition" = web ]; then
  # Orca presents a page's live regions as messages, which it logs only with speech on; the
  # speech server's address leads nowhere, so nothing is heard and nothing waits for it.
  SPEECHD_ADDRESS=unix_socket:$work/no-speech.sock \
    orca --replace --enable speech --disable braille --debug-file "$log" >/dev/null 2>&1 &
else
  orca --replace --disable speech --disable braille --debug-file "$log" >/dev/null 2>&1 &
fi
orca=$!
disown "$orca"
sleep 6
if [ "$edition" = web ]; then
  python3 -u -m http.server --bind 127.0.0.1 --directory "$program" 0 >"$work/server" 2>/dev/null &
  server=$!
  trap 'kill "$server"; rm -rf "$work"' EXIT
  for _ in $(seq 50); do grep -q ' port ' "$work/server" && break; sleep 0.1; done
  port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server")
  chromium --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --accept-lang=bg --disable-features=Translate \
    --force-renderer-accessibility --user-data-dir="$work/profile" \
    --app="http://127.0.0.1:$port/" >/dev/null 2>&1 &
else
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$program" >/dev/null 2>&1 &
fi
app=$!
# Without a window manager the window must be given the input focus, or Orca may stall. On a
# busy machine the first window found can be gone by then (Chromium replaces its first one): the
# focus is asked for again until the window that holds it is one of the program's.
for _ in $(seq 20); do
  window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Биология' | tail -n 1)
  timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null &&
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && break
  sleep 0.5
done
sleep 3

press() {  # press NAME KEY...: note the time as NAME, press the keys, let Orca speak
  echo "$1 $(date +%H:%M:%S.%N)" >>"$marks"
  shift
  for key in "$@"; do
    xdotool key "$key"
    sleep 1
  done
  sleep 2
}
press tab Tab
press space space
press to-list Tab Tab Tab
press down1 Down
press down2 Down
echo "end $(date +%H:%M:%S.%N)" >>"$marks"
if [ "$edition" = web ]; then
  # With speech on, Orca does not end by itself in time and would lose its last block of log:
  # a few more keys, after the session, carry the session's lines out of its buffer.
  for _ in $(seq 20); do xdotool key shift; sleep 0.1; done
  sleep 1
fi

kill -TERM "$app"
wait "$app"
# Orca writes its log in blocks: let it end by itself, so that it writes the last one.
orca --quit >/dev/null 2>&1 || kill -TERM "$orca"
for _ in $(seq 100); do kill -0 "$orca" 2>/dev/null || break; sleep 0.1; done
kill -KILL "$orca" 2>/dev/null
# TARVINEL_ORCA_LOG=FILE keeps Orca's whole log.
[ -z "${TARVINEL_ORCA_LOG:-}" ] || cp "$log" "$TARVINEL_ORCA_LOG"

python3 - "$log" "$marks" "$edition" <<'PYTHON'
import re
import sys

log, marks = open(sys.argv[1], encoding="utf-8").read(), open(sys.argv[2]).read().split("\n")
web = sys.argv[3] == "web"
# Every utterance with its time, its lines joined by newlines.
said = [(m.group(1), re.sub(r"\n\s+", "\n", m.group(2)))
        for m in re.finditer(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)' ?\{'established'",
                            log, re.S | re.M)]
times = dict(line.split() for line in marks if line)
names = [line.split()[0] for line in marks if line]

def between(start, end):
    return [text for when, text in said if times[start] <= when < times[end]]

failed = False
def expect(step, *wanted):
    global failed
    heard = between(step, names[names.index(step) + 1])
    at = 0
    for text in wanted:
        while at < len(heard) and heard[at] != text:
            at += 1
        if at == len(heard):
            print(f"after {step}: not heard, in this order: {wanted!r}\nheard: {heard!r}")
            failed = True
            return
        at += 1
    print(f"after {step}: " + " | ".join(t.replace("\n", " / ") for t in wanted))

# Qt's reports come as notifications, the page's from its live regions.
report = (lambda text: text) if web else (lambda text: "notification " + text + ".")
expect("space", "selected",
       report("Посочена ера: Мезозой\nОт тази ера са и периодите: \nКреда\nТриас\nЮра"))
expect("down1", "Девон.", report("Посочен период: Девон\nТози период е от ера: Палеозой"))
expect("down2", "Едиакарий.",
       report("Посочен период: Едиакарий\nТози период е от ера: Неопротерозой"))
sys.exit(1 if failed else 0)
PYTHON

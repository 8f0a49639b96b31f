#!/usr/bin/env bash
# A blind student's keyboard session, heard through Orca: the program runs under Xvfb with the
# accessibility bus, Orca logs every utterance with speech and braille switched off, and after
# each key the session waits until Orca has said what that key must make it say, in order:
#   Tab to the first era, Space: the era's report, after "selected";
#   Tab to the period list, Down: "Девон" and its report; Down again: "Едиакарий" and its report;
#   then in the self-check, Tab to the first era, Space: a verdict and the question after it.
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
for tool in orca xdotool script dbus-send /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done

work=$(mktemp -d)
children=()
finish() {
  kill -TERM "${children[@]}" 2>/dev/null
  local child
  for child in "${children[@]}"; do
    for _ in $(seq 100); do
      kill -0 "$child" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$child" 2>/dev/null
  done
  # TARVINEL_ORCA_LOG=FILE keeps Orca's whole log.
  [ -z "${TARVINEL_ORCA_LOG:-}" ] || cp "$log" "$TARVINEL_ORCA_LOG"
  rm -rf "$work"
}
trap finish EXIT
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
log=$work/orca.log

# await SECONDS WHAT COMMAND...: polls COMMAND until it succeeds; past SECONDS, fails saying WHAT
# it waited for and the last things Orca said.
await() {
  local limit=$1 what=$2
  shift 2
  local until=$((SECONDS + limit))
  until "$@"; do
    if [ "$SECONDS" -ge "$until" ]; then
      echo "waited $limit s for $what; the last things Orca said:"
      tr -d '\r' <"$log" 2>/dev/null | grep -A2 'SPEECH OUTPUT' | tail -n 20
      exit 1
    fi
    sleep 0.1
  done
}

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
children+=($!)
await 30 "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus \
  /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
# Orca writes its log through a buffer that fills in blocks, unless the log is a terminal: it is
# given one, so that each line can be read as soon as Orca has written it.
if [ "$edition" = web ]; then
  # Orca presents a page's live regions as messages, which it logs only with speech on; the
  # speech server's address leads nowhere, so nothing is heard and nothing waits for it.
  speech=(--enable speech)
  export SPEECHD_ADDRESS=unix_socket:$work/no-speech.sock
else
  speech=(--disable speech)
fi
script -qfec "orca --replace ${speech[*]} --disable braille --debug-file /dev/tty" "$log" \
  </dev/null >/dev/null 2>&1 &
children+=($!)
await 60 "Orca to be ready" grep -qs 'ORCA: Starting ATSPI registry' "$log"

if [ "$edition" = web ]; then
  python3 -u -m http.server --bind 127.0.0.1 --directory "$program" 0 >"$work/server" 2>/dev/null &
  children+=($!)
  await 10 "the web server" grep -q ' port ' "$work/server"
  port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server")
  chromium --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --accept-lang=bg --disable-features=Translate \
    --force-renderer-accessibility --user-data-dir="$work/profile" \
    --app="http://127.0.0.1:$port/" >/dev/null 2>&1 &
else
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$program" >/dev/null 2>&1 &
fi
children+=($!)

# heard AFTER TEXT...: Orca's log, from line AFTER on, holds these utterances in this order; a
# TEXT that starts with ~ is a pattern that the whole utterance matches.
heard() {
  tr -d '\r' <"$log" | python3 -c '
import re, sys
after, wanted = int(sys.argv[1]), sys.argv[2:]
log = "\n".join(sys.stdin.read().split("\n")[after:])
said = [re.sub(r"\n\s+", "\n", m.group(1)) for m in
        re.finditer(r"SPEECH OUTPUT: \x27(.*?)\x27 ?\{\x27established\x27", log, re.S)]
at = 0
for text in wanted:
    while at < len(said) and not (said[at] == text or
                                  text.startswith("~") and re.fullmatch(text[1:], said[at], re.S)):
        at += 1
    if at == len(said):
        sys.exit(1)
    at += 1
' "$@"
}

# Without a window manager the window must be given the input focus, or Orca may stall. Chromium
# replaces the first window it shows: the focus is asked for again until the program's visible
# window holds it, before the session and before each key.
window_focused() {
  local window
  window=$(xdotool search --onlyvisible --name 'tarvinel\.example\.org' 2>/dev/null | tail -n 1)
  [ -n "$window" ] || return 1
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] ||
    xdotool windowfocus --sync "$window" 2>/dev/null
}
presented() {  # presented FROM: the window focused, and Orca on its box since line FROM of its log
  window_focused && tr -d '\r' <"$log" | tail -n "+$1" |
    grep -qs 'Changing locusOfFocus from .* to \[[a-z ]* | Резултат\]'
}
await 90 "the program's window focused and its box presented by Orca" presented 1

# press WHAT KEY... -- TEXT...: presses the keys, then waits until Orca has said the texts, in
# order, after the first key.
press() {
  local what=$1 from
  shift
  from=$(tr -d '\r' <"$log" | wc -l)
  while [ "$1" != -- ]; do
    await 30 "the program's window focused" window_focused
    xdotool key "$1"
    shift
  done
  shift
  local said
  said=$(printf ' | %s' "$@" | tr '\n' '/')
  await 30 "Orca to say, after $what:$said" heard "$from" "$@"
  echo "after $what:$said"
}

# Qt's reports come as notifications, the page's from its live regions.
report() {
  if [ "$edition" = web ]; then printf '%s' "$1"; else printf 'notification %s.' "$1"; fi
}
press "Tab" Tab -- "Мезозой."
press "Space" space -- "selected" \
  "$(report $'Посочена ера: Мезозой\nОт тази ера са и периодите: \nКреда\nТриас\nЮра')"
press "Tab to the list" Tab Tab Tab -- "Име на период."
press "Down" Down -- "Девон." "$(report $'Посочен период: Девон\nТози период е от ера: Палеозой')"
press "Down again" Down -- "Едиакарий." \
  "$(report $'Посочен период: Едиакарий\nТози период е от ера: Неопротерозой')"
# The self-check, in the same session: a verdict, then the question it leads to, after what the
# era's button says (picked, it is cleared again at once: "not selected"). The page opens it from
# its link, the last stop of Tab; the program as a second window.
verdict="(Вярно: |Не е вярно|Отговорете със списъка).*"$'\n'"Въпрос [12] от 10: .*[.?]"
if [ "$edition" = web ]; then
  press "Tab to the link" Tab Tab Tab Tab -- "~.*Самопроверка.*"
  from=$(tr -d '\r' <"$log" | wc -l)
  xdotool key Return
  await 90 "the self-check's page focused and its box presented by Orca" presented "$from"
  press "Tab in the self-check" Tab -- "Мезозой."
  press "Space in the self-check" space -- "~$verdict"
else
  kill -TERM "${children[-1]}"
  wait "${children[-1]}"
  from=$(tr -d '\r' <"$log" | wc -l)
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$program" --self-check >/dev/null 2>&1 &
  children+=($!)
  await 90 "the self-check's window focused and its box presented by Orca" presented "$from"
  press "Tab in the self-check" Tab -- "Мезозой."
  press "Space in the self-check" space -- "not selected" "~notification $verdict"
fi

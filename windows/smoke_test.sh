#!/usr/bin/env bash
# The real Regalo_Vespera.exe under Wine, driven with X key and mouse events
# as a user would: a status line and an error code typed, their decoded texts
# read back through the clipboard, a screenshot, then the close box; then a
# shift's log opened from the command line, its window shown in each language.
#   windows/smoke_test.sh <Regalo_Vespera.exe> <folder for the screenshots>
# Runs on the X display in DISPLAY, in the Wine prefix in WINEPREFIX.
set -euo pipefail
exe=$1
out=$2
mkdir -p "$out"
title='^Regalo_Vespera ver\. 1\.0\.2 30\.11\.2017$'

fail() {
  echo "smoke test: $*" >&2
  exit 1
}

# Wine draws the window's frame itself (set by test_under_wine.sh).
wine "$exe" --lang ru 2>"$out/stderr.txt" &
program=$!
# Wine names its window before it maps it, and X refuses the focus to a
# window that is not yet viewable (BadMatch): wait until it is shown.
window=$(timeout 60 xdotool search --sync --onlyvisible --name "$title" | head -n 1) ||
  fail "no window titled \"${title//\\/}\" shown within 60 s"
for try in 1 2 3 4 5; do
  timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null && break
  [ "$try" -lt 5 ] || fail "the window never took the focus"
  sleep 1
done
eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area inside Wine's frame (4 px) and caption (19 px); control
# positions below are the window's designed ones.
left=$((X + 4))
top=$((Y + 23))
click() {
  xdotool mousemove $((left + $1)) $((top + $2)) click 1
  sleep 0.5
}
# Selects all of the focused text, copies it and compares the clipboard;
# tried again with longer waits on a busy machine.
expect_copied() {
  local what=$1 expected=$2 text='' wait
  for wait in 1 2 3; do
    xdotool key ctrl+a
    sleep 0.2
    xdotool key ctrl+c
    sleep "$wait"
    text=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$text" != "$expected" ] || break
  done
  [ "$text" = "$expected" ] || fail "$what reads \"$text\", expected \"$expected\""
  echo "   $what: ${text//$'\n'/\\n}"
}

# The status field has the focus when the window opens.
xdotool type --delay 50 '808085808080'
click 219 420 # the receipt state list
expect_copied 'receipt state of 80 80 85 80 80 80' '5. Произвольный текстовый документ открыт'

click 106 620 # the error code field
xdotool type --delay 50 '0501'
xdotool key Return
sleep 0.5
click 40 572 # the description, selectable
expect_copied 'description of 0501' $'Ошибка оборудования!\n Ошибка дисплея!'

xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/main-window-windows.png"

xdotool mousemove $((X + WIDTH - 12)) $((Y + 12)) click 1 # the close box
code=0
timeout 30 tail --pid="$program" -f /dev/null || fail "the window did not close"
wait "$program" || code=$?
[ "$code" -eq 0 ] || fail "exit code $code"
echo "   closed by its close box, exit code 0; screenshot: $out/main-window-windows.png"

# The log window, as "Open with" opens it: its title names the log and the
# build; it reads the log, a screenshot in each language, then the main
# window's close box ends the program.
log=$(cd "$(dirname "${BASH_SOURCE[0]}")/../tests/logs" && pwd)/shift.log
for lang in ru en; do
  wine "$exe" --lang "$lang" "$log" 2>"$out/stderr-log-$lang.txt" &
  program=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^shift\.log — ' | head -n 1) ||
    fail "no log window shown within 60 s ($lang)"
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/log-window-windows-$lang.png"
  main=$(xdotool search --onlyvisible --name "$title" | head -n 1) || fail "the main window is gone ($lang)"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool windowraise "$main"; sleep 0.5
  xdotool mousemove $((X + WIDTH - 12)) $((Y + 12)) click 1
  code=0
  timeout 30 tail --pid="$program" -f /dev/null || fail "the program did not end with its main window ($lang)"
  wait "$program" || code=$?
  [ "$code" -eq 0 ] || fail "exit code $code after the log window ($lang)"
  echo "   the log window ($lang): shift.log read; screenshot: $out/log-window-windows-$lang.png"
done

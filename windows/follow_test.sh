#!/usr/bin/env bash
# regalo-decode.exe scan --follow under Wine: a reading appended to the log
# comes out within a second, across a rotation; Ctrl-C (Wine turns a SIGINT
# into it) ends it with exit code 0 and, with --summary, the summary.
#   windows/follow_test.sh <regalo-decode.exe> <work folder>
set -euo pipefail
exe=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
log=$work/driver.log
printf '2026-12-09 10:00:00 ST: 80 84 89 80 83 91\r\n' >"$log"
wine "$exe" scan --follow "$(winepath -w "$log")" >"$work/out" 2>"$work/err" &
wine_pid=$!
waits_for() { # text: the output holds it within a second of the line
  for _ in $(seq 10); do grep -qF "$1" "$work/out" && return 0; sleep 0.1; done
  echo "--follow: '$1' not read within a second; wrote:" >&2
  cat "$work/out" "$work/err" >&2
  exit 1
}
# The first reading: the program has started (Wine's own start may take longer).
for _ in $(seq 150); do [ -s "$work/out" ] && break; sleep 0.2; done
waits_for $'1\t2026-12-09 10:00:00\t80 84 89 80 83 91'
printf '10:00:01 ERR 0x0501\r\n' >>"$log"
waits_for $'2\t10:00:01\t0501'
mv "$log" "$log.1"
printf '10:00:02 <- 80 80 89 80 83 91\r\n' >"$log"
waits_for $'1\t10:00:02\t80 80 89 80 83 91'
program=$(pgrep -n -f 'regalo-decode\.exe scan --follow')
kill -INT "$program"
code=0
wait "$wine_pid" || code=$?
[ "$code" = 0 ] || { echo "--follow: Ctrl-C ended it with $code, not 0" >&2; cat "$work/err" >&2; exit 1; }

printf '2026-12-09 10:00:00 ST: 80 84 89 80 83 91\r\n10:30:00 ST: 80 80 89 80 83 91\r\n' >"$log"
wine "$exe" scan --follow --summary --lang en "$(winepath -w "$log")" >"$work/summary" 2>"$work/err" &
wine_pid=$!
for _ in $(seq 150); do pgrep -f 'regalo-decode\.exe scan --follow --summary' >/dev/null && break; sleep 0.2; done
sleep 1
kill -INT "$(pgrep -n -f 'regalo-decode\.exe scan --follow --summary')"
code=0
wait "$wine_pid" || code=$?
grep -q 'set for 0:30:00 in all' "$work/summary" && [ "$code" = 0 ] ||
  { echo "--follow --summary: exit code $code, wrote:" >&2; cat "$work/summary" "$work/err" >&2; exit 1; }
echo "   scan --follow: each reading within a second, across a rotation; Ctrl-C ends it with 0 (and the summary)"

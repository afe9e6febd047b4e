#!/usr/bin/env bash
# Ctrl-C stops regalo-decode.exe's stream while it waits for its next line:
# the answers before it are out, and the program ends at once as a console
# program stopped by Ctrl-C does (0xC000013A; Wine passes on its low byte,
# 58). Wine turns a SIGINT into Ctrl-C, as a terminal's Ctrl-C does; it
# sends no Ctrl-Break to another process, so that one is not tried here.
#   windows/ctrl_c_test.sh <regalo-decode.exe> <work folder>
set -euo pipefail
exe=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
mkfifo "$work/in"
wine "$exe" error - <"$work/in" >"$work/out" 2>"$work/err" &
wine_pid=$!
exec 3>"$work/in"
echo 0000 >&3
for _ in $(seq 150); do [ -s "$work/out" ] && break; sleep 0.2; done
program=$(pgrep -n -f 'regalo-decode\.exe error -')
kill -INT "$program"
# Input stays open: the program must not wait for it.
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
still_running=no
kill -0 "$program" 2>/dev/null && still_running=yes
exec 3>&-
code=0
wait "$wine_pid" || code=$?
if [ "$still_running" = yes ] || [ "$code" != 58 ] || [ "$(cat "$work/out")" != $'0000\tБез ошибок!' ]; then
  echo "Ctrl-C: still waiting after 10 s: $still_running, exit code $code, wrote:" >&2
  cat "$work/out" "$work/err" >&2
  exit 1
fi
echo "   Ctrl-C while waiting for a line: stopped at once, the answer before it written, exit code 0xC000013A"

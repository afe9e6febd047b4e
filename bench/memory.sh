#!/usr/bin/env bash
# regalo-decode's peak memory on hostile streams: one line of 1 GiB, ten
# million short lines, 10 MB of random bytes; text and JSON, both commands;
# and scan on a log of 1 GiB and on a line of 4 MiB that is nothing but readings (160,000 of them).
# Usage: bench/memory.sh BUILD_DIR
set -eu
decode="$1/cli/regalo-decode"

peak() { # peak RSS in KiB of regalo-decode reading standard input (refusals end it with 1)
  { /usr/bin/time -f %M "$decode" "$@" 2>&1 >/dev/null || true; } | tail -n 1
}

random_bytes=$(mktemp)
trap 'rm -f "$random_bytes"' EXIT
head -c 10000000 /dev/urandom >"$random_bytes"

printf '%-22s %-7s %-6s %s\n' input command form "peak RSS"
for command in status error; do
  for form in text json; do
    json=()
    [ "$form" = json ] && json=(--json)
    kib=$(head -c 1073741824 /dev/zero | tr '\0' '8' | peak "$command" - "${json[@]}")
    printf '%-22s %-7s %-6s %d KiB\n' "1 GiB, one line" "$command" "$form" "$kib"
    kib=$(yes 0501 | head -n 10000000 | peak "$command" - "${json[@]}")
    printf '%-22s %-7s %-6s %d KiB\n' "10 million short lines" "$command" "$form" "$kib"
    kib=$(peak "$command" - "${json[@]}" <"$random_bytes")
    printf '%-22s %-7s %-6s %d KiB\n' "10 MB random bytes" "$command" "$form" "$kib"
  done
done

log_lines=$'2026-12-09 10:00:01.250 [FR] <- 80 84 89 80 83 91\n2026-12-09 10:00:02.250 [FR] ERR 0x0501\n2026-12-09 10:00:03.250 [FR] -> 02 05 11 00 00 00 1E 03'
for form in text json; do
  json=()
  [ "$form" = json ] && json=(--json)
  kib=$(yes "$log_lines" | head -c 1073741824 | peak scan - "${json[@]}")
  printf '%-22s %-7s %-6s %d KiB\n' "1 GiB driver log" scan "$form" "$kib"
  kib=$(head -c 1073741824 /dev/zero | tr '\0' '8' | peak scan - "${json[@]}")
  printf '%-22s %-7s %-6s %d KiB\n' "1 GiB, one line" scan "$form" "$kib"
done

# A line that is nothing but readings: what one line holds never adds up.
for form in text json csv; do
  options=()
  [ "$form" != text ] && options=("--$form")
  kib=$(yes '=808080808080=FFFFFFFFFFFF' | tr -d '\n' | head -c 4194304 | peak scan - "${options[@]}")
  printf '%-22s %-7s %-6s %d KiB\n' "4 MiB line, readings" scan "$form" "$kib"
done

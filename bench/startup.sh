#!/usr/bin/env bash
# Start-up to the first shown window and peak memory: the program against a
# plain Qt window with as many controls, run alternately, medians compared.
# Usage: bench/startup.sh BUILD_DIR [runs, default 15]
set -euo pipefail
build_dir=$1
runs=${2:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

program_ms=() program_kib=() floor_ms=() floor_kib=()
for ((i = 0; i < runs; i++)); do
  read -r ms kib < <("$build_dir/bench/startup_probe" 2>/dev/null)
  program_ms+=("$ms") program_kib+=("$kib")
  read -r ms kib < <("$build_dir/bench/minimal_window" 2>/dev/null)
  floor_ms+=("$ms") floor_kib+=("$kib")
done

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
pm=$(median "${program_ms[@]}") pk=$(median "${program_kib[@]}")
fm=$(median "${floor_ms[@]}") fk=$(median "${floor_kib[@]}")
awk -v pm="$pm" -v fm="$fm" -v pk="$pk" -v fk="$fk" 'BEGIN {
  printf "start-up to shown window: program %.1f ms, plain window %.1f ms, ratio %.2f\n", pm, fm, pm / fm
  printf "peak memory: program %d KiB, plain window %d KiB, ratio %.2f\n", pk, fk, pk / fk
}'

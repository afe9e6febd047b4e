#!/usr/bin/env bash
# Run by scripts/windows test under xvfb-run: every test under Wine, then the
# smoke test of the real program. Wine's server stops at the end, so that no
# Wine process outlives this display.
#   windows/test_under_wine.sh <Windows build folder>
set -euo pipefail
build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
ctest --test-dir "$build" --output-on-failure --timeout 600
echo "== smoke test of Regalo_Vespera.exe"
bash "$here/smoke_test.sh" "$build/app/Regalo_Vespera.exe" "$build/smoke"

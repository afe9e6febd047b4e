#!/usr/bin/env bash
# Run by scripts/windows test under xvfb-run: every test under Wine, then the
# smoke test of the real program. Wine's server stops at the end, so that no
# Wine process outlives this display.
#   windows/test_under_wine.sh <Windows build folder>
set -euo pipefail
build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# One Wine server and its system processes for every test, started apart
# from them: started by a test, they would hold ctest's output pipe open
# after the test. One left from an earlier run would still show windows on
# its old display.
wineserver -k >/dev/null 2>&1 || true
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
# Wine draws the windows' own frames and captions, with their close boxes, as
# on Windows, instead of leaving them to an X window manager (there is none):
# the window tests see the frames Windows gives.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
echo "== what the executables carry"
for exe in "$build/app/Regalo_Vespera.exe" "$build/cli/regalo-decode.exe"; do
  # Only Windows' own DLLs: no C++ runtime, no Qt beside the program.
  foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | grep -Eiv '^(api-ms-win-.*|advapi32|authz|comdlg32|d3d9|d3d11|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32)\.dll$' || true)
  [ -z "$foreign" ] || { echo "$exe needs DLLs Windows lacks: $foreign" >&2; exit 1; }
  # Icon (14), version information (16) and manifest (24).
  for type in 14 16 24; do
    wrestool -l --type=$type "$exe" | grep -q . || { echo "$exe carries no resource of type $type" >&2; exit 1; }
  done
  # Version information in Russian and English.
  for table in 041904B0 040904B0; do
    wrestool -x --raw --type=16 "$exe" | strings -el | grep -qx "$table" ||
      { echo "$exe has no version information $table" >&2; exit 1; }
  done
  echo "   $(basename "$exe"): $(du -h "$exe" | cut -f1), only Windows' own DLLs, icon, version information (ru, en), manifest"
done
# Under Wine a new window is now and then not, or not for long, the active
# one (seen once in some 500 window tests); a test that fails gets one
# more run, a real fault fails both.
# The library: Windows' own DLLs only, and the calls the header declares, no others.
dll=$build/lib/libregalo-1.dll
foreign=$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p' | grep -Eiv '^(kernel32|msvcrt)\.dll$' || true)
[ -z "$foreign" ] || { echo "$dll needs DLLs Windows lacks: $foreign" >&2; exit 1; }
exported=$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*\[ *[0-9]*\] \([A-Za-z_][A-Za-z0-9_@]*\)$/\1/p' | sort | tr '\n' ' ')
declared=$(sed -n 's/^REGALO_API .*REGALO_CALL \(regalo_[a-z_]*\)(.*/\1/p' "$here/../lib/regalo/regalo.h" | sort | tr '\n' ' ')
[ "$exported" = "$declared" ] || { echo "$dll exports $exported where the header declares $declared" >&2; exit 1; }
echo "   libregalo-1.dll: only Windows' own DLLs; exports $declared"
ctest --test-dir "$build" --output-on-failure --timeout 600 --repeat until-pass:2
echo "== Ctrl-C in regalo-decode.exe"
bash "$here/ctrl_c_test.sh" "$build/cli/regalo-decode.exe" "$build/ctrl-c"
echo "== regalo-decode.exe scan --follow"
bash "$here/follow_test.sh" "$build/cli/regalo-decode.exe" "$build/follow"
echo "== smoke test of Regalo_Vespera.exe"
bash "$here/smoke_test.sh" "$build/app/Regalo_Vespera.exe" "$build/smoke"
echo "== the installer"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
bash "$here/msi_test.sh" "$(cd "$here/.." && pwd)/dist/Regalo_Vespera-$version-win64.msi" "$build/msi"

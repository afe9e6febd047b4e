#!/usr/bin/env bash
# The installer under Wine, as IT staff run it: a silent per-user install,
# the files and the Start-menu shortcut checked, the installed program
# started (the smoke test), a silent uninstall, and nothing left behind.
#   windows/msi_test.sh <the .msi> <folder for logs and the screenshot>
# Runs on the X display in DISPLAY, in the Wine prefix in WINEPREFIX.
set -euo pipefail
msi=$1
out=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$out"
fail() {
  echo "msi test: $1 failed; read $2" >&2
  exit 1
}
windows_path() { winepath -w "$1" 2>/dev/null; }
unix_folder() { winepath -u "$(wine cmd /c "echo $1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }

installed=$(unix_folder '%LOCALAPPDATA%')/Programs/Regalo_Vespera
menu=$(unix_folder '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs

wine msiexec /i "$(windows_path "$msi")" /qn /l*v "$(windows_path "$out/install.log")" ||
  fail "the silent install" "$out/install.log"
for file in Regalo_Vespera.exe regalo-decode.exe libregalo-1.dll Regalo.dll Regalo.xml LICENSE.txt LICENSE-MIT.txt Qt-LGPL-3.0.txt Qt-SOURCE.txt README-ru.txt README-en.txt \
  sdk/include/regalo/regalo.h sdk/include/regalo/flags.h sdk/lib/libregalo.dll.a sdk/lib/regalo.lib sdk/lib/regalo.def sdk/csharp/Regalo.cs; do
  [ -f "$installed/$file" ] || fail "installing $file" "$out/install.log"
done
[ -f "$menu/Regalo_Vespera.lnk" ] || fail "the Start-menu shortcut" "$out/install.log"
echo "   installed silently into %LOCALAPPDATA%\\Programs\\Regalo_Vespera, with its Start-menu shortcut"

bash "$here/smoke_test.sh" "$installed/Regalo_Vespera.exe" "$out" >"$out/smoke.log" 2>&1 ||
  fail "the smoke test of the installed program" "$out/smoke.log"
echo "   the installed program passed the smoke test"

wine msiexec /x "$(windows_path "$msi")" /qn /l*v "$(windows_path "$out/uninstall.log")" ||
  fail "the silent uninstall" "$out/uninstall.log"
[ ! -e "$installed" ] || fail "removing $installed" "$out/uninstall.log"
[ ! -e "$menu/Regalo_Vespera.lnk" ] || fail "removing the shortcut" "$out/uninstall.log"
! wine reg query 'HKCU\Software\Regalo_Vespera' >/dev/null 2>&1 || fail "removing the registry values" "$out/uninstall.log"
echo "   uninstalled silently: no file, shortcut or registry value left"

#!/usr/bin/env bash
# The library's ABI as released: nothing removed or changed, additions only.
# abidiff against the baseline kept in lib/abi (libabigail's exit code is 0
# only when nothing but added functions differ), and dpkg-gensymbols against
# the symbols file the Debian package carries.
#   abi.sh <libregalo.so.1>
# A new baseline, after adding a call:
#   abidw --exported-interfaces-only --no-corpus-path --drop-private-types --no-comp-dir-path \
#     --short-locs --headers-dir lib/regalo --out-file lib/abi/libregalo.so.1.abi build/lib/libregalo.so.1
set -euo pipefail
library=$1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
abidiff --no-added-syms --headers-dir2 "$root/lib/regalo" "$root/lib/abi/libregalo.so.1.abi" "$library" ||
  { echo "abidiff: the ABI changed (exit $?) against lib/abi/libregalo.so.1.abi"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/usr/lib" "$work/DEBIAN"
cp "$library" "$work/usr/lib/libregalo.so.1"
printf 'Source: regalo-vespera\nPackage: libregalo1\n' >"$work/control"
# Against the next version, so that a missing symbol is never excused.
dpkg-gensymbols -c4 -q -plibregalo1 -v9.9.9 -P"$work" -e"$work/usr/lib/libregalo.so.1" -I"$root/lib/debian/libregalo1.symbols" \
  -O"$work/symbols" >/dev/null

# A program built against 1.0 (linked to a library of the five 1.0 calls in
# the version REGALO_1, as 1.0 was) runs on this one unchanged.
cat >"$work/one.c" <<'C'
#include <stddef.h>
const char *regalo_version(void) { return "1.0"; }
const char *regalo_strerror(int result, int lang) { (void)result; (void)lang; return ""; }
int regalo_explain_status(const char *l, size_t n, int lang, int f, char *b, size_t c, size_t *m) { (void)l; (void)n; (void)lang; (void)f; (void)b; (void)c; (void)m; return 3; }
int regalo_explain_error(const char *l, size_t n, int lang, int f, char *b, size_t c, size_t *m) { (void)l; (void)n; (void)lang; (void)f; (void)b; (void)c; (void)m; return 3; }
int regalo_diff(const char *a, size_t an, const char *l, size_t n, int lang, int f, char *b, size_t c, size_t *m) { (void)a; (void)an; (void)l; (void)n; (void)lang; (void)f; (void)b; (void)c; (void)m; return 3; }
C
printf 'REGALO_1 { global: regalo_*; local: *; };\n' >"$work/one.map"
mkdir -p "$work/one"
cc -shared -fPIC -Wl,-soname,libregalo.so.1 -Wl,--version-script="$work/one.map" "$work/one.c" -o "$work/one/libregalo.so.1"
ln -s libregalo.so.1 "$work/one/libregalo.so"
cat >"$work/program.c" <<'C'
#include <regalo/regalo.h>
#include <stdio.h>
int main(void)
{
    char text[256];
    size_t needed = 0;
    return regalo_explain_error("0501", 4, REGALO_EN, REGALO_BRIEF, text, sizeof text, &needed) == REGALO_OK && puts(text) >= 0 ? 0 : 1;
}
C
cc -std=c99 -I"$root/lib" "$work/program.c" -L"$work/one" -lregalo -o "$work/program"
objdump -T "$work/program" | grep -q ' (REGALO_1) *regalo_explain_error$' || { echo "the 1.0 program does not ask for REGALO_1"; exit 1; }
[ "$(LD_LIBRARY_PATH=$(dirname "$library") "$work/program")" = "0501: Hardware error! Display error!" ] ||
  { echo "a program built against 1.0 does not run on this library"; exit 1; }
echo "ABI: as released, additions only; a program built against 1.0 runs on it"

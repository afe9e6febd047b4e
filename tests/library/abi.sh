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
echo "ABI: as released"

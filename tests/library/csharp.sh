#!/usr/bin/env bash
# The C# declarations (lib/csharp) built with Debian's mono and run against
# regalo-decode's answers.  csharp.sh <folder of libregalo.so.1> <expectations>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/lib/csharp/Regalo.cs" "$root/lib/csharp/Regalo.dll.config" "$work/"
cd "$work"
mcs -target:library -out:Regalo.dll Regalo.cs >/dev/null
mcs -r:Regalo.dll -out:SameAsDecode.exe "$root/tests/library/SameAsDecode.cs" >/dev/null
LD_LIBRARY_PATH=$1 mono SameAsDecode.exe "$2"

#!/usr/bin/env bash
# The C# assembly (lib/csharp, built with Debian's mono) run against
# regalo-decode's answers.
#   csharp.sh <folder of libregalo.so.1> <folder of Regalo.dll> <expectations>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$2/Regalo.dll" "$2/Regalo.dll.config" "$work/"
cd "$work"
mcs -nologo -r:Regalo.dll -out:SameAsDecode.exe "$root/tests/library/SameAsDecode.cs" >/dev/null
LD_LIBRARY_PATH=$1 mono SameAsDecode.exe "$3"

#!/usr/bin/env bash
# The library used as its users use it: the README's examples, each built
# and run, against the library installed from the build (its library,
# development and python components) and the npm package's folder.
#   consumers.sh <build dir> <npm package folder>
set -euo pipefail
build=$(cd "$1" && pwd)
package=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr

for component in library development python; do
  cmake --install "$build" --component "$component" --prefix "$prefix" >/dev/null
done
libdir=$(dirname "$(find "$prefix" -name 'libregalo.so.1' | head -n 1)")
export LD_LIBRARY_PATH=$libdir

# The README's example of a kind, as written there.
example() {
  awk -v kind="$1" '$0 == "<!-- example: " kind " -->" { on = 1; next } on && /^```/ { if (inside) exit; inside = 1; next } inside { print }' \
    "$root/README.md"
}
expect() {
  local what=$1 got=$2 wanted=$3
  [ "$got" = "$wanted" ] || { printf '%s gave:\n%s\nwhere this was expected:\n%s\n' "$what" "$got" "$wanted"; exit 1; }
}

echo "== C, with pkg-config"
mkdir "$work/c" && example c >"$work/c/example.c"
pc=(pkg-config --define-variable=prefix="$prefix")
PKG_CONFIG_PATH=$libdir/pkgconfig
export PKG_CONFIG_PATH
[ "$("${pc[@]}" --modversion regalo)" = "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")" ]
# shellcheck disable=SC2046
cc -std=c99 -Wall -Wextra -Werror "$work/c/example.c" $("${pc[@]}" --cflags --libs regalo) -o "$work/c/example"
c_output=$(printf '0501: Hardware error! Display error!\n(4) Out of receipt paper\n9. VOID mode\n1\t10:00:07\t0501\tHardware error!\\n Display error!')
expect "the C example" "$("$work/c/example")" "$c_output"

echo "== CMake: find_package(Regalo 1 CONFIG) takes it, 2 is refused"
mkdir "$work/cmake" && example cmake >"$work/cmake/CMakeLists.txt" && cp "$work/c/example.c" "$work/cmake/"
cmake -S "$work/cmake" -B "$work/cmake/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake/build" >/dev/null
expect "the CMake example" "$("$work/cmake/build/example")" "$c_output"
sed -i 's/find_package(Regalo 1 /find_package(Regalo 2 /' "$work/cmake/CMakeLists.txt"
if cmake -S "$work/cmake" -B "$work/cmake/two" -DCMAKE_PREFIX_PATH="$prefix" >"$work/cmake/two.log" 2>&1; then
  echo "find_package(Regalo 2) took version 1"; exit 1
fi

echo "== Python, Debian's /usr/bin/python3"
example python >"$work/example.py"
expect "the Python example" "$(PYTHONPATH=$prefix/lib/python3/dist-packages /usr/bin/python3 "$work/example.py")" \
  "$(printf "Ошибка оборудования!\n Ошибка дисплея!\n%s\n['(4) Out of receipt paper', '(80) Always set']\nFalse\nневерное число байтов: 5 вместо 6\n1 error\n2 status" \
     "$("$build/cli/regalo-decode" --lang en status --brief 80 84 89 80 83 91)")"

echo "== TypeScript, tsc --strict, run in Node"
mkdir -p "$work/ts/node_modules" && cp -r "$package" "$work/ts/node_modules/regalo-vespera-decoder"
example typescript >"$work/ts/example.ts"
# What the types refuse.
cat >"$work/ts/refused.ts" <<'TS'
import { init } from 'regalo-vespera-decoder';
const d = await init();
// @ts-expect-error a number is no status line
d.status(808489808391);
// @ts-expect-error only 'ru' and 'en'
d.error('0501', { lang: 'fr' });
// @ts-expect-error the message of a code without a description may be null
const message: string = d.error('5010').message;
TS
printf '{"type":"module"}\n' >"$work/ts/package.json"
"$root/web/node_modules/.bin/tsc" --strict --module nodenext --moduleResolution nodenext --target es2022 --outDir "$work/ts/out" \
  "$work/ts/example.ts" "$work/ts/refused.ts"
cp "$work/ts/package.json" "$work/ts/out/"
expect "the TypeScript example" "$(cd "$work/ts" && node out/example.js)" \
  "$(printf 'Hardware error!\n Display error!\n%s\nневерное число байтов: 5 вместо 6\nerror 1' \
     "$("$build/cli/regalo-decode" status --brief 80 84 89 80 83 91)")"

echo "== C#: the NuGet package packed and installed with Debian's nuget from a folder, run in mono"
if command -v nuget >/dev/null && command -v mcs >/dev/null && command -v mono >/dev/null; then
  mkdir -p "$work/cs/feed" "$work/cs/packages" "$work/cs/home"
  nuget_run() { HOME=$work/cs/home nuget "$@" -NonInteractive >"$work/cs/nuget.log" 2>&1 || { cat "$work/cs/nuget.log"; exit 1; }; }
  nuget_run pack "$build/lib/csharp/Regalo.nuspec" -BasePath "$build/lib/csharp" -OutputDirectory "$work/cs/feed"
  nuget_run install Regalo -Source "$work/cs/feed" -OutputDirectory "$work/cs/packages"
  assembly=$(find "$work/cs/packages" -path '*/lib/net45/Regalo.dll')
  grep -q '<licenseUrl>https://opensource.org/licenses/MIT</licenseUrl>' "$build/lib/csharp/Regalo.nuspec"
  example csharp >"$work/cs/Example.cs"
  cp "$assembly" "$assembly.config" "$work/cs/"
  (cd "$work/cs" && mcs -nologo -r:Regalo.dll -out:Example.exe Example.cs >/dev/null)
  expect "the C# example" "$(cd "$work/cs" && mono Example.exe)" \
    "$(printf '0501: Hardware error! Display error!\nOut of receipt paper: True\n9. VOID mode')"
else
  echo "nuget or mono is missing (scripts/test installs them)"; exit 1
fi
echo "the library's examples: ok"

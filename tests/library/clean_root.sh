#!/usr/bin/env bash
# The library's packages installed as their users install them: the three
# .deb with apt-get into a clean Debian 12 root made by mmdebstrap, where
# pkg-config knows the library, the README's C example builds with
# -std=c99 -Wall -Wextra -Werror and runs, and Debian's python3 imports the
# module; and the npm tarball installed into an empty folder, run in Node.
#   clean_root.sh <dist folder> <version>
set -euo pipefail
dist=$(cd "$1" && pwd)
version=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
debs=("$dist"/libregalo1_"$version"_*.deb "$dist"/libregalo-dev_"$version"_*.deb "$dist/python3-regalo_${version}_all.deb")
tarball=$dist/regalo-vespera-decoder-$version.tgz
for file in "${debs[@]}" "$tarball"; do
  [ -f "$file" ] || { echo "FAILED: $file is missing (scripts/library builds it)"; exit 1; }
done
awk '$0 == "<!-- example: c -->" { on = 1; next } on && /^```/ { if (inside) exit; inside = 1; next } inside { print }' \
  "$root/README.md" >"$work/example.c"

echo "== npm: the tarball in an empty folder, run in Node"
mkdir "$work/npm"
(cd "$work/npm" && npm init -y >/dev/null && npm install --no-audit --no-fund --offline "$tarball" >/dev/null)
cat >"$work/npm/check.mjs" <<'JS'
import { init } from 'regalo-vespera-decoder';
const d = await init();
console.log(`${d.version} ${d.errorBrief('0501', { lang: 'en' })}`);
JS
got=$(cd "$work/npm" && node check.mjs)
[ "$got" = "$version 0501: Hardware error! Display error!" ] || { echo "FAILED: the npm package said: $got"; exit 1; }

echo "== Debian 12: the packages installed with apt-get into a clean root"
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: making a clean root with mmdebstrap needs root rights"
  exit 77
fi
cat >"$work/checks.sh" <<CHECKS
set -eu
exec >/tmp/report 2>&1
echo "pkg-config: \$(pkg-config --modversion regalo)"
cd /tmp
cc -std=c99 -Wall -Wextra -Werror example.c \$(pkg-config --cflags --libs regalo) -o example && echo "C: \$(./example)"
echo "python: \$(/usr/bin/python3 -c 'import regalo; print(regalo.version, regalo.error_brief("0501", lang="en"))')"
CHECKS
names=$(for deb in "${debs[@]}"; do printf ' /tmp/%s' "$(basename "$deb")"; done)
mmdebstrap --quiet --variant=apt \
  --customize-hook="copy-in ${debs[*]} $work/example.c $work/checks.sh /tmp" \
  --customize-hook='chroot "$1" apt-get install -y -qq --no-install-recommends gcc libc6-dev pkg-config'"$names"' >/dev/null' \
  --customize-hook='chroot "$1" sh /tmp/checks.sh || true' \
  --customize-hook="copy-out /tmp/report $work" \
  bookworm "$work/root.tar" 2>"$work/mmdebstrap.log" || {
  echo "FAILED: mmdebstrap could not make the root or install the packages:"
  tail -n 20 "$work/mmdebstrap.log"
  exit 1
}
cat "$work/report"
failed=0
for expected in "pkg-config: $version" "C: 0501: Hardware error! Display error!" "python: $version 0501: Hardware error! Display error!"; do
  grep -qxF "$expected" "$work/report" || { echo "FAILED: expected \"$expected\""; failed=1; }
done
[ "$failed" -eq 0 ] || exit 1
echo "the library's packages in a clean root: ok"

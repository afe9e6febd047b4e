#!/usr/bin/env bash
# Installs the .deb as a user would, with apt-get, into a clean Debian 12
# root made by mmdebstrap, then checks that both programs run from PATH: the
# decoder gives its text, and the window starts on a virtual X server, fits
# every text with the fonts the package brought, and closes with exit code 0.
# Usage: clean_root_install_test.sh BUILD_DIR FIT_TESTS [SCREENSHOT.png]
# REGALO_TEST_TIMEOUT (seconds, 1800 as ctest gives it) bounds every wait.
set -euo pipefail
start=$(date +%s)
# A busy machine is slow, not broken: the window is waited for until shortly
# before the test's own time-out, leaving room to tear the root down.
deadline=$((start + ${REGALO_TEST_TIMEOUT:-1800} - 120))
build_dir=$(cd "$1" && pwd)
fit_tests=$2
screenshot=${3:-}

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: making a clean root with mmdebstrap needs root rights"
  exit 77
fi
for tool in mmdebstrap cpack; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing (scripts/test installs it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
cp "$fit_tests" "$work/fit_tests"
echo "$deadline" >"$work/deadline"

# Runs inside the root once the package is installed; its report goes to
# /tmp/report in the root.
cat >"$work/checks.sh" <<'CHECKS'
set -eu
exec >/tmp/report 2>&1
echo "decoder: $(regalo-decode error 0501 | tr '\n' '|')"
apt-get install -y -qq --no-install-recommends xvfb xauth x11-apps xdotool >/dev/null
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" /tmp/fit_tests --gtest_brief=1 && echo "fit: ok" || echo "fit: FAILED"
cat >/tmp/window.sh <<'WINDOW'
Regalo_Vespera & program=$!
window=
while [ "$(date +%s)" -lt "$(cat /tmp/deadline)" ]; do
  window=$(xdotool search --name "Regalo_Vespera ver. 1.0.2 30.11.2017" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "window: not shown"; kill $program; exit 1; }
sleep 1
xwd -root -silent >/tmp/window.xwd
# The "Закрыть" button, in the window's own coordinates.
xdotool mousemove --window "$window" 740 628 click 1
wait $program && echo "window: closed with exit code 0" || echo "window: exit code $?"
WINDOW
xvfb-run -a -s "-screen 0 1280x1024x24" sh /tmp/window.sh || true
# Copied out whether or not the window came, so that the report speaks.
[ -e /tmp/window.xwd ] || : >/tmp/window.xwd
CHECKS

mmdebstrap --quiet --variant=apt \
  --customize-hook='copy-in '"$deb"' /tmp' \
  --customize-hook='chroot "$1" apt-get install -y -qq --no-install-recommends /tmp/'"$(basename "$deb")"' >/dev/null' \
  --customize-hook='chroot "$1" dpkg-query -W -f="\${Installed-Size}\n" > "$1/tmp/sizes"' \
  --customize-hook='copy-in '"$work/checks.sh $work/fit_tests $work/deadline"' /tmp' \
  --customize-hook='chroot "$1" sh /tmp/checks.sh || true' \
  --customize-hook='copy-out /tmp/report /tmp/sizes /tmp/window.xwd '"$work" \
  bookworm "$work/root.tar" 2>"$work/mmdebstrap.log" || {
  echo "FAILED: mmdebstrap could not make the root or install the package:"
  tail -n 20 "$work/mmdebstrap.log"
  exit 1
}
seconds=$(($(date +%s) - start))
packages=$(wc -l <"$work/sizes")
kib=$(awk '{ sum += $1 } END { print sum }' "$work/sizes")
echo "clean root: $packages packages, $((kib / 1024)) MiB installed, $seconds s"
cat "$work/report"
if [ -n "$screenshot" ] && [ -s "$work/window.xwd" ] && command -v convert >/dev/null; then
  convert "xwd:$work/window.xwd" -crop 791x646+244+189 "$screenshot" || true
fi
# Each check that failed is named by the report's own line.
failed=0
for expected in "decoder: Ошибка оборудования!| Ошибка дисплея!|" "fit: ok" "window: closed with exit code 0"; do
  if ! grep -qxF "$expected" "$work/report"; then
    echo "FAILED: $(grep -m1 "^${expected%%:*}:" "$work/report" || echo "${expected%%:*}: no report")"
    failed=1
  fi
done
[ "$failed" -eq 0 ] || exit 1
echo "clean-root install: ok"

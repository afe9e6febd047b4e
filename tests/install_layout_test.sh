#!/usr/bin/env bash
# Installs the build into a scratch prefix and packs a .deb, then checks that
# everything lands in its standard place and that the metadata validates.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app_id=io.github.regalovespera.regalo_vespera

cmake --install "$build_dir" --prefix "$work/usr" >/dev/null
for file in \
  usr/bin/Regalo_Vespera \
  usr/bin/regalo-decode \
  "usr/share/applications/$app_id.desktop" \
  "usr/share/metainfo/$app_id.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  usr/share/man/man1/Regalo_Vespera.1.gz \
  usr/share/man/man1/regalo-decode.1.gz \
  usr/share/man/ru/man1/Regalo_Vespera.1.gz \
  usr/share/man/ru/man1/regalo-decode.1.gz \
  usr/share/bash-completion/completions/regalo-decode \
  usr/share/doc/regalo-vespera/copyright \
  usr/share/doc/regalo-vespera/changelog.gz; do
  [ -e "$work/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$work/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$work/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net --strict "$work/usr/share/metainfo/$app_id.metainfo.xml"
# The completion knows --lang, its values, and the commands after it.
completes() {
  local expected=$1
  shift
  local got
  got=$(bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _regalo_decode; echo "${COMPREPLY[*]}"' \
    _ "$work/usr/share/bash-completion/completions/regalo-decode" "$@")
  [ "$got" = "$expected" ] || { echo "completion of '$*': '$got', expected '$expected'"; exit 1; }
}
completes "--lang" regalo-decode --la
completes "ru en" regalo-decode --lang ""
completes "en" regalo-decode --lang = e
completes "status error list diff scan" regalo-decode --lang en ""
completes "status error list diff scan" regalo-decode --lang = en ""
completes "--changes" regalo-decode scan --ch
completes "status error list diff scan" regalo-decode --since 10:00 ""
completes "--brief" regalo-decode --br
completes "errors flags" regalo-decode --lang ru list ""
# The installed decoder runs on its own.
[ "$("$work/usr/bin/regalo-decode" error 0000)" = "Без ошибок!" ]

(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/Regalo_Vespera ./usr/bin/regalo-decode "./usr/share/applications/$app_id.desktop" \
  ./usr/share/man/man1/regalo-decode.1.gz ./usr/share/man/ru/man1/regalo-decode.1.gz \
  ./usr/share/man/man1/Regalo_Vespera.1.gz ./usr/share/man/ru/man1/Regalo_Vespera.1.gz \
  "./usr/share/metainfo/$app_id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
  grep -qF " $path" <<<"$contents" || { echo "not in the package: $path"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6core6 libqt6svg6 libstdc++6 fonts-liberation2; do
  grep -q "$library" <<<"$depends" || { echo "missing dependency $library in: $depends"; exit 1; }
done
# Debian's own checks: no error and no warning; the one info tag the README explains.
report=$(lintian --pedantic -I --tag-display-limit 0 "$deb" 2>/dev/null || true)
unexplained=$(grep -v '^I: regalo-vespera: hardening-no-fortify-functions \[usr/bin/regalo-decode\]$' <<<"$report" || true)
[ -z "$unexplained" ] || { echo "lintian:"; echo "$unexplained"; exit 1; }
echo "install layout and package: ok"

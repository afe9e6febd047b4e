#!/usr/bin/env bash
# Installs the build into a scratch prefix and packs a .deb, then checks that
# everything lands in its standard place and that the metadata validates.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app_id=io.github.regalovespera.RegaloVespera

cmake --install "$build_dir" --prefix "$work/usr" >/dev/null
for file in \
  usr/bin/Regalo_Vespera \
  usr/bin/regalo-decode \
  "usr/share/applications/$app_id.desktop" \
  "usr/share/metainfo/$app_id.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
  [ -e "$work/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$work/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$work/usr/share/metainfo/$app_id.metainfo.xml"
# The installed decoder runs on its own.
[ "$("$work/usr/bin/regalo-decode" error 0000)" = "Без ошибок!" ]

(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/Regalo_Vespera ./usr/bin/regalo-decode "./usr/share/applications/$app_id.desktop" \
  "./usr/share/metainfo/$app_id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
  grep -qF " $path" <<<"$contents" || { echo "not in the package: $path"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6core6 libqt6svg6 libstdc++6; do
  grep -q "$library" <<<"$depends" || { echo "missing dependency $library in: $depends"; exit 1; }
done
echo "install layout and package: ok"

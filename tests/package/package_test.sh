#!/usr/bin/env bash
# What `cmake --install` and `cpack -G DEB` produce: the program, a valid
# desktop entry and AppStream metainfo, the icon, and a package that depends
# on what the program loads.
#   package_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
expected=(
  bin/lumiq
  "share/applications/$id.desktop"
  "share/icons/hicolor/scalable/apps/$id.svg"
  "share/icons/hicolor/48x48/apps/$id.png"
  "share/icons/hicolor/256x256/apps/$id.png"
  "share/metainfo/$id.metainfo.xml"
)
for file in "${expected[@]}"; do
  [ -f "$work/prefix/$file" ] || fail "install lacks $file"
done
[ -x "$work/prefix/bin/lumiq" ] || fail "bin/lumiq is not executable"
desktop-file-validate "$work/prefix/share/applications/$id.desktop" || fail "desktop entry invalid"
grep -qx "Icon=$id" "$work/prefix/share/applications/$id.desktop" || fail "entry names another icon"
appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo invalid"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null || fail "cpack failed"
deb=$(ls "$work"/deb/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in "${expected[@]}"; do
  grep -qx "./usr/$file" <<<"$contents" || fail "package lacks /usr/$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
  grep -q "\b$dep\b" <<<"$depends" || fail "package does not depend on $dep: $depends"
done
echo "package $(basename "$deb"): $depends"
echo "PASS"

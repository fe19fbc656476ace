#!/usr/bin/env bash
# What `cmake --install` and `cpack -G DEB` produce: the program, a valid
# desktop entry and AppStream metainfo, the icon, the manual page, the
# copyright file and changelog, and a package that depends on what the
# program loads and says what it is in proper lines. One row per property.
#   package_test.sh BUILD_DIR APP_ID
set -uo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null || { echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/deb/*.deb)
dpkg-deb -x "$deb" "$work/pkg"
installed=$work/prefix/share
packaged=$work/pkg/usr/share
doc=$packaged/doc/lumiq
version=$(dpkg-deb -f "$deb" Version)
expected=(
  bin/lumiq
  "share/applications/$id.desktop"
  "share/icons/hicolor/scalable/apps/$id.svg"
  "share/icons/hicolor/48x48/apps/$id.png"
  "share/icons/hicolor/256x256/apps/$id.png"
  "share/metainfo/$id.metainfo.xml"
  share/man/man1/lumiq.1.gz
)

has_files() { local f; for f in "${expected[@]}"; do [ -f "$1/$f" ] || { echo "lacks $f"; return 1; }; done; }
depends_on() { local dep; for dep; do grep -q "\b$dep\b" <<<"$(dpkg-deb -f "$deb" Depends)" || return 1; done; }
# Each Qt library the program links, by the package that holds it under this
# Debian's name (libqt6core6, libqt6core6t64, ...), and what Qt loads later.
depends_on_what_it_loads() {
  local libs lib package packages=()
  libs=$(readelf -d "$work/pkg/usr/bin/lumiq" | sed -n 's/.*Shared library: \[\(libQt6[^]]*\)\]/\1/p')
  [ -n "$libs" ] || { echo "the program links no Qt library"; return 1; }
  for lib in $libs; do
    package=$(dpkg -S "*/$lib" | sed -n '1s/[:,].*//p')
    [ -n "$package" ] || { echo "no installed package holds $lib"; return 1; }
    packages+=("$package")
  done
  depends_on "${packages[@]}" qt6-qpa-plugins fonts-liberation
}
# gzip as Debian's tools write it: the 4-byte time in the header is zero.
gzip_without_time() { [ "$(od -An -j4 -N4 -tx1 "$1" | tr -d ' ')" = 00000000 ]; }
# The extended description: more than one line, none over 80 columns, none
# starting with a list's separator.
description_lines() {
  dpkg-deb -f "$deb" Description | awk 'NR > 1 { n++ } length > 80 || /^ ;/ { bad = 1 } END { exit bad || n < 2 }'
}
changelog_version() { zcat "$doc/changelog.gz" >"$work/changelog" && dpkg-parsechangelog -l "$work/changelog" -S Version; }
# The sections a user looks for, and the version and date of the release.
man_page() {
  local page; page=$(zcat "$packaged/man/man1/lumiq.1.gz") || return 1
  local s; for s in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "SEE ALSO"; do grep -qx "\.SH \"\?$s\"\?" <<<"$page" || return 1; done
  grep -qx "\.TH LUMIQ 1 \"$(release_date)\" \"Lumiq $version\".*" <<<"$page"
}
release_date() { sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$packaged/metainfo/$id.metainfo.xml"; }
stripped() { ! readelf -S "$work/pkg/usr/bin/lumiq" | grep -qE '\.(symtab|comment|debug_)'; }

failed=0
passed=0
row() {
  local name=$1; shift
  if "$@" >"$work/out" 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; cat "$work/out"; fi
}
# name                                             check
row "install has every file"                       has_files "$work/prefix"
row "package has every file"                       has_files "$work/pkg/usr"
row "installed program is executable"              test -x "$work/prefix/bin/lumiq"
row "desktop entry is valid"                       desktop-file-validate "$installed/applications/$id.desktop"
row "desktop entry names the icon"                 grep -qx "Icon=$id" "$installed/applications/$id.desktop"
row "metainfo is valid"                            appstreamcli validate --no-net --pedantic "$installed/metainfo/$id.metainfo.xml"
row "metainfo lists this release"                  test -n "$(release_date)"
row "package depends on what the program loads"    depends_on_what_it_loads
row "package recommends the Wayland plugin"        grep -qx qt6-wayland <(dpkg-deb -f "$deb" Recommends)
row "description has proper lines"                 description_lines
row "copyright is machine-readable"                grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$doc/copyright"
row "copyright carries the compiled-in notices"    grep -q "Victor Zverovich.*fast_float authors" <(tr '\n' ' ' <"$doc/copyright")
row "changelog is this version's"                  test "$(changelog_version)" = "$version"
row "changelog is gzipped without a time"          gzip_without_time "$doc/changelog.gz"
row "man page is gzipped without a time"           gzip_without_time "$packaged/man/man1/lumiq.1.gz"
row "man page has its sections, version and date"  man_page
row "program is stripped"                          stripped

echo "package $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

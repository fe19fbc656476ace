#!/usr/bin/env bash
# What `cmake --install` produces, which the Debian package takes as it is:
# the program, a valid desktop entry and AppStream metainfo, the icon and the
# manual page; and a Debian changelog whose newest entry packages this
# version. One row per property; lintian judges the package itself.
#   package_test.sh BUILD_DIR APP_ID VERSION SOURCE_DIR
set -uo pipefail
build=$1
id=$2
version=$3
source_dir=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
installed=$work/prefix/share
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
# The sections a user looks for, and the version and date of the release.
man_page() {
  local page; page=$(zcat "$installed/man/man1/lumiq.1.gz") || return 1
  local s; for s in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "SEE ALSO"; do grep -qx "\.SH \"\?$s\"\?" <<<"$page" || return 1; done
  grep -qx "\.TH LUMIQ 1 \"$(release_date)\" \"Lumiq $version\".*" <<<"$page"
}
release_date() { sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$installed/metainfo/$id.metainfo.xml"; }
# The package's version, less its Debian revision and a pre-release's ~ part.
packaged_version() { dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version | sed 's/-[^-]*$//; s/~.*//'; }

failed=0
passed=0
row() {
  local name=$1; shift
  if "$@" >"$work/out" 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; cat "$work/out"; fi
}
# name                                             check
row "install has every file"                       has_files "$work/prefix"
row "installed program is executable"              test -x "$work/prefix/bin/lumiq"
row "desktop entry is valid"                       desktop-file-validate "$installed/applications/$id.desktop"
row "desktop entry names the icon"                 grep -qx "Icon=$id" "$installed/applications/$id.desktop"
row "metainfo is valid"                            appstreamcli validate --no-net --pedantic "$installed/metainfo/$id.metainfo.xml"
row "metainfo lists this release"                  test -n "$(release_date)"
row "man page has its sections, version and date"  man_page
row "Debian changelog packages this version"       test "$(packaged_version)" = "$version"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

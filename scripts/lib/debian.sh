# shellcheck shell=bash
# Lumiq's packages as Debian builds its own: a source package from a commit,
# and its binary packages built by sbuild in unshare mode, in a clean
# Debian 12 root that mmdebstrap makes (cached as a tarball, brought up to
# date by sbuild at each build). Sourced by the scripts that build packages.
#   source_package COMMIT VERSION OUT  the release's source tarball, and the
#                                      .dsc beside it in OUT: $dsc
#   binary_packages DSC ARCH OUT [SBUILD OPTIONS]
#                                      the packages for ARCH (amd64 natively,
#                                      arm64 cross-built), with their .changes
#                                      and .buildinfo, in OUT
# A VERSION with a Debian revision other than the changelog's (1.0.1~check-1)
# gets a changelog entry of its own.

debian_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
debian_cache=${LUMIQ_SYSTEMS_CACHE:-/var/cache/lumiq}
debian_suite=bookworm

source "$debian_top/scripts/lib/mirror.sh"

# debian_tarball VARIANT [SUITE [ARCH]]: a Debian system that mmdebstrap
# makes, as a tarball, once: buildd is the root sbuild unpacks for every build
# (and updates), minbase the clean testbed of autopkgtest and piuparts.
debian_tarball() {
  local variant=$1 suite=${2:-$debian_suite} arch=${3:-amd64} tarball mirror part
  tarball=$debian_cache/$variant-$suite-$arch.tar.gz
  # mmdebstrap picks the format by the name's ending.
  part=${tarball%.tar.gz}.part.tar.gz
  if [ ! -f "$tarball" ]; then
    mirror=$(apt_mirror) || { echo "$(basename "$0"): found no Debian mirror in this machine's apt sources" >&2; return 1; }
    mkdir -p "$debian_cache"
    echo "$(basename "$0"): making Debian $suite ($arch, $variant) with mmdebstrap from $mirror" >&2
    mmdebstrap --quiet --mode=unshare --variant="$variant" --architectures="$arch" "$suite" "$part" "$mirror" >&2 &&
      mv -T "$part" "$tarball" || { rm -rf "$part"; return 1; }
  fi
  echo "$tarball"
}

# The release's source tarball of COMMIT for UPSTREAM's version, to stdout.
source_tarball() {
  git -C "$debian_top" archive --format=tar --prefix="lumiq-$2/" "$1" | gzip -9n
}

# The package's version at COMMIT, from its debian/changelog.
packaged_version() {
  git -C "$debian_top" show "$1:debian/changelog" | dpkg-parsechangelog -l - -S Version
}

source_package() {
  local commit=$1 version=$2 out=$3 upstream work
  upstream=${version%-*}
  work=$(mktemp -d)
  # The release's source tarball is the orig tarball, byte for byte; the
  # packaging, which the tarball leaves out, goes into the .debian.tar.xz.
  source_tarball "$commit" "$upstream" >"$out/lumiq-$upstream.tar.gz"
  cp "$out/lumiq-$upstream.tar.gz" "$work/lumiq_$upstream.orig.tar.gz"
  tar -xzf "$out/lumiq-$upstream.tar.gz" -C "$work"
  # Its mode goes into the .debian.tar.xz: not the caller's umask.
  mkdir -m 755 "$work/lumiq-$upstream/debian"
  git -C "$debian_top" archive --format=tar "$commit:debian" | tar -x -C "$work/lumiq-$upstream/debian"
  local changelog=$work/lumiq-$upstream/debian/changelog
  if [ "$(dpkg-parsechangelog -l "$changelog" -S Version)" != "$version" ]; then
    { printf 'lumiq (%s) %s; urgency=medium\n\n  * Packaged as %s.\n\n -- %s  %s\n\n' "$version" "$debian_suite" \
        "$version" "$(dpkg-parsechangelog -l "$changelog" -S Maintainer)" \
        "$(date -u -R -d "@$(git -C "$debian_top" log -1 --format=%ct "$commit")")"
      cat "$changelog"; } >"$changelog.new" && mv "$changelog.new" "$changelog"
  fi
  (cd "$work" && dpkg-source --build "lumiq-$upstream" >/dev/null)
  rm -rf "${work:?}/lumiq-$upstream"
  mv "$work"/* "$out/"
  rmdir "$work"
  dsc=$out/lumiq_$version.dsc
}

binary_packages() {
  local dsc=$1 arch=$2 out=$3 chroot options=()
  shift 3
  chroot=$(debian_tarball buildd)
  local build_options=${DEB_BUILD_OPTIONS:-parallel=$(nproc)}
  if [ "$arch" != amd64 ]; then
    options=(--host="$arch" --profiles=cross,nocheck)
    build_options+=" nocheck"
  fi
  (cd "$out" && DEB_BUILD_OPTIONS=$build_options \
    sbuild --quiet --chroot-mode=unshare --chroot="$chroot" --dist="$debian_suite" --build=amd64 --arch-any \
    --no-arch-all --no-source --no-run-lintian --no-run-autopkgtest --no-run-piuparts \
    "${options[@]}" "$@" "$dsc" >/dev/null) ||
    { tail -n 40 "$out"/lumiq_*_"$arch".build >&2; echo "$(basename "$0"): the $arch build failed" >&2; return 1; }
  rm -f "$out"/lumiq_*_"$arch"*.build
}

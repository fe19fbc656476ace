# shellcheck shell=bash
# Minimal Debian systems in folders, for the checks that must not trust this
# machine: each is bootstrapped once (debootstrap --variant=minbase, from the
# Debian mirror this machine's apt uses), cached as a tarball, and unpacked
# anew for every use. Sourced by the scripts that need them, which run as root.
#   new_system DEBIAN ARCH [NAME SETUP]  a clean system in a new folder: $system
#   in_system ROOT COMMAND               COMMAND there, as a new login runs it
#   new_build_root                       the Debian 12 build root: $system
# However the script ends, no system or mount is left behind, and it says how
# long it took.
# DEBIAN is a release number (12, 13) or, for a run by hand, a codename that
# debootstrap makes with its sid script (forky). SETUP is a function of this
# shell, called with the new system's folder once, before it is cached under
# NAME.

systems_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$systems_top/scripts/lib/mirror.sh"
systems_cache=${LUMIQ_SYSTEMS_CACHE:-/var/cache/lumiq}
systems_roots=()
systems_mounted=()

if [ "$(id -u)" -ne 0 ]; then
  echo "$(basename "$0"): needs root (chroot and mounts): run it as root or with sudo" >&2
  exit 2
fi

# The script runs again in a mount namespace of its own, whose mounts never
# reach the host's: a run that is killed leaves none behind, whatever the
# host's mount propagation.
if [ -z "${LUMIQ_SYSTEMS_UNSHARED:-}" ]; then
  LUMIQ_SYSTEMS_UNSHARED=1 exec unshare --mount --propagation private -- "$0" "$@"
fi

systems_start=$(date +%s)
systems_finish() {  # [STATUS]: the script's, when a trap of its own calls this
  local status=${1:-$?}
  trap - EXIT
  systems_cleanup
  echo "$(basename "$0"): $(($(date +%s) - systems_start)) s in all, exit status $status"
  exit "$status"
}
trap systems_finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

systems_cleanup() {
  local i root
  for ((i = ${#systems_mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${systems_mounted[$i]}" 2>/dev/null || true
  done
  systems_mounted=()
  for root in "${systems_roots[@]}"; do
    # Only remove a root once nothing is mounted below it any more.
    if ! grep -q " $root/" /proc/mounts; then
      rm -rf --one-file-system "$root"
    else
      echo "$(basename "$0"): left $root: something is still mounted there" >&2
    fi
  done
  systems_roots=()
}

# Programs of another architecture run under qemu-user: registered with the
# kernel's binfmt_misc, its fix-binary flag lets them run inside a chroot.
enable_emulation() {
  local arch=$1 qemu
  case $arch in
    "$(dpkg --print-architecture)") return 0 ;;
    arm64) qemu="qemu-aarch64" ;;
    *) echo "$(basename "$0"): no emulation set up for $arch" >&2; exit 1 ;;
  esac
  "$systems_top/scripts/install-deps" systems
  [ -e /proc/sys/fs/binfmt_misc/status ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  [ -e "/proc/sys/fs/binfmt_misc/$qemu" ] || update-binfmts --enable "$qemu"
  grep -q '^flags:.*F' "/proc/sys/fs/binfmt_misc/$qemu" ||
    { echo "$(basename "$0"): $qemu is registered without the fix-binary flag" >&2; exit 1; }
}

# Bootstraps DEBIAN for ARCH into ROOT and installs git and make.
bootstrap() {
  local debian=$1 arch=$2 root=$3 suite mirror script=()
  suite=$(codename "$debian")
  mirror=$(apt_mirror)
  if [ -z "$mirror" ]; then
    echo "$(basename "$0"): found no Debian mirror in this machine's apt sources" \
         "(/etc/apt/sources.list, /etc/apt/sources.list.d/): add one, or unpack a system into $systems_cache" >&2
    exit 1
  fi
  "$systems_top/scripts/install-deps" systems
  enable_emulation "$arch"
  # Debian's next release, made as debootstrap makes unstable; its Release
  # file on a mirror may be older than apt would accept.
  [ -e "/usr/share/debootstrap/scripts/$suite" ] || script=(/usr/share/debootstrap/scripts/sid)
  echo "$(basename "$0"): bootstrapping Debian $debian ($suite, $arch, minbase) from $mirror"
  debootstrap --variant=minbase --arch="$arch" --include=git,make "$suite" "$root" "$mirror" "${script[@]}" \
    >"$root.log" 2>&1 || { tail -n 20 "$root.log" >&2; rm -f "$root.log"; exit 1; }
  rm -f "$root.log"
  if [ "${#script[@]}" -gt 0 ]; then
    echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99lumiq-next-release"
  fi
}

new_system() {
  local debian=$1 arch=$2 setup=${4:-} root name tarball
  name=debian-$debian-$arch-minbase${3:+-$3}
  tarball=$systems_cache/$name.tar.gz
  root=$(mktemp -d "/var/tmp/lumiq-$name.XXXXXX")
  systems_roots+=("$root")
  enable_emulation "$arch"
  if [ -f "$tarball" ]; then
    echo "$(basename "$0"): unpacking the cached $tarball"
    tar -xzf "$tarball" -C "$root"
  else
    bootstrap "$debian" "$arch" "$root"
  fi
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  local fs
  for fs in proc sys dev dev/pts dev/shm; do
    mkdir -p "$root/$fs"
    case $fs in
      proc) mount -t proc proc "$root/proc" ;;
      sys) mount -t sysfs sysfs "$root/sys" ;;
      dev) mount --bind /dev "$root/dev" ;;
      dev/pts) mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts" ;;
      dev/shm) mount -t tmpfs tmpfs "$root/dev/shm" ;;
    esac
    systems_mounted+=("$root/$fs")
  done
  if [ ! -f "$tarball" ]; then
    [ -z "$setup" ] || "$setup" "$root"
    in_system "$root" "apt-get clean && rm -rf /var/lib/apt/lists/* /root/setup"
    if mkdir -p "$systems_cache" &&
      tar -czf "$tarball.part" -C "$root" --one-file-system --exclude=./proc --exclude=./sys --exclude=./dev . &&
      mv "$tarball.part" "$tarball"; then
      echo "$(basename "$0"): cached the system as $tarball"
    else
      # The system itself is sound: the run goes on, and the next one makes it anew.
      rm -f "$tarball.part"
      echo "$(basename "$0"): warning: could not cache the system as $tarball" >&2
    fi
  fi
  system=$root
}

in_system() {
  local root=$1
  shift
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/sh -c "$*"
}

# A clone of this checkout's commit at FOLDER in ROOT (default /root/lumiq),
# with the work tree's uncommitted changes: its edits, and the files git does
# not track yet but does not ignore.
clone_into() {
  local root=$1 folder=${2:-/root/lumiq}
  git clone -q "$systems_top" "$root$folder"
  git -C "$root$folder" checkout -q "$(git -C "$systems_top" rev-parse HEAD)"
  git -C "$systems_top" diff --binary HEAD | git -C "$root$folder" apply --allow-empty
  git -C "$systems_top" ls-files -z --others --exclude-standard |
    tar --create --directory="$systems_top" --null --files-from=- | tar --extract --directory="$root$folder"
}

# What the release's build installs, once, before the build root is cached.
install_build_deps() {
  mkdir -p "$1/root/setup"
  cp "$systems_top/scripts/install-deps" "$1/root/setup/"
  in_system "$1" "/root/setup/install-deps release"
}

# A clean Debian 12 with what the release's build needs, as Debian's own
# builders make one for each build. A new list of packages makes a new one.
new_build_root() {
  local packages
  packages=$(sha256sum "$systems_top/scripts/install-deps" | cut -c1-12)
  new_system 12 amd64 "build-root-$packages" install_build_deps
}

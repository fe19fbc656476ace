# Installs one Debian package a single task needs, when it is missing (with
# sudo when not root). Such packages stay out of scripts/install-deps: the
# build root's cache is named by that file's hash.
#   ensure_package PACKAGE
ensure_package() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed" && return
  local as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  echo "installing $1"
  # A machine whose package lists were never fetched (or were cleaned) knows
  # no package yet.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$1"
}

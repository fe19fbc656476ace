# Signs a release as Debian signs its archive: SHA256SUMS with a detached,
# ASCII-armoured signature beside it (SHA256SUMS.asc), and each suite of the
# APT repository in apt/ with an InRelease and a Release.gpg; the repository
# gets the public key as apt/lumiq-archive-keyring.pgp (binary, as apt's
# Signed-By reads it). Anyone checks them with gpgv or sqv and that key.
# Sourced by scripts/dist, scripts/repo-check and their test,
# tests/package/signing_test.sh.

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

# The keyring of the one release being signed; close_key removes it, and the
# scripts that sign call it however they end, interrupted too.
signing_home=""

# gpg signs; a minimal Debian has only gpgv, which checks. Installed here, not
# in the build root: the secret key never enters it.
need_gpg() {
  command -v gpg >/dev/null || ensure_package gpg
}

signing_gpg() {
  local gpg=(gpg --homedir "$signing_home" --batch --quiet --no-tty --pinentry-mode loopback)
  if [ -n "${LUMIQ_SIGNING_PASSPHRASE_FILE:-}" ]; then
    gpg+=(--passphrase-file "$LUMIQ_SIGNING_PASSPHRASE_FILE")
  else
    gpg+=(--passphrase "")
  fi
  "${gpg[@]}" "$@"
}

# open_key KEY: imports the secret key in the file KEY into a keyring made for
# this release, and proves it signs. A key with a passphrase takes it from the
# file that LUMIQ_SIGNING_PASSPHRASE_FILE names.
open_key() {
  local key=$1
  [ -r "$key" ] || { echo "signing: cannot read the key $key" >&2; return 1; }
  need_gpg
  signing_home=$(mktemp -d)
  signing_gpg --import "$key" 2>/dev/null &&
    [ -n "$(signing_gpg --list-secret-keys --with-colons | grep '^sec')" ] ||
    { echo "signing: $key holds no secret key" >&2; close_key; return 1; }
  # To standard output: gpg removes the file --output names when it fails,
  # and as root that would be /dev/null itself.
  if ! echo probe | signing_gpg --sign --output - >/dev/null 2>&1; then
    if [ -z "${LUMIQ_SIGNING_PASSPHRASE_FILE:-}" ]; then
      echo "signing: the key $key needs its passphrase: name a file that holds it in" \
           "LUMIQ_SIGNING_PASSPHRASE_FILE" >&2
    else
      echo "signing: the passphrase in $LUMIQ_SIGNING_PASSPHRASE_FILE does not unlock $key" >&2
    fi
    close_key
    return 1
  fi
}

close_key() {
  [ -n "$signing_home" ] || return 0
  gpgconf --homedir "$signing_home" --kill all 2>/dev/null || true
  rm -rf "$signing_home"
  signing_home=""
}

# Each suite's Release, inline (InRelease) and detached (Release.gpg).
sign_suites() {
  local release
  for release in "$1"/apt/dists/*/Release; do
    [ -e "$release" ] || continue
    signing_gpg --clearsign --output "${release%/Release}/InRelease" "$release" &&
      signing_gpg --armor --detach-sign --output "$release.gpg" "$release" || return 1
  done
}

# What signing DIR writes, and so removes before it signs or when it fails.
remove_signatures() {
  rm -f "$1/SHA256SUMS.asc" "$1"/apt/dists/*/InRelease "$1"/apt/dists/*/Release.gpg \
    "$1/apt/lumiq-archive-keyring.pgp"
}

# sign_release DIR [KEY]: signs DIR's SHA256SUMS and its repository DIR/apt
# (when there is one) with KEY, or with no key says that they stay unsigned.
# Either way no signature of earlier files is left; a key that cannot sign
# signs nothing.
sign_release() {
  local dir=$1 key=${2:-}
  remove_signatures "$dir"
  if [ -z "$key" ]; then
    echo "signing: no signing key (LUMIQ_SIGNING_KEY): $dir/SHA256SUMS and the repository" \
         "$dir/apt are UNSIGNED, and apt refuses an unsigned repository" >&2
    return 0
  fi
  open_key "$key" || return 1
  if ! {
    { [ ! -e "$dir/SHA256SUMS" ] || signing_gpg --armor --detach-sign --output "$dir/SHA256SUMS.asc" "$dir/SHA256SUMS"; } &&
      sign_suites "$dir" &&
      { [ ! -d "$dir/apt" ] || signing_gpg --export >"$dir/apt/lumiq-archive-keyring.pgp"; }
  }; then
    remove_signatures "$dir"
    echo "signing: could not sign $dir with $key" >&2
    close_key
    return 1
  fi
  close_key
}

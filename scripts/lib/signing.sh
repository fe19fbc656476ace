# Signs a release's SHA256SUMS with an OpenPGP secret key, as Debian signs its
# archive: a detached, ASCII-armoured signature beside it (SHA256SUMS.asc),
# which anyone checks with gpgv or sqv and the release's public key. Sourced
# by scripts/dist and its test, tests/package/signing_test.sh.

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

# gpg signs; a minimal Debian has only gpgv, which checks. Installed here, not
# in the build root: the secret key never enters it.
need_gpg() {
  command -v gpg >/dev/null || ensure_package gpg
}

# sign_sums DIR KEY: writes DIR/SHA256SUMS.asc, signed by the secret key in
# the file KEY. A key with a passphrase takes it from the file that
# LUMIQ_SIGNING_PASSPHRASE_FILE names. The key is imported into a keyring
# made for this one signature and deleted after it, not the user's own.
sign_sums() {
  local dir=$1 key=$2 home status=0
  [ -r "$key" ] || { echo "signing: cannot read the key $key" >&2; return 1; }
  need_gpg
  home=$(mktemp -d)
  local gpg=(gpg --homedir "$home" --batch --quiet --no-tty)
  [ -z "${LUMIQ_SIGNING_PASSPHRASE_FILE:-}" ] ||
    gpg+=(--pinentry-mode loopback --passphrase-file "$LUMIQ_SIGNING_PASSPHRASE_FILE")
  "${gpg[@]}" --import "$key" &&
    [ -n "$("${gpg[@]}" --list-secret-keys --with-colons | grep '^sec')" ] &&
    "${gpg[@]}" --yes --armor --detach-sign --output "$dir/SHA256SUMS.asc" "$dir/SHA256SUMS" || status=$?
  gpgconf --homedir "$home" --kill all 2>/dev/null || true
  rm -rf "$home"
  if [ "$status" -ne 0 ] || [ ! -s "$dir/SHA256SUMS.asc" ]; then
    rm -f "$dir/SHA256SUMS.asc"
    echo "signing: could not sign $dir/SHA256SUMS with $key (is it a secret key?)" >&2
    return 1
  fi
}

# sign_release DIR [KEY]: signs DIR/SHA256SUMS with KEY, or with no key says
# that it stays unsigned. Either way no signature of earlier sums is left
# beside the new ones.
sign_release() {
  local dir=$1 key=${2:-}
  rm -f "$dir/SHA256SUMS.asc"
  if [ -z "$key" ]; then
    echo "signing: no signing key (LUMIQ_SIGNING_KEY): $dir/SHA256SUMS is unsigned" >&2
    return 0
  fi
  sign_sums "$dir" "$key"
}

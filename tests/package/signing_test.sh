#!/usr/bin/env bash
# A release's signature, checked as a user checks it: SHA256SUMS signed with
# a throwaway key made here (as scripts/dist signs it) must be good to gpgv
# with that key's public half, and refused once one byte of the sums or of
# the signature changes, or when another key signed it; a signature is
# armoured; the repository's InRelease and Release.gpg check with the key
# file it publishes; a key that cannot sign, or none, leaves no signature
# behind, not even an earlier release's; and no signing leaves its keyring
# behind.
#   tests/package/signing_test.sh
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/signing.sh"
need_gpg

work=$(mktemp -d)
trap 'gpgconf --homedir "$work/home" --kill all 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -m 700 "$work/home"
keys=(gpg --homedir "$work/home" --batch --quiet --no-tty --pinentry-mode loopback)

# Throwaway keys: a plain one, another, and one with a passphrase.
make_key() {
  local name=$1 passphrase=${2:-}
  "${keys[@]}" --passphrase "$passphrase" --quick-gen-key "$name <$name@lumiq.invalid>" ed25519 sign never
  "${keys[@]}" --passphrase "$passphrase" --armor --export-secret-keys "$name" >"$work/$name.asc"
  "${keys[@]}" --export "$name" >"$work/$name.gpg"
}
make_key maintainer
make_key stranger
make_key guarded "a passphrase"
echo "a passphrase" >"$work/passphrase"

# Flips the lowest bit of the byte at OFFSET of FILE.
flip() {
  local file=$1 offset=$2 byte
  byte=$(od -An -tu1 -j "$offset" -N1 "$file" | tr -d ' ')
  printf "$(printf '\\%03o' $((byte ^ 1)))" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}

# name | key that signs | passphrase file | what is changed after signing | keyring | verdict
rows=(
  "signed, checked with its own key|maintainer.asc|||maintainer|good"
  "one byte of the sums changed|maintainer.asc||sums|maintainer|refused"
  "one byte of the signature changed|maintainer.asc||signature|maintainer|refused"
  "signed by another key|stranger.asc|||maintainer|refused"
  "a key with a passphrase, given its file|guarded.asc|passphrase||guarded|good"
  "a key with a passphrase, given none|guarded.asc|||guarded|unsigned"
  "a public key cannot sign|maintainer.gpg|||maintainer|unsigned"
  "no key: the sums stay unsigned||||maintainer|unsigned"
)
failed=0
for row in "${rows[@]}"; do
  IFS='|' read -r name key passphrase change keyring want <<<"$row"
  dir="$work/release"
  rm -rf "$dir" && mkdir "$dir"
  printf 'lumiq_1.0.0_amd64.deb\n' >"$dir/lumiq_1.0.0_amd64.deb"
  (cd "$dir" && sha256sum lumiq_1.0.0_amd64.deb >SHA256SUMS)
  mkdir -p "$dir/apt/dists/bookworm"
  echo "Codename: bookworm" >"$dir/apt/dists/bookworm/Release"
  for earlier in SHA256SUMS.asc apt/dists/bookworm/InRelease; do
    echo "an earlier release's signature" >"$dir/$earlier"
  done
  rm -rf "$work/tmp" && mkdir "$work/tmp"
  if TMPDIR=$work/tmp LUMIQ_SIGNING_PASSPHRASE_FILE=${passphrase:+$work/$passphrase} \
    sign_release "$dir" "${key:+$work/$key}" 2>/dev/null && [ -e "$dir/SHA256SUMS.asc" ]; then
    case $change in
      sums) flip "$dir/SHA256SUMS" 0 ;;
      signature) flip "$dir/SHA256SUMS.asc" 100 ;;
    esac
    if ! head -n1 "$dir/SHA256SUMS.asc" | grep -qx -- '-----BEGIN PGP SIGNATURE-----'; then
      got="not armoured"
    elif gpgv --keyring "$work/$keyring.gpg" "$dir/SHA256SUMS.asc" "$dir/SHA256SUMS" 2>/dev/null; then
      got=good
      release=$dir/apt/dists/bookworm/Release
      { gpgv --keyring "$dir/apt/lumiq-archive-keyring.pgp" "$release.gpg" "$release" &&
        gpgv --keyring "$dir/apt/lumiq-archive-keyring.pgp" "${release%Release}InRelease"; } 2>/dev/null ||
        got="good, yet the repository's signatures do not check with its key file"
    else
      got=refused
    fi
  else
    got=unsigned
    [ ! -e "$dir/SHA256SUMS.asc" ] && [ ! -e "$dir/apt/dists/bookworm/InRelease" ] ||
      got="unsigned, yet a signature is left"
  fi
  [ -z "$(ls -A "$work/tmp")" ] || got="$got, yet a keyring is left in the temporary folder"
  if [ "$got" = "$want" ]; then
    echo "signing_test: $name: $got"
  else
    echo "signing_test: FAILED: $name: $got, not $want" >&2
    failed=1
  fi
done
# gpg removes an output file it fails to write: never /dev/null.
[ -c /dev/null ] || { echo "signing_test: FAILED: /dev/null is no longer a device" >&2; failed=1; }
exit $failed

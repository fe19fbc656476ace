# shellcheck shell=bash
# The APT repository a release publishes, written by reprepro: one suite per
# Debian release it serves, component main, amd64 and arm64 with the source.
# Every suite serves the packages built on the oldest release, Debian 12,
# which install and run on the newer ones. Its signing is signing.sh's.
#   write_repository OUT FILE...      a repository of the source packages
#                                     (.dsc) and the packages the .changes
#                                     files list, in OUT, the newest version
#                                     of each in every suite
#   sources_file URL                  the deb822 lines that add it to apt, for
#                                     Debian 12 (the README's commands put in
#                                     the system's own codename)
# Sourced by scripts/dist and scripts/repo-check.

repository_suites=(bookworm trixie)
repository_url=${LUMIQ_REPOSITORY_URL:-https://lumiq.example.org/apt/}

write_repository() {
  local out=$1 base suite
  shift
  base=$(mktemp -d)
  mkdir "$base/conf"
  for suite in "${repository_suites[@]}"; do
    printf '%s\n' "Origin: Lumiq" "Label: Lumiq" "Codename: $suite" "Architectures: amd64 arm64 source" \
      "Components: main" "Description: Lumiq, the LED calculator, for Debian $suite" "" >>"$base/conf/distributions"
  done
  # Reprepro's own database stays outside what is published.
  local reprepro=(reprepro --silent --basedir "$base" --outdir "$out" --dbdir "$base/db")
  local file command
  for file; do
    command=include
    [[ $file != *.dsc ]] || command=includedsc
    "${reprepro[@]}" --ignore=wrongdistribution "$command" "${repository_suites[0]}" "$file" || break
  done &&
    for suite in "${repository_suites[@]:1}"; do
      "${reprepro[@]}" copysrc "$suite" "${repository_suites[0]}" lumiq || break
    done
  local status=$?
  rm -rf "$base"
  return $status
}

sources_file() {
  printf '%s\n' "Types: deb" "URIs: $1" "Suites: ${repository_suites[0]}" \
    "Components: main" "Signed-By: /usr/share/keyrings/lumiq-archive-keyring.pgp"
}

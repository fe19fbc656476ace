#!/usr/bin/env bash
# The releases read from CHANGELOG.md: the changelog as it is configures, and
# each way of breaking it stops the configure with a message that says how.
#   changelog_test.sh SOURCE_DIR VERSION
set -uo pipefail
source_dir=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | sed program run on CHANGELOG.md | project()'s version | the message ("" when it configures)
rows=(
  "the changelog as it is||$version|"
  "another version in project()||9.9.9|newest release is $version, but project() says 9.9.9"
  "a release without a date|s/^## \[$version\] - .*/## [$version]/|$version|'' is not a date"
  "a change before any heading|/^### /d|$version|lists a change before its first heading"
  "no release at all|/^## \[[0-9]/,\$d|$version|has no release"
)
passed=0
failed=0
for row in "${rows[@]}"; do
  IFS='|' read -r name edit project expected <<<"$row"
  sed "$edit" "$source_dir/CHANGELOG.md" >"$work/CHANGELOG.md"
  output=$(cmake -DPROJECT_SOURCE_DIR="$work" -DPROJECT_VERSION="$project" -P "$source_dir/cmake/Release.cmake" 2>&1)
  status=$?
  said=$(tr -s ' \n' '  ' <<<"$output")
  if { [ -z "$expected" ] && [ "$status" -eq 0 ]; } ||
     { [ -n "$expected" ] && [ "$status" -ne 0 ] && [[ $said == *"$expected"* ]]; }; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name (exit status $status)"
    echo "$output"
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

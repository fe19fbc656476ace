#!/usr/bin/env bash
# The real binary met the way a screen reader meets it: in a virtual X server,
# or with SCALE as a native client of a headless Wayland compositor whose
# output has that scale, with its own session bus and accessibility bus, read
# over AT-SPI.
#   atspi_test.sh LUMIQ_BINARY [SCALE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in dbus-run-session xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool missing: run scripts/install-deps" >&2; exit 1; }
done
display=("$here/../../scripts/with-xvfb")
[ -z "${2:-}" ] || display=("$here/../../scripts/with-weston" "$2" env -u QT_QPA_PLATFORM)
exec "${display[@]}" dbus-run-session -- bash -c '
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  log=$(mktemp)
  "$0" >"$log" 2>&1 &
  app=$!
  trap "kill $app 2>/dev/null || true; rm -f $log" EXIT
  if ! /usr/bin/python3 "$1"; then
    echo "the program said:"; cat "$log"; exit 1
  fi
' "$1" "$here/atspi_probe.py"

#!/usr/bin/env bash
# The real binary in a real X server: its window appears under its title with
# a client area of 283 x 304 pixels.
#   xvfb_smoke_test.sh LUMIQ_BINARY
set -euo pipefail
here=$(dirname "$0")
exec "$here/../../scripts/with-xvfb" bash -c '
  log=$(mktemp)
  "$0" >"$log" 2>&1 &
  app=$!
  trap "kill $app 2>/dev/null || true; rm -f $log" EXIT
  for _ in $(seq 150); do
    window=$(xdotool search --name "^LED utility for light conversion\$" 2>/dev/null | head -n1) || true
    [ -n "${window:-}" ] && break
    sleep 0.1
  done
  if [ -z "${window:-}" ]; then
    echo "FAIL: no window titled \"LED utility for light conversion\"; the program said:"
    cat "$log"
    echo "the X server said:"
    cat "$XVFB_LOG"
    ls -la /tmp/.X11-unix
    exit 1
  fi
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "window $window is ${WIDTH}x${HEIGHT}"
  [ "$WIDTH" = 283 ] && [ "$HEIGHT" = 304 ] || { echo "FAIL: expected 283x304"; exit 1; }
  kill -0 $app || { echo "FAIL: the program exited"; exit 1; }
  echo "PASS"
' "$1"

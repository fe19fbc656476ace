#!/usr/bin/env bash
# The real binary in a real X server: its window appears under its title with
# a client area of 283 x 304 pixels.
set -euo pipefail
binary=$1
command -v xvfb-run >/dev/null || { echo "xvfb-run missing: run scripts/install-deps" >&2; exit 1; }

exec xvfb-run -a -s "-screen 0 640x480x24 -nolisten tcp" bash -c '
  "$0" &
  app=$!
  trap "kill $app 2>/dev/null || true" EXIT
  for _ in $(seq 150); do
    window=$(xdotool search --name "^LED utility for light conversion\$" 2>/dev/null | head -n1) || true
    [ -n "${window:-}" ] && break
    sleep 0.1
  done
  [ -n "${window:-}" ] || { echo "FAIL: no window titled \"LED utility for light conversion\""; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "window $window is ${WIDTH}x${HEIGHT}"
  [ "$WIDTH" = 283 ] && [ "$HEIGHT" = 304 ] || { echo "FAIL: expected 283x304"; exit 1; }
  kill -0 $app || { echo "FAIL: the program exited"; exit 1; }
  echo "PASS"
' "$binary"

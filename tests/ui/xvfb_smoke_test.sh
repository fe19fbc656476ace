#!/usr/bin/env bash
# The real binary: without a display it says so in one line and exits 1 (and
# with only WAYLAND_DISPLAY set it does not take that exit); in a
# real X server its window appears under its title with a client area of
# 283 x 304 pixels and the WM_CLASS its desktop entry names, and asks the
# window manager for no maximizing (Motif hints: neither the function nor the
# button).
#   xvfb_smoke_test.sh LUMIQ_BINARY DESKTOP_ENTRY
set -euo pipefail
here=$(dirname "$0")

status=0
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1) || status=$?
[ "$status" = 1 ] || { echo "FAIL: without a display the exit status is $status, not 1: $said"; exit 1; }
[ "$(printf '%s\n' "$said" | wc -l)" = 1 ] && grep -q 'no display' <<<"$said" \
  || { echo "FAIL: without a display it said: $said"; exit 1; }
echo "without a display: $said"

# A Wayland session alone is a display: Qt is left to try it, whatever it finds.
said=$(env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=lumiq-test-absent timeout 10 "$1" 2>&1) || true
if grep -q 'no display' <<<"$said"; then
  echo "FAIL: with WAYLAND_DISPLAY set it still said: $said"
  exit 1
fi

wm_class=$(sed -n 's/^StartupWMClass=//p' "$2")
[ -n "$wm_class" ] || { echo "FAIL: $2 has no StartupWMClass"; exit 1; }
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
  class=$(xprop -id "$window" WM_CLASS | sed -n "s/.*, \"\(.*\)\"$/\1/p")
  echo "WM_CLASS class $class, desktop entry StartupWMClass $1"
  [ "$class" = "$1" ] || { echo "FAIL: the desktop entry does not name the window class"; exit 1; }
  read -r functions decorations < <(xprop -id "$window" _MOTIF_WM_HINTS |
    sed -n "s/.*= *0x[0-9a-f]*, *\(0x[0-9a-f]*\), *\(0x[0-9a-f]*\).*/\1 \2/p")
  echo "Motif functions $functions, decorations $decorations"
  [ -n "$functions" ] && (( (functions & 0x10) == 0 && (decorations & 0x40) == 0 )) ||
    { echo "FAIL: the window manager is asked to offer maximizing"; exit 1; }
  kill -0 $app || { echo "FAIL: the program exited"; exit 1; }
  echo "PASS"
' "$1" "$wm_class"

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

# A Wayland session whose compositor is not there is no display either, nor
# one Qt cannot reach for want of its plugin; a platform the user names is
# left to Qt, whatever it finds.
runtime=$(mktemp -d)
for case in "absent|WAYLAND_DISPLAY=lumiq-test-absent|no display" \
            "named by the user|QT_QPA_PLATFORM=lumiq-test-absent|"; do
  IFS='|' read -r name setting want <<<"$case"
  said=$(env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" "$setting" \
    timeout 10 "$1" 2>&1) || true
  if [ -n "$want" ]; then
    [ "$(printf '%s\n' "$said" | wc -l)" = 1 ] && grep -q "$want" <<<"$said" ||
      { echo "FAIL: a Wayland compositor $name: it said: $said"; exit 1; }
  elif grep -q 'no display' <<<"$said"; then
    echo "FAIL: a platform $name: it said: $said"
    exit 1
  fi
done
rm -rf "$runtime"

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

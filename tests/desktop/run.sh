#!/usr/bin/env bash
# Usage: run.sh COMMAND [ARGS...]
# Runs COMMAND on a display of its own (Xvfb) managed by a real window
# manager (openbox), as a desktop session would, with QT_QPA_PLATFORM=xcb,
# and exits with its status. Exits 77 (skipped) when Xvfb, openbox, xprop
# or xdotool is not installed (scripts/install-deps.sh installs them).
set -uo pipefail

for tool in Xvfb openbox xprop xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb=
wm=
cleanup() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Polls CONDITION every 50 ms for up to 30 s.
wait_for() {
  local i
  for ((i = 0; i < 600; i++)); do
    eval "$1" && return 0
    sleep 0.05
  done
  echo "FAIL: timed out waiting for: $2" >&2
  return 1
}

# Xvfb picks a free display number itself and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
wait_for '[ -s "$work/display" ]' "Xvfb to start" || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# A window manager of its own, with its default settings. It announces
# itself on the display (_NET_SUPPORTING_WM_CHECK) before it has finished
# starting, and a window mapped in between is never managed; the startup
# command runs once it has.
XDG_CONFIG_HOME="$work" openbox --sm-disable --startup "touch $work/wm-ready" \
  >"$work/openbox.log" 2>&1 &
wm=$!
wait_for '[ -e "$work/wm-ready" ]' "openbox to manage the display" ||
  { cat "$work/openbox.log" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"

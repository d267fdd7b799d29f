#!/usr/bin/env bash
# Runs a command on a private virtual X display of its own: with_display.sh [--wm] COMMAND...
# Xvfb picks a free display number itself (-displayfd), so any number of these can run side by
# side without racing for one. With --wm a window manager (openbox) runs on the display too, so
# windows get frames, titles and the keyboard focus as on a desktop.
set -euo pipefail

with_wm=0
if [ "${1:-}" = "--wm" ]; then
  with_wm=1
  shift
fi

fifo=$(mktemp -u)
mkfifo "$fifo"
# -br: a black root window, so that a closed window leaves no picture behind.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -br -nolisten tcp 3>"$fifo" 2>/dev/null &
server=$!
manager=
cleanup() {
  [ -n "$manager" ] && kill "$manager" 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -f "$fifo"
}
trap cleanup EXIT

read -r -t 20 number <"$fifo" || { echo "with_display.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
# No accessibility bus in a test session: without this GTK waits for one at start.
export NO_AT_BRIDGE=1
# Sanitizer builds: the toolkit's process-long blocks are not the program's leaks.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/toolkit_leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

if [ "$with_wm" = 1 ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  manager=$!
  # The manager owns the screen once it has set its check window on the root.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
  done
fi

set +e
"$@"
status=$?
set -e
exit "$status"

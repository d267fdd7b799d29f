#!/usr/bin/env bash
# Runs a command on a private virtual X display of its own: Xvfb picks a free display number
# itself (-displayfd), so any number of these can run side by side without racing for one.
set -euo pipefail

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -br -nolisten tcp 3>"$fifo" 2>/dev/null &
server=$!
cleanup() { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$fifo"; }
trap cleanup EXIT

read -r -t 20 number <"$fifo" || { echo "with_display.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
# No accessibility bus in a test session: without this GTK waits for one at start.
export NO_AT_BRIDGE=1
set +e
"$@"
status=$?
set -e
exit "$status"

#!/usr/bin/env bash
# The real window under a real X server (Xvfb): lists a copy of a library,
# presses Start, and pings the window as a desktop does while the run goes
# on; prints the longest wait for an answer.
#     window_ping_bench.sh BINDWELL LIBRARY
set -euo pipefail
program=$(realpath "$1") library=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$library" "$work/books"

. "$here/../tests/support/xvfb.sh"
start_xvfb "$work"
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" "$program" >/dev/null 2>&1 &
# The main window, once shown: the one that answers the desktop's ping.
window=""
pinged_window_shown() {
  for candidate in $(xdotool search --onlyvisible --name '^Bindwell$' 2>/dev/null); do
    xprop -id "$candidate" WM_PROTOCOLS 2>/dev/null | grep -q _NET_WM_PING && window=$candidate
  done
  [ -n "$window" ]
}
wait_until 120 pinged_window_shown || { echo "no window"; exit 1; }
xdotool windowfocus --sync "$window" type --delay 2 "$work/books"
xdotool key Tab
sleep 1
echo -n "idle: " && /usr/bin/python3 "$here/x_ping.py" "$window" 1
/usr/bin/python3 "$here/x_ping.py" "$window" "${PING_SECONDS:-4}" >"$work/run.txt" &
pinger=$!
sleep 0.2
# Start sits 4080 twips in and 4320 down: at 96 dpi, 15 twips a pixel.
xdotool mousemove --window "$window" 305 300 click 1
wait "$pinger"
echo -n "during the run: " && cat "$work/run.txt"

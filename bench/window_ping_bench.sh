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

display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
sleep 1
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" "$program" >/dev/null 2>&1 &
sleep 2
window=""
for candidate in $(xdotool search --sync --name '^Bindwell$'); do
  xprop -id "$candidate" WM_PROTOCOLS | grep -q _NET_WM_PING && window=$candidate
done
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

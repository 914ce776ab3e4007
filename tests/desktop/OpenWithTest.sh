#!/usr/bin/env bash
# A file manager's Open With: bindwell started with two books of a folder
# under Xvfb, Start clicked. The two books are fixed; the folder's other
# books are not.
#     OpenWithTest.sh BUILD_FOLDER
set -euo pipefail
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb xdotool dbus-run-session zip unzip; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

work=$(mktemp -d)
program=""
# The program first, so that its bus session ends with it; then Xvfb.
cleanup() {
  [ -z "$program" ] || kill "$program" 2>/dev/null || true
  [ -z "${session:-}" ] || wait "$session" 2>/dev/null || true
  kill $(jobs -p) 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$*"; exit 1; }

. "$here/../support/make_epub.sh"
for book in a b c Sub/d; do make_epub "$work/Books/$book.epub"; done
mkdir -p "$work/before/Sub" "$work/runtime"
chmod 700 "$work/runtime"
cp "$work/Books/c.epub" "$work/before/"
cp "$work/Books/Sub/d.epub" "$work/before/Sub/"

. "$here/../support/xvfb.sh"
start_xvfb "$work" || fail "no X server"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
# A bus of its own, so that nothing reaches the desktop this runs on; on
# the X display, whatever platform the caller's environment names.
dbus-run-session -- env -u QT_QPA_PLATFORM "$build/bin/bindwell" "$work/Books/a.epub" "$work/Books/b.epub" >"$work/out" 2>&1 &
session=$!

# Its windows by title: the main window, then the summary box beside it.
windows() { xdotool search --onlyvisible --name '^Bindwell$' 2>/dev/null || true; }
# A wait ends early when the program has ended.
ended() { ! kill -0 "$session" 2>/dev/null; }
window=""
main_window_shown() { window=$(windows | head -1); [ -n "$window" ] || ended; }
wait_until 120 main_window_shown && [ -n "$window" ] || fail "no window: $(cat "$work/out"); $(xvfb_state)"
program=$(xdotool getwindowpid "$window")
# Start: 4080 twips in and 4320 down, 990 by 360; at 96 dpi 15 twips a pixel.
# The program lists the books named before it reads its first event, so
# the click finds them listed.
xdotool mousemove --window "$window" 305 300 click 1
summary=""
summary_shown() { summary=$(windows | grep -vx "$window" | head -1 || true); [ -n "$summary" ] || ended; }
wait_until 180 summary_shown && [ -n "$summary" ] || fail "no summary after Start: $(cat "$work/out"); $(xvfb_state)"

for book in a b; do
  unzip -l "$work/Books/$book.epub" >"$work/listing"
  grep -q LiberationSerif-Regular.ttf "$work/listing" || fail "$book.epub was not fixed"
done
cmp -s "$work/Books/c.epub" "$work/before/c.epub" || fail "c.epub was changed"
cmp -s "$work/Books/Sub/d.epub" "$work/before/Sub/d.epub" || fail "Sub/d.epub was changed"
echo "the two books named were fixed, and only they"

#!/usr/bin/env bash
# Both windows as a screen reader reads them: Bindwell under Xvfb, with
# the AT-SPI bus in a private session bus, read by read_windows.py through
# pyatspi. Every control must have a name, and the progress bar must give
# its value during a run.
#     AccessibilityTest.sh BUILD_FOLDER
set -euo pipefail
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb xdotool dbus-run-session zip /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# Books with long chapters, so that the run lasts long enough to be read.
for _ in 1 2 3 4; do cat /usr/share/common-licenses/*; done >"$work/chapter.xhtml"
mkdir -p "$work/Books" "$work/runtime"
chmod 700 "$work/runtime"
. "$here/../support/make_epub.sh"
make_epub "$work/book.epub" "$work/chapter.xhtml"
for n in $(seq 1 40); do cp "$work/book.epub" "$work/Books/Book $n.epub"; done

. "$here/../support/xvfb.sh"
start_xvfb "$work" || { echo "no X server"; exit 1; }
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
dbus-run-session -- bash -c '
  . "$1"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  # The accessibility bus answers once the launcher has started it.
  bus_up() {
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
  }
  wait_until 60 bus_up || { echo "the accessibility bus did not start"; exit 1; }
  /usr/bin/python3 "$2" "$3" "$4"
' bash "$here/../support/xvfb.sh" "$here/read_windows.py" "$build/bin/bindwell" "$work/Books" \
  2> >(grep -v '^dbus-daemon' >&2) || { xvfb_state; exit 1; }

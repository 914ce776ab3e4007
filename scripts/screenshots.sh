#!/usr/bin/env bash
# Takes the README's screenshots of both windows and of a run in a real X server (Xvfb)
# with a window manager, as a user sees them, into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh xvfb imagemagick icewm xdotool x11-utils
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target bindwell bindwell_translations_lrelease

work=$(mktemp -d /tmp/bindwell-shots.XXXX)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# A library to list: a few books at the top, a long series in a
# sub-folder, each book with a long chapter so that the run takes a while.
for _ in 1 2 3 4; do cat /usr/share/common-licenses/*; done >"$work/chapter.xhtml"
. tests/support/make_epub.sh
make_book() { make_epub "$1" "$work/chapter.xhtml" "${2:-}"; }
library="$work/Books"
for name in "Emma.epub" "Moby Dick.epub" "Pride and Prejudice.epub" "Sherlock Holmes/A Study in Scarlet.epub" \
            "Sherlock Holmes/The Sign of the Four.epub"; do
  make_book "$library/$name"
done
# Two books from a shop, whose stylesheets are encrypted: left alone.
for name in "From the Shop/Persuasion.epub" "From the Shop/Middlemarch.epub"; do
  make_book "$library/$name" '<encryption xmlns="urn:oasis:names:tc:opendocument:xmlns:container" xmlns:enc="http://www.w3.org/2001/04/xmlenc#"><enc:EncryptedData><enc:EncryptionMethod Algorithm="http://www.w3.org/2001/04/xmlenc#aes128-cbc"/><enc:CipherData><enc:CipherReference URI="OEBPS/style.css"/></enc:CipherData></enc:EncryptedData></encryption>'
done
mkdir -p "$library/The Long Series"
for volume in $(seq 1 120); do
  cp "$library/Emma.epub" "$library/The Long Series/Volume $volume.epub"
done

. tests/support/xvfb.sh
start_xvfb "$work"
icewm >/dev/null 2>&1 &
# The window manager names itself on the root window once it manages it.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 60 wm_up || { echo "icewm did not start"; exit 1; }
# start_bindwell [VARIABLE=VALUE...]: the program, and its window once shown.
window_shown() { window=$(xdotool search --onlyvisible --name '^Bindwell$' 2>/dev/null | tail -1); [ -n "$window" ]; }
start_bindwell() {
  env "$@" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" build/bin/bindwell >/dev/null 2>&1 &
  wait_until 120 window_shown || { echo "no window"; exit 1; }
}
start_bindwell
xdotool windowactivate --sync "$window"
xdotool type --delay 5 "$library"
xdotool key Tab
sleep 0.5
mkdir -p docs
import -frame -window "$window" docs/main-window.png

# The Options... button sits 240 twips in and 4320 down: at 96 dpi, 15 twips a pixel.
xdotool mousemove --window "$window" 45 300 click 1
dialog=$(xdotool search --sync --name '^Options\.\.\.$' | tail -1)
sleep 0.5
import -frame -window "$dialog" docs/options-dialog.png

# Cancel the dialog (its Cancel button's middle sits 9945 twips in and
# 3840 down), press Start, take the window while the run goes on, and the
# summary that ends it.
xdotool mousemove --window "$dialog" 663 256 click 1
sleep 0.5
xdotool mousemove --window "$window" 305 300 click 1
sleep 0.7
import -frame -window "$window" docs/run-progress.png
summary=""
summary_shown() {
  summary=$(xdotool search --onlyvisible --name '^Bindwell$' | grep -vx "$window" | tail -1 || true)
  [ -n "$summary" ]
}
wait_until 300 summary_shown || { echo "no summary"; exit 1; }
sleep 0.5
import -frame -window "$summary" docs/run-summary.png
# Its details: the books left alone, each with the reason.
xdotool windowactivate --sync "$summary"
xdotool key Tab space
sleep 0.7
import -frame -window "$summary" docs/summary-details.png
# Close the box: the list shows how each book's fix ended.
xdotool key Escape
sleep 0.7
xdotool mousemove --window "$window" 200 200
sleep 0.3
import -frame -window "$window" docs/run-outcomes.png
unzip -l "$library/Emma.epub" >"$work/listing"
grep -q LiberationSerif-Regular.ttf "$work/listing"
# The main window in two other languages, the session's as Bindwell reads it.
no_window() { ! xdotool search --name '^Bindwell$' >/dev/null 2>&1; }
for session in de_DE fr_FR; do
  xdotool search --name '^Bindwell$' windowkill 2>/dev/null || true
  wait_until 60 no_window || { echo "the program did not end"; exit 1; }
  start_bindwell LANG=$session.UTF-8 LANGUAGE= LC_ALL=
  xdotool windowactivate --sync "$window"
  xdotool type --delay 5 "$library"
  xdotool key Tab
  sleep 0.5
  import -frame -window "$window" "docs/main-window-${session%_*}.png"
done

echo "Wrote docs/main-window.png, docs/main-window-de.png, docs/main-window-fr.png, docs/options-dialog.png, docs/run-progress.png, docs/run-summary.png," \
     "docs/summary-details.png and docs/run-outcomes.png; the books were fixed"

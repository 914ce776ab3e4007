#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the installed
# programs find their libraries and fonts when started away from them, as
# from a desktop menu.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
folder="$work/prefix/lib/bindwell"
for file in bindwell bindwell-cli libunzip32.so libzip32.so fonts/LiberationSerif-Regular.ttf \
            fonts/LiberationSerif-Italic.ttf fonts/LiberationSerif-Bold.ttf fonts/LiberationSerif-BoldItalic.ttf; do
  [ -e "$folder/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ "$(readlink -f "$work/prefix/bin/bindwell")" = "$(readlink -f "$folder/bindwell")" ] || { echo "bin/bindwell"; exit 1; }
grep -qx 'Exec=bindwell' "$work/prefix/share/applications/bindwell.desktop" || { echo "no desktop entry"; exit 1; }

# One small book, fixed by the installed program from a folder without fonts.
src="$work/src" book="$work/Books/book.epub"
mkdir -p "$src/META-INF" "$src/OEBPS" "$work/Books" "$work/elsewhere" "$work/runtime"
chmod 700 "$work/runtime"
printf 'application/epub+zip' >"$src/mimetype"
printf '<container/>' >"$src/META-INF/container.xml"
printf 'p { font-size: 12pt; }\r\n' >"$src/OEBPS/style.css"
(cd "$src" && zip -qX0 "$book" mimetype && zip -qXr "$book" META-INF OEBPS)
(cd "$work/elsewhere" && XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
  "$work/prefix/bin/bindwell-cli" "$work/Books" >/dev/null)
# Listed into a file first: with pipefail, grep -q closing the pipe early
# would fail the listing.
unzip -l "$book" >"$work/listing"
grep -q LiberationSerif-BoldItalic.ttf "$work/listing" || { echo "fonts not embedded"; exit 1; }
echo "installed and ran"

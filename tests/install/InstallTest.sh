#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the installed
# programs find their private libraries and the system's fonts when started
# away from them, as from a desktop menu.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
libraries=$(cd "$work/prefix" && find . -name libunzip32.so -printf '%h\n')
for file in bin/bindwell bin/bindwell-cli "$libraries/libunzip32.so" "$libraries/libzip32.so" \
            share/applications/bindwell.desktop share/icons/hicolor/scalable/apps/bindwell.svg \
            share/metainfo/example.bindwell.Bindwell.metainfo.xml share/man/man1/bindwell.1.gz \
            share/man/man1/bindwell-cli.1.gz; do
  [ -e "$work/prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ "$libraries" = "./lib/bindwell" ] || [ "$libraries" = "./lib/$(gcc -print-multiarch)/bindwell" ] ||
  { echo "the libraries are not in a private folder: $libraries"; exit 1; }
if find "$work/prefix" -name '*.ttf' | grep -q .; then echo "fonts copied instead of read from fonts-liberation2"; exit 1; fi
grep -qx 'Exec=bindwell %F' "$work/prefix/share/applications/bindwell.desktop" || { echo "no desktop entry"; exit 1; }

# One small book, fixed by the installed program from a folder without fonts.
src="$work/src" book="$work/Books/book.epub"
mkdir -p "$src/META-INF" "$src/OEBPS" "$work/Books" "$work/elsewhere" "$work/runtime"
chmod 700 "$work/runtime"
printf 'application/epub+zip' >"$src/mimetype"
printf '<container/>' >"$src/META-INF/container.xml"
printf 'p { font-size: 12pt; }\r\n' >"$src/OEBPS/style.css"
(cd "$src" && zip -qX0 "$book" mimetype && zip -qXr "$book" META-INF OEBPS)
(cd "$work/elsewhere" && XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  "$work/prefix/bin/bindwell-cli" "$work/Books" >/dev/null)
# Listed into a file first: with pipefail, grep -q closing the pipe early
# would fail the listing.
unzip -l "$book" >"$work/listing"
grep -q LiberationSerif-BoldItalic.ttf "$work/listing" || { echo "fonts not embedded"; exit 1; }
echo "installed and ran"

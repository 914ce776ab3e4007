#!/usr/bin/env bash
# Builds the Debian package from a build folder and looks inside it, without
# installing it: its files, its control fields and dependencies, the
# desktop entry, AppStream file and manual pages it carries, and a book
# fixed by the packaged bindwell-cli started from /.
set -euo pipefail
build="$1" version="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$work/out/bindwell_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/out")"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for file in /usr/bin/bindwell /usr/bin/bindwell-cli /usr/lib/bindwell/libunzip32.so /usr/lib/bindwell/libzip32.so \
            /usr/share/applications/bindwell.desktop /usr/share/icons/hicolor/scalable/apps/bindwell.svg \
            /usr/share/metainfo/example.bindwell.Bindwell.metainfo.xml /usr/share/man/man1/bindwell.1.gz \
            /usr/share/man/man1/bindwell-cli.1.gz; do
  grep -qx "$file" "$work/files" || fail "not in the package: $file"
done
for language in en de fr es pt_BR pl ru zh_CN; do
  grep -qx "/usr/share/bindwell/translations/bindwell_$language.qm" "$work/files" || fail "no $language translation"
done
if grep -v '^/usr/' "$work/files" | grep -q .; then fail "files outside /usr: $(grep -v '^/usr/' "$work/files")"; fi
if grep -q '\.ttf$' "$work/files"; then fail "the package copies the fonts"; fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = bindwell ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"
depends=$(field Depends)
for package in libqt6widgets6 libqt6dbus6 libzip4 libpcre2-8-0 libharfbuzz-subset0 libexttextcat-2.0-0 \
  fonts-liberation2 qt6-translations-l10n iso-codes; do
  grep -q "\\b$package\\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/bindwell.desktop"
# File managers offer it for books and folders, and hand it their paths.
grep -qx 'Exec=bindwell %F' "$work/root/usr/share/applications/bindwell.desktop" || fail "the entry takes no paths"
grep -qx 'MimeType=application/epub+zip;inode/directory;' "$work/root/usr/share/applications/bindwell.desktop" ||
  fail "the entry opens no books or folders"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/example.bindwell.Bindwell.metainfo.xml" >"$work/appstream" ||
  { cat "$work/appstream"; fail "the AppStream file is not valid"; }
for page in bindwell bindwell-cli; do
  gzip -dc "$work/root/usr/share/man/man1/$page.1.gz" >"$work/$page.1"
  warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z "$work/$page.1" 2>&1)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done

# The packaged program, started from /, finds its private libraries and
# the system's fonts, and fixes a book.
src="$work/src" book="$work/Books/book.epub"
mkdir -p "$src/META-INF" "$src/OEBPS" "$work/Books" "$work/runtime"
chmod 700 "$work/runtime"
printf 'application/epub+zip' >"$src/mimetype"
printf '<container/>' >"$src/META-INF/container.xml"
printf 'p { font-size: 12pt; }\r\n' >"$src/OEBPS/style.css"
(cd "$src" && zip -qX0 "$book" mimetype && zip -qXr "$book" META-INF OEBPS)
(cd / && LANG=de_DE.UTF-8 XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  "$work/root/usr/bin/bindwell-cli" "$work/Books" >"$work/summary")
grep -q "Fertig, Ihre Bücher sind bereit" "$work/summary" || fail "the packaged translation is not found: $(cat "$work/summary")"
unzip -l "$book" >"$work/listing"
grep -q LiberationSerif-BoldItalic.ttf "$work/listing" || fail "fonts not embedded"
echo "package $(basename "$deb") holds what it should"

#!/usr/bin/env bash
# The desktop's own Trash reads what bindwell-cli put there: GLib's gio
# lists each original with the path it came from, and gio's Restore brings
# one back byte for byte.
#     DesktopTrashTest.sh BUILD_FOLDER
set -euo pipefail
build="$1"
for tool in gio dbus-run-session zip; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Books/Les Mis$(printf '\303\251')rables" "$work/runtime"
chmod 700 "$work/runtime"
. "$(dirname "$0")/../support/make_epub.sh"
make_epub "$work/one.epub"
first="$work/Books/Les Mis$(printf '\303\251')rables/Tome 1.epub"
second="$work/Books/Tome 1.epub"
cp "$work/one.epub" "$first"
cp "$work/one.epub" "$second"

export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
"$build/bin/bindwell-cli" --keep-originals "$work/Books" >"$work/out.txt"
grep -q "The original books are in the Trash." "$work/out.txt"

# Both originals, under two names, each with the path it came from (gio
# shows the bytes of a path that are not ASCII as \xHH).
dbus-run-session -- gio trash --list >"$work/list.txt" 2>/dev/null
while IFS= read -r line; do printf '%b\n' "$line"; done <"$work/list.txt" | sort >"$work/listed.txt"
printf 'trash:///Tome%%201.epub\t%s\ntrash:///Tome%%201.2.epub\t%s\n' "$second" "$first" | sort >"$work/expected.txt"
if ! diff -u "$work/expected.txt" "$work/listed.txt"; then
  echo "gio trash --list does not list the originals as expected"
  exit 1
fi

# The user removes the fixed book and restores the original. (GLib 2.74's
# gio restores a path that is not ASCII to its \xHH form, so the book
# restored here has an ASCII path.)
rm "$second"
dbus-run-session -- gio trash --restore 'trash:///Tome%201.epub' 2>/dev/null
cmp "$work/one.epub" "$second"
echo "gio lists both originals with their paths and restores one byte for byte"

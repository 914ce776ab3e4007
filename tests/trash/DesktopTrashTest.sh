#!/usr/bin/env bash
# The desktop's own Trash reads what bindwell-cli put there: GLib's gio
# lists each original with the path it came from, and gio's Restore brings
# one back byte for byte; on an e-reader's own filesystem (FAT, as root),
# also once the reader is mounted at another folder.
#     DesktopTrashTest.sh BUILD_FOLDER
set -euo pipefail
build="$1"
for tool in gio dbus-run-session zip; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'for m in "$work"/reader*; do fusermount -u "$m" 2>/dev/null || true; done; rm -rf "$work"' EXIT
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
# Only this test's own originals: gio lists the Trash of every filesystem
# mounted, and another run of a test may have one mounted meanwhile.
while IFS= read -r line; do printf '%b\n' "$line"; done <"$work/list.txt" | grep -F "	$work/" | sort >"$work/listed.txt"
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

# An e-reader: a FAT filesystem of its own, mounted at one folder for the
# run and at another for the restore.
if [ "$(id -u)" -ne 0 ] || ! command -v fusefat >/dev/null || ! command -v mkfs.vfat >/dev/null; then
  echo "the e-reader part needs root, fusefat and mkfs.vfat: skipped"
  exit 0
fi
truncate -s 8M "$work/reader.img"
mkfs.vfat -n READER "$work/reader.img" >/dev/null
mkdir -p "$work/reader" "$work/reader1"
fusefat -o rw+ "$work/reader.img" "$work/reader" >/dev/null 2>&1
mkdir -p "$work/reader/Books"
cp "$work/one.epub" "$work/reader/Books/a.epub"
"$build/bin/bindwell-cli" --keep-originals "$work/reader/Books" >"$work/out.txt"
grep -qx 'Path=Books/a.epub' "$work/reader/.Trash-0/info/a.epub.trashinfo" || {
  echo "the e-reader's trash does not name the book from its top folder:"; cat "$work/reader/.Trash-0/info/a.epub.trashinfo"; exit 1; }
fusermount -u "$work/reader"
fusefat -o rw+ "$work/reader.img" "$work/reader1" >/dev/null 2>&1
dbus-run-session -- gio trash --list 2>/dev/null | grep -F "$work/reader1/Books/a.epub" >"$work/listed.txt" || {
  echo "gio trash --list does not show the original at the reader's new folder"; exit 1; }
rm "$work/reader1/Books/a.epub"
dbus-run-session -- gio trash --restore "$(cut -f1 "$work/listed.txt")" 2>/dev/null
cmp "$work/one.epub" "$work/reader1/Books/a.epub"
echo "on an e-reader mounted elsewhere, gio lists the original at its new path and restores it"

#!/usr/bin/env bash
# The fix a user would script with the stock command-line tools, book by
# book: unzip, the two regex edits in perl, cp of the four fonts, zip -9,
# mv over the book. With --unpack-only: only unzip -t of every book, which
# inflates and checks every entry and writes nothing: the least any fix
# that unpacks a book can cost.
#     stock_pipeline.sh [--unpack-only] FOLDER FONT_FOLDER
set -euo pipefail
mode=fix
if [ "${1:-}" = "--unpack-only" ]; then mode=unpack-only; shift; fi
[ $# -eq 2 ] || { echo "usage: $0 [--unpack-only] FOLDER FONT_FOLDER" >&2; exit 2; }
# Absolute paths: the work happens in other folders.
folder=$(realpath "$1") fonts=$(realpath "$2")
edits="$(cd "$(dirname "$0")" && pwd)/stock_edits.pl"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

find "$folder" -iname '*.epub' -type f -print0 | sort -z | while IFS= read -r -d '' book; do
  if [ "$mode" = unpack-only ]; then
    unzip -tqq "$book" >/dev/null
    continue
  fi
  rm -rf "$work/book" && mkdir "$work/book"
  unzip -qq "$book" -d "$work/book"
  perl "$edits" "$work/book"
  cp "$fonts"/LiberationSerif-Regular.ttf "$fonts"/LiberationSerif-Italic.ttf \
     "$fonts"/LiberationSerif-Bold.ttf "$fonts"/LiberationSerif-BoldItalic.ttf "$work/book"/
  # mimetype first and stored, so that the book stays a valid EPUB.
  (cd "$work/book" && zip -qq -X -0 "$book.tmp" mimetype && zip -qq -X -9 -r "$book.tmp" . -x mimetype)
  mv "$book.tmp" "$book"
done

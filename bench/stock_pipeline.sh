#!/usr/bin/env bash
# The fix a user would script with the stock command-line tools, book by
# book: unzip, the two regex edits in perl, cp of the four fonts, zip -9,
# mv over the book. With --floor: only unzip and zip -0, the least any
# unpack-and-repack can cost.
#     stock_pipeline.sh [--floor] FOLDER FONT_FOLDER
set -euo pipefail
floor=0
if [ "$1" = "--floor" ]; then floor=1; shift; fi
folder="$1" fonts="$2"
edits="$(cd "$(dirname "$0")" && pwd)/stock_edits.pl"

find "$folder" -iname '*.epub' -type f -print0 | sort -z | while IFS= read -r -d '' book; do
  work=$(mktemp -d)
  unzip -qq "$book" -d "$work"
  if [ "$floor" = 1 ]; then
    (cd "$work" && zip -qq -X -0 -r "$book.tmp" .)
  else
    perl "$edits" "$work"
    cp "$fonts"/LiberationSerif-Regular.ttf "$fonts"/LiberationSerif-Italic.ttf \
       "$fonts"/LiberationSerif-Bold.ttf "$fonts"/LiberationSerif-BoldItalic.ttf "$work"/
    # mimetype first and stored, so that the book stays a valid EPUB.
    (cd "$work" && zip -qq -X -0 "$book.tmp" mimetype && zip -qq -X -9 -r "$book.tmp" . -x mimetype)
  fi
  mv "$book.tmp" "$book"
  rm -rf "$work"
done

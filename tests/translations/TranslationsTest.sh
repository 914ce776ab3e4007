#!/usr/bin/env bash
# Every text the sources show is in every translation, finished, with the
# same arguments: lupdate reads the sources into copies of the .ts files,
# and the copies must gain no text and hold nothing unfinished.
#     TranslationsTest.sh SOURCE_FOLDER LUPDATE
set -euo pipefail
source_folder="$1" lupdate="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_folder"/translations/*.ts "$work/"
cd "$source_folder"
mapfile -t sources < <(find app cli fixing archive files common -name '*.cpp' | sort)
languages=()
for ts in "$work"/bindwell_*.ts; do
  [ "$(basename "$ts")" = bindwell_en.ts ] || languages+=("$ts")
done
"$lupdate" -locations none -no-obsolete "${sources[@]}" -ts "${languages[@]}" >"$work/lupdate.log" 2>&1
# English holds only the plural forms; a new plural text shows there as
# unfinished.
"$lupdate" -locations none -no-obsolete -pluralonly "${sources[@]}" -ts "$work/bindwell_en.ts" >/dev/null 2>&1
if grep -E '\(([1-9][0-9]*) new' "$work/lupdate.log"; then
  echo "texts of the sources are missing from the translations: run the update_translations target and translate them"
  exit 1
fi
/usr/bin/python3 "$here/check_translations.py" "$work"/bindwell_*.ts

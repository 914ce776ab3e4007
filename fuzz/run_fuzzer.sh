#!/usr/bin/env bash
# Runs one fuzzing target for SECONDS on its corpus, seeding the corpus
# with a few real archives or texts when it is empty. A crash leaves its
# input in ARTIFACTS and fails the run.
#     run_fuzzer.sh TARGET SECONDS CORPUS ARTIFACTS
set -euo pipefail
target="$1" seconds="$2" corpus="$3" artifacts="$4"
name=$(basename "$target")
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$corpus" "$artifacts"

if [ -z "$(ls -A "$corpus")" ]; then
  seeds=$(mktemp -d)
  trap 'rm -rf "$seeds"' EXIT
  mkdir -p "$seeds/book/META-INF" "$seeds/book/OEBPS/Styles"
  printf 'application/epub+zip' >"$seeds/book/mimetype"
  printf '<container/>' >"$seeds/book/META-INF/container.xml"
  printf '<package><manifest id="m">\r\n<item href="a.css"/></manifest></package>' >"$seeds/book/OEBPS/content.opf"
  printf 'body { margin: 0; }\r\np { font-size: 12pt; text-indent: 1em }\r\n' >"$seeds/book/OEBPS/Styles/a.css"
  case "$name" in
    fuzz_unzip)
      (cd "$seeds/book" && zip -qX0 "$corpus/stored.zip" mimetype && zip -qXr "$corpus/stored.zip" META-INF OEBPS &&
        zip -qXr -9 "$corpus/deflated.zip" . && zip -qX -P pw "$corpus/encrypted.zip" mimetype) ;;
    fuzz_stylesheet)
      { printf '\007'; cat "$seeds/book/OEBPS/Styles/a.css"; } >"$corpus/seed"
      { printf '\177'; cat "$seeds/book/OEBPS/Styles/a.css"; } >"$corpus/seed-every-option"
      printf '\177@charset "Shift_JIS";\r\np { font-family: \203\175\226\276; font-size: 1em; content: "\203\134" }' \
        >"$corpus/seed-shift-jis" ;;
    fuzz_package) { printf '\000'; cat "$seeds/book/OEBPS/content.opf"; } >"$corpus/seed" ;;
    fuzz_characters)
      printf '\000<?xml version="1.0"?><p title="t">caf&eacute; &#x2192;<img alt="\303\251"/><!-- c --></p>' \
        >"$corpus/markup"
      { printf '\001'; cat "$seeds/book/OEBPS/Styles/a.css"; printf 'q::before { content: "\\201C" }'; } \
        >"$corpus/stylesheet"
      # a stylesheet and a document of the same length: the list markers and labels it draws
      printf '\002ol{list-style:hebrew}h1::before{content:attr(data-x)}<h1 data-x="\316\261" style="list-style:armenian">Tea.</h1>' \
        >"$corpus/labels" ;;
    fuzz_kindle)
      printf '\000<html xmlns="http://www.w3.org/1999/xhtml" lang="C" xml:lang="english"><p>Caf\303\251</p></html>' \
        >"$corpus/content"
      printf '\000<?xml version="1.0"?>\r\n<html lang="pt_BR"/>' >"$corpus/declaration"
      printf '\000<!-- c --><html lang="mul"><head><meta http-equiv="Content-Type" content="text/html; '\
'charset=windows-1252"/><meta charset="x"></head><p>Caf\351</p></html>' >"$corpus/meta"
      printf '\001<package xmlns="http://www.idpf.org/2007/opf"><metadata xmlns:dc="http://purl.org/dc/elements/1.1/">'\
'<dc:title>T</dc:title>\r\n  <dc:language>pt_BR</dc:language></metadata></package>' >"$corpus/package"
      printf '\001<package><metadata xmlns:dc="http://purl.org/dc/elements/1.1/">'\
'<dc:language> <!-- c -->en<?pi x?>-GB-oed </dc:language></metadata></package>' >"$corpus/commented"
      printf '\001<opf:package xmlns:opf="http://www.idpf.org/2007/opf"><opf:metadata>'\
'<dc:title xmlns:dc="http://purl.org/dc/elements/1.1/">T</dc:title></opf:metadata></opf:package>' \
        >"$corpus/no-language"
      printf '\000<html><body id="b1"><a href="a.xhtml#b1">x</a><a href="../b.xhtml#b1"/><img alt=""></img>'\
'<IMG/><img src="p.png"/><svg><a xlink:href="a.xhtml#b1"/></svg><script>"<img>"</script></body></html>' \
        >"$corpus/links"
      printf '\001<package version="3.0"><metadata>\n  <dc:title>T</dc:title>\n  <meta name="cover" content="x"/>'\
'</metadata><manifest><item id="c" href="Images/Cover.jpg" media-type="image/jpeg" properties="svg"/>'\
'<item id="cover" href="c.xhtml" media-type="application/xhtml+xml"/></manifest></package>' >"$corpus/cover" ;;
    fuzz_face_cache)
      # over a valid file: at its start, in the characters, in the first face
      printf '\000\000BWFACES2' >"$corpus/magic"
      printf '\010\000\377\377' >"$corpus/count"
      printf '\040\000\001' >"$corpus/face" ;;
    fuzz_references)
      printf '\001<package xmlns="http://www.idpf.org/2007/opf"><manifest>\r\n  <item id="a" href="a.css"/>\r\n'\
'<opf:item xmlns:opf="http://www.idpf.org/2007/opf" id="b" href="Styles/a.css"></opf:item></manifest>'\
'<spine><itemref idref="c"/></spine></package>' >"$corpus/package"
      printf '\000<?xml-stylesheet href="../a.css"?>\n<html xmlns="http://www.w3.org/1999/xhtml"><head>\n'\
'  <link rel="stylesheet" href="./a%%20b.css"/><link rel="icon" href="a.png"/>\n</head></html>' >"$corpus/content" ;;
    fuzz_pictures)
      # small pictures of each kind, larger than the smallest screens, each behind the rule's byte
      vips black "$seeds/colour.v" 300 200 --bands 3
      vips black "$seeds/grey.v" 200 300
      for picture in "colour photo.jpg[Q=80]" "colour progressive.jpg[interlace]" "grey grey.png" \
                     "colour palette.png[palette]"; do
        read -r from to <<<"$picture"
        vips copy "$seeds/$from.v" "$seeds/$to"
        { printf '\003'; cat "$seeds/${to%%.*}".*g; } >"$corpus/${to%%.*}"
      done ;;
    fuzz_kobo)
      printf '\001<html xmlns="http://www.w3.org/1999/xhtml"><head><title>T</title></head><body><p>One. Two! '\
'"Three?" <em>x. y</em></p><img src="a"/><pre>a. b</pre><svg xmlns="http://www.w3.org/2000/svg"><text>s.</text>'\
'</svg></body></html>' >"$corpus/page"
      printf '\000<?xml version="1.0"?><!DOCTYPE html [<!ENTITY e "x. y">]><html><head/><body>&e; z.<p>&amp;. '\
'&#8221;</p><![CDATA[a. b]]><!-- c. --></body></html>' >"$corpus/references" ;;
  esac
fi

dict=()
[ "$name" = fuzz_unzip ] || [ "$name" = fuzz_pictures ] || dict=(-dict="$here/css.dict")
log=$(mktemp)
status=0
"$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$artifacts/$name-" "${dict[@]}" "$corpus" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  grep -A30 -E "==[0-9]+==ERROR|runtime error|deadly signal|Test unit written" "$log" | head -60
fi
grep -E "^Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb)" "$log" || true
rm -f "$log"
exit "$status"

# Sourced by the test and screenshot scripts: make_epub BOOK [CHAPTER
# [ENCRYPTION]] writes a small EPUB at BOOK (a package document, a
# stylesheet with a fixed font size, CHAPTER's file and the text
# ENCRYPTION as META-INF/encryption.xml when given), with the zip tool.
make_epub() {
  local book="$1" chapter="${2:-}" encryption="${3:-}" dir
  dir=$(mktemp -d)
  mkdir -p "$dir/META-INF" "$dir/OEBPS" "$(dirname "$book")"
  printf 'application/epub+zip' >"$dir/mimetype"
  printf '<?xml version="1.0"?><container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><rootfiles><rootfile full-path="OEBPS/content.opf" media-type="application/oebps-package+xml"/></rootfiles></container>' \
    >"$dir/META-INF/container.xml"
  printf '<package><manifest></manifest></package>' >"$dir/OEBPS/content.opf"
  printf 'p { font-size: 11pt; }' >"$dir/OEBPS/style.css"
  [ -z "$chapter" ] || cp "$chapter" "$dir/OEBPS/"
  [ -z "$encryption" ] || printf '%s' "$encryption" >"$dir/META-INF/encryption.xml"
  (cd "$dir" && zip -qX0 "$book" mimetype && zip -qXr9 "$book" META-INF OEBPS)
  rm -rf "$dir"
}

#pragma once

// The characters a content document's text draws, read in one pass without a tree.

#include <string_view>

class CharacterSet;

// One pass over an XHTML, HTML or SVG document's text (UTF-8, its
// byte-order mark taken off), collecting what a reader draws from it:
// text, CDATA sections, the values of alt and title attributes and of
// those a stylesheet draws with attr(), with references resolved, what
// <style> elements draw, and the list markers of style attributes;
// not names, comments, processing instructions, the document type
// declaration (but the text of the entities its internal subset declares)
// or <script> elements. It marks the book's text unreadable as
// BookCharacters describes. marked: a byte-order mark decided the
// encoding, so that the document's own declarations do not count.
void CollectMarkupCharacters(std::string_view text, bool marked, CharacterSet& out);

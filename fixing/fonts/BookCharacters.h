#pragma once

// The characters one book's text needs, read from its content documents and stylesheets.

#include "CharacterSet.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The characters one book's text needs, so that the faces embedded in it
// can be cut down to them. Fed document by document with the bytes of the
// book's content documents and stylesheets, in one pass over each (two
// over a document whose <style> names an attribute for attr()) and
// without building a tree (MarkupCharacters, StylesheetCharacters, into
// one CharacterSet); one object per book, not shared between threads.
//
// From a content document (XHTML, HTML, SVG) it takes every character of
// the text and of the values of `alt` and `title` attributes (any prefix,
// as xlink:title) and of those a stylesheet draws with attr(), with
// character references and entities resolved, what its <style> elements
// draw as a stylesheet does, and the list markers its style attributes
// name. Element and attribute names, other attribute values,
// comments, processing instructions, the document type declaration and
// the content of <script> elements (program text, not shown) give none.
//
// Entities are those EntityCharacter knows (the XML five, all of HTML 4,
// and HTML's typographic ones books use). A reference to the code points
// U+0080 to U+009F brings in the Windows-1252 character of that number
// too, which is what an HTML reader shows for it.
//
// From a stylesheet it takes the strings of its `content` and `quotes`
// declarations, CSS escapes resolved: what generated content draws; the
// markers of the list styles it names (StylesheetCharacters says where);
// and the names of the attributes `content` draws with attr(), whose
// values it then takes from every content document added after it, as it
// takes alt and title.
//
// The text of a document or stylesheet is read as UTF-8 (with or without
// its byte-order mark) or as UTF-16 (with its mark). A book's text is
// unreadable, and its faces are to be embedded whole, when a document
// - is not valid UTF-8 (Latin-1 bytes, control bytes such as NUL in
//   UTF-16 without its mark or ESC in ISO-2022), or starts with a UTF-32
//   mark, or holds a lone UTF-16 surrogate;
// - names an encoding other than UTF-8 in its XML declaration or in a
//   <meta> charset, without a byte-order mark (which readers obey first),
//   unless the encoding reads ASCII as ASCII (US-ASCII, ISO-8859-*,
//   Windows-125x, KOI8) and every byte of the document is ASCII;
// - uses an entity EntityCharacter does not know and no internal document
//   type subset declares: its character cannot be known;
// and when a stylesheet's @charset names an encoding that does not read
// ASCII as ASCII, or a `content` or `quotes` string is not valid UTF-8 or
// holds bytes past ASCII while its @charset names another encoding. A
// protected book's documents are unreadable too: their encrypted bytes
// are not UTF-8. Once unreadable, further documents are not read.
class BookCharacters {
public:
    // Adds the characters of one content document, given as its bytes.
    void AddContentDocument(std::string_view bytes);

    // Adds what one stylesheet draws, given as its bytes. The book's
    // stylesheets come before its content documents: the attributes they
    // name are read from the documents.
    void AddStylesheet(std::string_view bytes);

    // False once a document or stylesheet could not be read: then the
    // book gets its faces whole.
    bool Readable() const { return set_.Readable(); }

    // The characters the faces must have for this book, in ascending
    // order, each once: those collected, the upper-, lower- and title-case
    // forms of each (what text-transform and small capitals draw), and
    // what reading systems draw themselves: U+0020 to U+007E, the no-break
    // space, the soft hyphen, U+2010 to U+2015, U+2018 to U+201F, U+2026,
    // and the markers of lists (U+2022, U+25E6, U+25AA). Books with the
    // same characters give equal sets. With page, each collected character
    // and its case forms bring in the page code points around them (those
    // readers draw are added as they are): books of one script share more
    // often one set, cut once, for some kilobytes more a book.
    std::vector<char32_t> Characters(char32_t page = 1) const;

private:
    CharacterSet set_;
};

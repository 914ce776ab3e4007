#pragma once

// What a content document gains to become a Kobo book's: the spans around each sentence, the two divisions
// around the body and the style element Kobo's renderer reads, all as bytes added to the document's own.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Bytes to put into a document before the byte at offset at (the document's
// own offset, before anything is added).
struct KoboInsertion {
    std::size_t at = 0;
    std::string bytes;
};

// The style element for the package's version: EPUB 2 content is XHTML
// 1.1, which allows no class on style.
enum class KoboStyle { WithClass, WithoutClass };

struct KoboDocument {
    // Why the document cannot be edited safely: it is not UTF-8 or UTF-16,
    // or does not read as XML; then there are no insertions.
    enum class Problem { None, NotUtf, NotXml } problem = Problem::None;
    std::string xmlError;                  // NotXml: "line 3: ..."
    std::vector<KoboInsertion> insertions; // in document order; at the same offset, in the order they go
    std::size_t spans = 0;                 // sentences and pictures wrapped
};

// The insertions that make document, UTF-8, a Kobo book's document:
//   - <div id="book-columns"><div id="book-inner"> right after the body's
//     start tag and </div></div> right before its end tag, unless the
//     document holds book-columns already;
//   - the style element right before </head>, unless it is there already;
//   - each sentence of the body's text in <span class="koboSpan"
//     id="kobo.P.S">, P going up at each p, ol, ul, table and h1-h6 start
//     tag and before each img, S counting the spans since; and each img in a
//     span of its own. A sentence ends after ".", "!" or "?", the closing
//     quotes or ellipsis after them, and the white space after those; the
//     text's leading white space stays outside. Spans never cross a tag,
//     comment or CDATA section. Nothing inside script, style, pre, svg,
//     math, audio, video, or an element of another namespace is wrapped.
KoboDocument KoboInsertions(std::string_view document, KoboStyle style);

// document with the insertions made.
std::string WithInsertions(std::string_view document, const std::vector<KoboInsertion>& insertions);

// The document as a Kobo book's, as KoboInsertions makes it, in its own
// encoding: UTF-8, or UTF-16 with its byte-order mark (the insertions are
// then written in UTF-16 too). nullopt where nothing is added or the
// document has a problem, which found says.
std::optional<std::string> KoboEdited(std::string_view document, KoboStyle style, KoboDocument& found);

// Whether the document holds Kobo's spans already: a book from Kobo's
// store, or one converted before.
bool HoldsKoboSpans(std::string_view document);

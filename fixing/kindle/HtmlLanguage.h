#pragma once

// The language a content document's html element states, read and rewritten.

#include <optional>
#include <string>
#include <string_view>

// The language a content document's html element (its root) states in
// its lang and xml:lang attributes. A document is given as its bytes, in
// any encoding TextEncoding edits (UTF-16 with its mark is edited in
// UTF-16); only the part up to the end of the html start tag is read.

struct HtmlLanguageValues {
    std::optional<std::string> lang;     // as written, references unresolved
    std::optional<std::string> xmlLang;
    // The text ends before the html start tag does (in what comes before
    // the root, or within the tag): more of the document may tell more.
    bool cutShort = false;
};

// Both values, absent where the root is no html element, the attribute
// is missing or the start tag cannot be read (those before the text ends,
// where it is cut short).
HtmlLanguageValues ReadHtmlLanguage(std::string_view document);

// The document with code in place of every value of the html element's
// lang and xml:lang that is unusableValue (both without surrounding white
// space, in any case): how a book keeps one language when its package
// document's unusable value is replaced. Every other byte stays. nullopt
// where no value changes, or unusableValue is empty or white space.
std::optional<std::string> RewriteHtmlLanguage(std::string_view document, std::string_view unusableValue,
                                               const std::string& code);

#pragma once

// The prolog of an XML document's text, read alike by every edit: its XML
// declaration, and what stands before the root element.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The XML declaration that opens a text: after a UTF-8 mark and any white
// space (a misplaced declaration, but the document's own all the same),
// "<?xml" in any case followed by white space or "?". Read as far as its
// pseudo-attributes read: name, "=", a quoted value.
struct XmlDeclaration {
    struct Pseudo {
        std::string_view name;
        std::size_t valueBegin = 0;  // offsets in the text, inside the quotes
        std::size_t valueEnd = 0;    // at the closing quote
    };

    std::size_t begin = 0;                       // its "<"
    std::size_t close = std::string_view::npos;  // its "?>"; npos where the text ends first
    std::vector<Pseudo> attributes;              // as written, up to the first that does not read
    bool allRead = false;                        // every one read, up to "?>"

    // The first pseudo-attribute of that name (written in lower case, found
    // in any case); nullptr where there is none.
    const Pseudo* Find(std::string_view lowerName) const;
};

std::optional<XmlDeclaration> ReadXmlDeclaration(std::string_view text);

// Where the root element's "<" stands: past a UTF-8 mark, the XML
// declaration, processing instructions, comments, the document type (its
// internal subset and quoted ids included) and white space.
struct PrologEnd {
    enum What {
        Root,      // at is the root element's "<"
        CutShort,  // the text ends before the prolog does, or before a start tag could begin
        Other,     // something that is no markup stands there: no root element follows
    } what = Other;
    std::size_t at = 0;
};

PrologEnd SkipProlog(std::string_view text);

#pragma once

// The start and end tags of a markup document, read as bytes with their offsets, for edits that only delete or insert bytes.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

// One attribute of a start tag, as written.
struct MarkupAttribute {
    std::string_view name;   // qualified, as written ("xlink:href")
    std::string_view value;  // between its quotes (or the unquoted run); entities as written
    std::size_t valueAt = 0; // the offset of value's first byte in the document
};

// One start or end tag.
struct MarkupTag {
    bool end = false;          // </name>
    bool selfClosing = false;  // <name/>
    std::size_t begin = 0;     // the offset of its "<"
    std::size_t close = 0;     // the offset of its closing "/>" or ">"
    std::size_t after = 0;     // the offset just after its ">"
    std::string_view name;     // qualified, as written
    std::vector<MarkupAttribute> attributes;

    // The name without its prefix ("img" of "h:img").
    std::string_view LocalName() const;
    // The first attribute of that name, any ASCII case; nullptr where none.
    const MarkupAttribute* Attribute(std::string_view attribute) const;
};

// Shows every start and end tag of markup, in order; see answers false to
// stop. Comments, CDATA sections, processing instructions and
// declarations (a document type with its internal subset) are passed
// over, as is the text of script and style elements. Returns true where
// the whole of markup was read so, and false where a construct does not
// end (a tag, a comment, a quoted value cut short) or a "<" begins none:
// the document is not what it seems, and no edit should rest on it.
bool ForEachTag(std::string_view markup, const std::function<bool(const MarkupTag&)>& see);

#pragma once

// The markup Send to Kindle refuses: links to a document's body element, and pictures without a source.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The id of the document's body element; nullopt where it has none, or
// where the markup does not read to its end (see ForEachTag).
std::optional<std::string> BodyId(std::string_view document);

// Whether the document may need MendKindleMarkup: it holds a link with a
// fragment, or an img element without a src. Read as MendKindleMarkup
// reads it, without knowing the other documents' bodies.
bool MayNeedKindleMends(std::string_view document);

struct KindleMends {
    std::string document;
    std::size_t links = 0;     // links that lost their fragment
    std::size_t pictures = 0;  // img elements deleted
};

// The document (a content document, the nav document or the NCX, entry
// its name in the book) with every href, src and xlink:href whose fragment
// is the id of the body element of the document it points to (bodyIds, by
// entry name; the path resolved from entry) cut back to the path, and
// every img element without a src deleted (its start tag, and its end tag
// where it has one). Bytes are only deleted; every other element and
// every other link stays, and so does a link to the document itself
// ("#id" alone), whose fragment is all it has. nullopt where nothing is
// to be done, or the markup does not read to its end.
std::optional<KindleMends> MendKindleMarkup(std::string_view document, const std::string& entry,
                                            const std::map<std::string, std::string>& bodyIds);

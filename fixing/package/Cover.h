#pragma once

// Which manifest item of a package document is the book's cover, and naming it both ways readers look for it.

#include <optional>
#include <string>
#include <string_view>

// The id of the cover item of a package document, given as its bytes: the
// manifest item whose properties hold "cover-image"; else the image item
// that a <meta name="cover"> names by its id; else the one image item
// whose id, or file name without its extension, is "cover" (any case).
// nullopt where there are two such candidates, or none, or where the
// document is in UTF-16 or is not markup that reads to its end.
std::optional<std::string> FindCover(std::string_view packageDocument);

// The cover named both ways, as edits of the document's bytes: in an
// EPUB 3 package the cover item gets the property "cover-image" (beside
// the properties it has) and the metadata a <meta name="cover"> naming
// it; in an EPUB 2 package only the meta. A meta that names no image item
// is mended to name the cover; one that names another image item stays.
// Only bytes are put in: nothing else changes. nullopt where nothing is to
// be done, or no cover is found.
std::optional<std::string> NameCoverBothWays(std::string_view packageDocument);

// The property alone, for readers that find the cover only by it: an
// EPUB 3 package whose cover a <meta name="cover"> names, and no item's
// properties, gets "cover-image" on that item; nothing else changes.
// nullopt where nothing is to be done.
std::optional<std::string> GiveCoverItsProperty(std::string_view packageDocument);

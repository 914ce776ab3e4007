#pragma once

// What a package document says of the book's content documents: its manifest and spine.

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class QString;

// What a package document says about the book's content documents, as
// entry names in the book: each manifest href resolved against the
// package document's folder and percent-decoded. Hrefs with a scheme
// (remote resources), absolute ones and those that climb out of the book
// name no entry and are passed over, as are fragments.
struct PackageContents {
    std::vector<std::string> spine;    // the spine's items, in its order, each once
    std::set<std::string> xhtmlItems;  // items of media type application/xhtml+xml
    std::set<std::string> ncxItems;    // items of media type application/x-dtbncx+xml: the NCX
};

// The entry an href names from the folder of documentEntry (a package or
// content document, as "OEBPS/content.opf"), as PackageContents resolves
// them; nullopt where it names none in the book.
std::optional<std::string> EntryOf(const QString& href, const std::string& documentEntry);

// Reads the manifest and spine (elements named item and itemref, in any
// namespace) of a package document given as its bytes (see
// PackageLanguage), as far as it is well-formed. packageEntry is the
// document's own entry name, as "OEBPS/content.opf".
PackageContents ReadPackageContents(std::string_view packageDocument, const std::string& packageEntry);

// entries in the order a reader meets them: the spine's first, in its
// order, then the rest as they came.
std::vector<std::string> InSpineOrder(std::vector<std::string> entries, const PackageContents& contents);

#pragma once

// Which entries of a book the fix edits and which are its content
// documents: the one definition that every option reading or editing them
// goes by.

#include "PackageSpine.h"

#include <string>
#include <string_view>
#include <vector>

// Whether a part of an entry's name begins with a dot (".DS_Store",
// "OEBPS/.hidden.xhtml", ".svn/text-base/ch1.xhtml"): such entries are
// another program's, or hidden by their owner, and keep their bytes; no
// option reads or edits them.
bool IsHiddenEntry(std::string_view name);

// Whether an entry is a stylesheet the fix edits (or deletes) by its name:
// one ending in ".css", any case.
bool IsStylesheetName(std::string_view name);

// Whether an entry is a package document by its name alone: one ending in
// "content.opf", any case (the container names the others).
bool IsPackageDocumentName(std::string_view name);

// The patterns that name what the fix unpacks to edit by name: the
// stylesheets and the package documents so named.
std::vector<std::string> EditedByNamePatterns();

enum class DocumentKind {
    None,
    Markup,  // XHTML or HTML: by its name (.xhtml, .xht, .html, .htm, any case) or an
             // application/xhtml+xml item of the manifest
    Svg,     // an SVG document (.svg, any case), whose text a reader draws too
};

// What an entry is; None for every hidden one (see IsHiddenEntry).
DocumentKind KindOfDocument(std::string_view name, const PackageContents& contents);

// The patterns (case ignored, "*" and "?") that name every markup document
// of a book and, withSvg, every SVG document: what the readers of content
// documents ask the book for. Hidden entries match them too: KindOfDocument
// tells them apart.
std::vector<std::string> DocumentPatterns(const PackageContents& contents, bool withSvg);

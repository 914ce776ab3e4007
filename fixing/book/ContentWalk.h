#pragma once

// The walk of an unpacked book: its stylesheets and package documents, edited or deleted as the options say.

#include "FixOptions.h"
#include "FixRecord.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

// A file of an unpacked book that the fix edits, by its name in the book.
struct EditedFile {
    std::string name;
    enum Kind { Stylesheet, PackageDocument } kind;
};

// The stylesheets (names ending in ".css", any case) and package documents
// (names ending in "content.opf", any case, and those the book's
// META-INF/container.xml names) of the unpacked book below FolderPath
// (which ends in the separator): each folder's files before its
// sub-folders, depth first.
std::vector<EditedFile> FindEditedFiles(const std::string& FolderPath);

// What FindCSS did to a book, besides what it counts in the book's record.
struct WalkResult {
    bool changed = false;                      // a file was rewritten or deleted
    std::set<std::string> deletedStylesheets;  // their names in the book
    std::optional<std::string> leftAlone;      // why the book is to be left as it is
};

// Fixes the whole unpacked book below FolderPath (which ends in the
// separator) as options say: every stylesheet (see FindEditedFiles) is
// rewritten, or deleted when DeleteCSS is on; every package document gets
// the font items when IntlFonts is on, and loses the manifest items of the
// stylesheets deleted (see WithoutStylesheetItems). Files are handled in
// the order FindEditedFiles gives, and the font references point from
// each file up to FolderPath. Where a stylesheet cannot be edited exactly
// in its encoding, or a package document cannot lose its items safely,
// the walk ends and the book is to be left as it is: leftAlone says why.
// What it edits is counted in record, when given.
WalkResult FindCSS(const std::string& FolderPath, const FixOptions& options, FixRecord* record = nullptr);

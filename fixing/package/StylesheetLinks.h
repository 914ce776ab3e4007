#pragma once

// Takes the links to a book's deleted stylesheets out of its content
// documents, as they are read.

#include "ContentEdits.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

// Edits each content document shown to Unlinked (see
// WithoutStylesheetLinks), and hands the edits back at Finish, before any
// other fix edits the same documents: those are shown them edited.
class StylesheetLinks {
public:
    // deleted: the stylesheets' names in the book.
    explicit StylesheetLinks(std::set<std::string> deleted) : deleted_(std::move(deleted)) {}

    // The content document name as the other fixes are to see it: without
    // its links, or as it is; nullopt once the book is to be left as it is
    // (LeftAlone says why), and reading may stop.
    std::optional<std::string_view> Unlinked(const std::string& name, std::string_view bytes);

    const std::optional<std::string>& LeftAlone() const { return leftAlone_; }

    // Hands the edited documents to edits; whether there were any.
    bool Finish(ContentEdits& edits);

private:
    std::set<std::string> deleted_;
    std::map<std::string, std::string> edited_;
    std::optional<std::string> leftAlone_;
};

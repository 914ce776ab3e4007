#pragma once

// Takes the links to a book's deleted stylesheets out of its content
// documents, as they are read.

#include "ContentReader.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

// Edits each content document shown to Unlinked (see WithoutStylesheetLinks)
// and writes the edits through content at Finish. Other fixes that edit
// the same documents are shown them edited, and write through this
// reader: what they write of a document (made from its edited bytes)
// stands for this fix's edit, and a prefix they put first goes before it.
class StylesheetLinks : public ContentReader {
public:
    // deleted: the stylesheets' names in the book.
    StylesheetLinks(ContentReader& content, std::set<std::string> deleted);

    // The content document name as the other fixes are to see it: without
    // its links, or as it is; nullopt once the book is to be left as it is
    // (LeftAlone says why), and reading may stop.
    std::optional<std::string_view> Unlinked(const std::string& name, std::string_view bytes);

    const std::optional<std::string>& LeftAlone() const { return leftAlone_; }

    // Writes the edited documents that no other fix wrote; whether any
    // document was edited.
    bool Finish();

    // The book's entries as they were, through content.
    void Heads(const std::vector<std::string>& patterns, std::size_t size, const See& see) override;
    bool Whole(const std::vector<std::string>& patterns, const See& see) override;

    void Replace(const std::string& name, std::string_view bytes) override;
    void PutFirst(const std::string& name, std::string_view prefix) override;

private:
    ContentReader& content_;
    std::set<std::string> deleted_;
    std::map<std::string, std::string> edited_;  // not yet written
    bool anyEdited_ = false;
    std::optional<std::string> leftAlone_;
};

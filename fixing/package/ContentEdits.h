#pragma once

// What the options that edit a book's content documents make of them,
// gathered edit by edit and written into the new book once: each edit
// takes the document as the edits before it left it.

#include <map>
#include <optional>
#include <string>
#include <string_view>

class ContentEdits {
public:
    // What one document becomes.
    struct Edit {
        std::string prefix;                // whole unset: bytes put before the document's own
        std::optional<std::string> whole;  // or the whole of it anew
    };

    // The document as the edits so far leave it, given its own bytes.
    std::string Current(const std::string& name, std::string_view own) const;

    // The document becomes bytes.
    void Replace(const std::string& name, std::string bytes);

    // prefix goes before the document as the edits so far leave it. While
    // nothing else changes it, its own bytes stay as they are behind the
    // prefix, compressed bytes and all.
    void PutFirst(const std::string& name, std::string_view prefix);

    bool Empty() const { return edits_.empty(); }
    const std::map<std::string, Edit>& ByName() const { return edits_; }

private:
    std::map<std::string, Edit> edits_;
};

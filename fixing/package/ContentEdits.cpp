// The edits of a book's content documents, gathered and composed.
#include "ContentEdits.h"

#include <utility>

std::string ContentEdits::Current(const std::string& name, std::string_view own) const
{
    const auto found = edits_.find(name);
    if (found == edits_.end())
        return std::string(own);
    const Edit& edit = found->second;
    return edit.whole ? *edit.whole : edit.prefix + std::string(own);
}

void ContentEdits::Replace(const std::string& name, std::string bytes)
{
    Edit& edit = edits_[name];
    edit.prefix.clear();
    edit.whole = std::move(bytes);
}

void ContentEdits::PutFirst(const std::string& name, std::string_view prefix)
{
    Edit& edit = edits_[name];
    if (edit.whole)
        edit.whole->insert(0, prefix);
    else
        edit.prefix.insert(0, prefix);
}

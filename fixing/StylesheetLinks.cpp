// Takes the links to a book's deleted stylesheets out of its content documents.
#include "StylesheetLinks.h"

#include "StylesheetReferences.h"

#include <utility>

StylesheetLinks::StylesheetLinks(ContentReader& content, std::set<std::string> deleted)
    : content_(content), deleted_(std::move(deleted))
{
}

std::optional<std::string_view> StylesheetLinks::Unlinked(const std::string& name, std::string_view bytes)
{
    ReferencesRemoved removed = WithoutStylesheetLinks(bytes, name, deleted_);
    if (removed.kind == ReferencesRemoved::Unreadable) {
        leftAlone_ = KeptStylesheetsReason(name);
        return std::nullopt;
    }
    if (removed.kind == ReferencesRemoved::None)
        return bytes;
    anyEdited_ = true;
    return edited_.insert_or_assign(name, std::move(removed.document)).first->second;
}

bool StylesheetLinks::Finish()
{
    for (const auto& [name, bytes] : edited_)
        content_.Replace(name, bytes);
    edited_.clear();
    return anyEdited_;
}

void StylesheetLinks::Heads(const std::vector<std::string>& patterns, std::size_t size, const See& see)
{
    content_.Heads(patterns, size, see);
}

bool StylesheetLinks::Whole(const std::vector<std::string>& patterns, const See& see)
{
    return content_.Whole(patterns, see);
}

void StylesheetLinks::Replace(const std::string& name, std::string_view bytes)
{
    edited_.erase(name);
    content_.Replace(name, bytes);
}

void StylesheetLinks::PutFirst(const std::string& name, std::string_view prefix)
{
    const auto edited = edited_.find(name);
    if (edited == edited_.end())
        return content_.PutFirst(name, prefix);
    content_.Replace(name, std::string(prefix) + edited->second);
    edited_.erase(edited);
}

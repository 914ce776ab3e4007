// Takes the links to a book's deleted stylesheets out of its content documents.
#include "StylesheetLinks.h"

#include "StylesheetReferences.h"

#include <utility>

std::optional<std::string_view> StylesheetLinks::Unlinked(const std::string& name, std::string_view bytes)
{
    ReferencesRemoved removed = WithoutStylesheetLinks(bytes, name, deleted_);
    if (removed.kind == ReferencesRemoved::Unreadable) {
        leftAlone_ = KeptStylesheetsReason(name);
        return std::nullopt;
    }
    if (removed.kind == ReferencesRemoved::None)
        return bytes;
    return edited_.insert_or_assign(name, std::move(removed.document)).first->second;
}

bool StylesheetLinks::Finish(ContentEdits& edits)
{
    for (const auto& [name, bytes] : edited_)
        edits.Replace(name, bytes);
    return !edited_.empty();
}

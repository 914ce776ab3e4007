// The removal of a deleted stylesheet's items and links on arbitrary bytes:
// the first byte says whether the rest is a package document or a content
// document. No removal may crash; an edit only deletes bytes (of the text
// as edited, for UTF-16); and an edited document names none of the
// stylesheets any more, so that a second pass changes nothing.
#include "StylesheetReferences.h"
#include "TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace {

// Whether every byte of part is in whole, in order.
bool KeptInOrder(std::string_view part, std::string_view whole)
{
    std::size_t at = 0;
    for (const char c : part) {
        at = whole.find(c, at);
        if (at == std::string_view::npos)
            return false;
        ++at;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool package = data[0] & 1;
    const std::string document(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string entry = package ? "OEBPS/content.opf" : "OEBPS/Text/c.xhtml";
    const std::set<std::string> deleted = {"a.css", "OEBPS/a.css", "OEBPS/Styles/a.css", "OEBPS/Text/a b.css"};
    const auto remove = [&](std::string_view bytes) {
        return package ? WithoutStylesheetItems(bytes, entry, deleted) : WithoutStylesheetLinks(bytes, entry, deleted);
    };

    const ReferencesRemoved once = remove(document);
    if (once.kind != ReferencesRemoved::Edited)
        return 0;
    const std::optional<EditableText> before = DecodeForEditing(document);
    const std::optional<EditableText> after = DecodeForEditing(once.document);
    if (!before || !after || before->encoding != after->encoding || after->text.size() >= before->text.size() ||
        !KeptInOrder(after->text, before->text))
        std::abort();
    if (remove(once.document).kind != ReferencesRemoved::None)
        std::abort();
    return 0;
}

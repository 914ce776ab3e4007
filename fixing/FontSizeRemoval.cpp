#include "FontSizeRemoval.h"

#include "StylesheetScanner.h"

#include <cstddef>
#include <string_view>

namespace {

using StylesheetScanner::DeclarationEnd;
using StylesheetScanner::FindEnd;
using StylesheetScanner::SkipOpaque;

constexpr std::string_view Property = "font-size:";

bool StartsWithIgnoringCase(std::string_view text, std::size_t at, std::string_view lowerWord)
{
    if (text.size() - at < lowerWord.size())
        return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i) {
        char c = text[at + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerWord[i])
            return false;
    }
    return true;
}

}  // namespace

std::string RemoveFontSizes(const std::string& text)
{
    const std::string_view css = text;
    std::string out;
    out.reserve(css.size());
    std::size_t copied = 0;  // everything before this is in out or removed
    std::size_t i = 0;
    while (i < css.size()) {
        if (const std::optional<std::size_t> past = SkipOpaque(css, i)) {
            i = *past;
            continue;
        }
        if (!StartsWithIgnoringCase(css, i, Property)) {
            ++i;
            continue;
        }
        std::size_t end = 0;
        const DeclarationEnd found = FindEnd(css, i + Property.size(), end);
        if (found == DeclarationEnd::EndOfText)
            break;  // no later declaration can end either: the scan would see the same text
        if (found == DeclarationEnd::Blocked) {
            ++i;
            continue;
        }
        out.append(css, copied, i - copied);
        copied = i = end;
    }
    out.append(css, copied, std::string_view::npos);
    return out;
}

#include "StylesheetScanner.h"

namespace StylesheetScanner {

std::optional<std::size_t> SkipOpaque(std::string_view css, std::size_t at)
{
    const char c = css[at];
    if (c == '/' && at + 1 < css.size() && css[at + 1] == '*') {
        const std::size_t close = css.find("*/", at + 2);
        return close == std::string_view::npos ? css.size() : close + 2;
    }
    if (c == '\\')
        return at + 2 <= css.size() ? at + 2 : css.size();
    if (c != '"' && c != '\'')
        return std::nullopt;
    std::size_t i = at + 1;
    while (i < css.size()) {
        const char s = css[i];
        if (s == c)
            return i + 1;
        if (s == '\n' || s == '\r' || s == '\f')
            return i;
        i += s == '\\' ? 2 : 1;
    }
    return css.size();
}

DeclarationEnd FindEnd(std::string_view css, std::size_t from, std::size_t& end)
{
    std::size_t i = from;
    while (i < css.size()) {
        if (const std::optional<std::size_t> past = SkipOpaque(css, i)) {
            i = *past;
            continue;
        }
        const char c = css[i];
        if ((c == ';' || c == '}') && i == from)
            return DeclarationEnd::Blocked;  // an empty value is no declaration
        if (c == ';') {
            end = i + 1;
            return DeclarationEnd::Found;
        }
        if (c == '}') {
            end = i;
            return DeclarationEnd::Found;
        }
        if (c == '{')
            return DeclarationEnd::Blocked;
        ++i;
    }
    return DeclarationEnd::EndOfText;
}

}  // namespace StylesheetScanner

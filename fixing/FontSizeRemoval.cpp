#include "FontSizeRemoval.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace {

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

// Where the comment, quoted string or escape that starts at at ends, or
// nullopt when none starts there. An unclosed comment runs to the end of
// the text; a string ends at its quote or, as CSS has it, at a line break.
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

enum class DeclarationEnd { Found, Blocked, EndOfText };

// Looks for the end of the value that starts at from: just past its ";",
// or at the "}" that closes the rule.
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

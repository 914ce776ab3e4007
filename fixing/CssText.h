#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The pieces of CSS text that every stylesheet edit reads alike. Text is
// bytes (UTF-8 or any encoding that keeps ASCII as ASCII). Inline: the
// scan asks about every byte of a stylesheet.
namespace CssText {

// Where the comment, quoted string or escape that starts at at ends, or
// nullopt when none starts there. An unclosed comment runs to the end of
// the text; a string ends at its quote or, as CSS has it, at a line break.
inline std::optional<std::size_t> SkipOpaque(std::string_view css, std::size_t at)
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

// Looks for the end of the value that starts at from: just past its ";"
// (end), or at the "}" that closes the rule (end, which stays). Blocked
// when the value is empty or a "{" comes first: then it was a selector,
// not a declaration, and nothing is ever taken across a block.
inline DeclarationEnd FindEnd(std::string_view css, std::size_t from, std::size_t& end)
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

// Whether c may stand inside a name (a property, a class, a unit): a
// letter, a digit, "-", "_", or a byte of a non-ASCII character.
inline bool IsNameByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether text holds lowerWord at at, in any case.
inline bool StartsWithIgnoringCase(std::string_view text, std::size_t at, std::string_view lowerWord)
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

// Whether word is lowerWord in any case.
inline bool EqualsIgnoringCase(std::string_view word, std::string_view lowerWord)
{
    return word.size() == lowerWord.size() && StartsWithIgnoringCase(word, 0, lowerWord);
}

// The end of the name that starts at at (at itself when none does),
// escapes included.
inline std::size_t NameEnd(std::string_view css, std::size_t at)
{
    while (at < css.size()) {
        if (css[at] == '\\')
            at = at + 2 <= css.size() ? at + 2 : css.size();
        else if (IsNameByte(css[at]))
            ++at;
        else
            break;
    }
    return at;
}

}  // namespace CssText

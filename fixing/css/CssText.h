#pragma once

// The pieces of CSS text every stylesheet edit reads alike: comments, strings, escapes, names, values.

#include "AsciiText.h"
#include "Utf8Text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The pieces of CSS text that every stylesheet edit reads alike. Text is
// bytes (UTF-8 or any encoding that keeps ASCII as ASCII). Inline: the
// scan asks about every byte of a stylesheet.
namespace CssText {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

constexpr std::array<bool, 256> NameBytes = [] {
    std::array<bool, 256> name{};
    for (int c = 0; c < 256; ++c)
        name[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
                  c >= 0x80;
    return name;
}();

// Whether c may stand inside a name (a property, a class, a unit): a
// letter, a digit, "-", "_", or a byte of a non-ASCII character.
inline bool IsNameByte(char c)
{
    return NameBytes[static_cast<unsigned char>(c)];
}

inline bool IsCommentStart(std::string_view css, std::size_t at)
{
    return css[at] == '/' && at + 1 < css.size() && css[at + 1] == '*';
}

// Whether the "\" at at starts an escape: one that a line break follows
// does not.
inline bool IsEscape(std::string_view css, std::size_t at)
{
    return css[at] == '\\' && (at + 1 >= css.size() || (css[at + 1] != '\n' && css[at + 1] != '\r' && css[at + 1] != '\f'));
}

// The character the escape at at stands for, and (end) where it ends: one
// to six hex digits and one blank after them, or the one byte after the
// "\". A character past ASCII reads as 0x80, which no ASCII name holds.
inline char DecodeEscape(std::string_view css, std::size_t at, std::size_t& end)
{
    std::size_t i = at + 1;
    if (i >= css.size()) {
        end = i;
        return '\x80';  // U+FFFD
    }
    const auto hex = [&](std::size_t at) { return HexValue(static_cast<Utf8Text::Byte>(css[at])); };
    if (hex(i) < 0) {
        end = i + 1;
        return static_cast<unsigned char>(css[i]) < 0x80 ? css[i] : '\x80';
    }
    unsigned long code = 0;
    for (int digits = 0; digits < 6 && i < css.size() && hex(i) >= 0; ++digits, ++i)
        code = code * 16 + static_cast<unsigned long>(hex(i));
    if (i + 1 < css.size() && css[i] == '\r' && css[i + 1] == '\n')
        i += 2;
    else if (i < css.size() && IsBlank(css[i]))
        ++i;
    end = i;
    return code > 0 && code < 0x80 ? static_cast<char>(code) : '\x80';
}

// The end of the name that starts at at (at itself when none does),
// escapes included.
inline std::size_t NameEnd(std::string_view css, std::size_t at)
{
    while (at < css.size()) {
        if (IsEscape(css, at))
            DecodeEscape(css, at, at);
        else if (IsNameByte(css[at]))
            ++at;
        else
            break;
    }
    return at;
}

// Whether a name (an identifier) starts at at: a letter, "_", "-", a
// non-ASCII byte or an escape, but not a "-" before a digit (a negative
// number).
inline bool NameStartsAt(std::string_view text, std::size_t at)
{
    const char c = text[at];
    if (c == '-')
        return at + 1 < text.size() && (IsEscape(text, at + 1) || (IsNameByte(text[at + 1]) && !IsAsciiDigit(text[at + 1])));
    return IsEscape(text, at) || (IsNameByte(c) && !IsAsciiDigit(c));
}

// The end of the number that starts at at, or nullopt when none does.
inline std::optional<std::size_t> NumberEnd(std::string_view text, std::size_t at)
{
    std::size_t i = at;
    while (i < text.size() && IsAsciiDigit(text[i]))
        ++i;
    if (i + 1 < text.size() && text[i] == '.' && IsAsciiDigit(text[i + 1])) {
        i += 2;
        while (i < text.size() && IsAsciiDigit(text[i]))
            ++i;
    }
    if (i == at)
        return std::nullopt;
    // An exponent, and not the "e" of a unit such as "em".
    std::size_t e = i + 1;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && IsAsciiDigit(text[e])) {
            i = e;
            while (i < text.size() && IsAsciiDigit(text[i]))
                ++i;
        }
    }
    return i;
}

// A name as CSS compares it: escapes decoded, ASCII letters in lower case,
// short enough for every name an edit looks for.
class LowerName {
public:
    // Reads the name that starts at at; returns where it ends (at itself
    // when none starts there).
    std::size_t Read(std::string_view css, std::size_t at)
    {
        length_ = 0;
        whole_ = true;
        while (at < css.size()) {
            char c = css[at];
            if (IsNameByte(c))
                ++at;
            else if (IsEscape(css, at))
                c = DecodeEscape(css, at, at);
            else
                break;
            if (length_ < bytes_.size())
                bytes_[length_++] = AsciiLower(c);
            else
                whole_ = false;
        }
        return at;
    }
    // The name; empty when it is too long to be any name looked for.
    std::string_view View() const { return whole_ ? std::string_view(bytes_.data(), length_) : std::string_view(); }
    // Whether it names a custom property: "--" and anything.
    bool IsCustom() const { return length_ >= 2 && bytes_[0] == '-' && bytes_[1] == '-'; }

private:
    std::array<char, 32> bytes_{};
    std::size_t length_ = 0;
    bool whole_ = true;
};

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

// Past the blanks and comments that start at at.
inline std::size_t SkipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size()) {
        if (IsBlank(text[at]))
            ++at;
        else if (IsCommentStart(text, at))
            at = *SkipOpaque(text, at);
        else
            break;
    }
    return at;
}

// When the "(" at at opens an unquoted url ("url(" not followed by a
// quote), where that url ends: past its first ")" that no "\" escapes, as
// CSS reads it, whatever it holds (";", "{", quotes, "/*"); the end of the
// text when none comes. nullopt for any other "(".
inline std::optional<std::size_t> UrlEnd(std::string_view css, std::size_t at)
{
    if (at < 3 || AsciiLower(css[at - 3]) != 'u' || AsciiLower(css[at - 2]) != 'r' || AsciiLower(css[at - 1]) != 'l')
        return std::nullopt;
    if (at > 3 && (IsNameByte(css[at - 4]) || css[at - 4] == '\\'))
        return std::nullopt;  // a longer name: "xurl(", "-url("
    std::size_t i = at + 1;
    while (i < css.size() && IsBlank(css[i]))
        ++i;
    if (i < css.size() && (css[i] == '"' || css[i] == '\''))
        return std::nullopt;  // url("..."): a function holding a string
    while (i < css.size() && css[i] != ')')
        i += css[i] == '\\' ? 2 : 1;
    return i < css.size() ? i + 1 : css.size();
}

// Brackets open inside a value or between declarations: the closing byte
// each waits for, innermost last. A closing byte that none waits for is
// no bracket, as CSS reads it.
class Brackets {
public:
    bool Empty() const { return closers_.empty(); }
    // Reads c: an opening bracket waits for its closing byte, which
    // closes it; any other byte changes nothing.
    void Read(char c)
    {
        if (c == '(')
            closers_.push_back(')');
        else if (c == '[')
            closers_.push_back(']');
        else if (c == '{')
            closers_.push_back('}');
        else if (!closers_.empty() && closers_.back() == c)
            closers_.pop_back();
    }

private:
    std::string closers_;
};

// The bytes a value's end is looked for at; every other byte only moves on.
constexpr std::array<bool, 256> ValueBytes = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : std::string_view("/\\\"'{}[]();"))
        special[c] = true;
    return special;
}();

enum class DeclarationEnd { Found, Blocked, EndOfText };

struct ValueEnd {
    DeclarationEnd found = DeclarationEnd::EndOfText;
    std::size_t valueEnd = 0;  // Found: where the value ends, at its ";" or "}"
    std::size_t end = 0;       // Found: just past the ";", or at the "}" (which stays)
};

// Looks for the end of the value that starts at from: its ";" or the "}"
// that closes the rule, outside comments, strings, urls and brackets, as
// CSS reads a value. Blocked when the value is empty or holds a "{": then
// it was a selector, not a declaration, and nothing is ever taken across a
// block. A custom property's value (custom) may hold blocks and be empty.
inline ValueEnd FindEnd(std::string_view css, std::size_t from, bool custom = false)
{
    Brackets brackets;
    std::size_t i = from;
    while (i < css.size()) {
        const char c = css[i];
        if (!ValueBytes[static_cast<unsigned char>(c)]) {
            ++i;
            continue;
        }
        if (const std::optional<std::size_t> past = SkipOpaque(css, i)) {
            i = *past;
            continue;
        }
        if (c == '(') {
            if (const std::optional<std::size_t> past = UrlEnd(css, i)) {
                i = *past;
                continue;
            }
        }
        if (c == '{' && !custom)
            return {DeclarationEnd::Blocked};
        if ((c == ';' || c == '}') && brackets.Empty()) {
            if (i == from && !custom)
                return {DeclarationEnd::Blocked};  // an empty value is no declaration
            return {DeclarationEnd::Found, i, c == ';' ? i + 1 : i};
        }
        brackets.Read(c);
        ++i;
    }
    return {DeclarationEnd::EndOfText};
}

}  // namespace CssText

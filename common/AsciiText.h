#pragma once

// The ASCII byte tests and case rules that names, markup, stylesheets and
// language codes are read by: case is folded for the ASCII letters alone,
// so that the bytes of other characters never change. The one header of
// them: every part of the system takes these from here.

#include <algorithm>
#include <string>
#include <string_view>

inline bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool IsAsciiAlnum(char c)
{
    return IsAsciiDigit(c) || IsAsciiLetter(c);
}

// The value of a hex digit, or -1 for any other byte.
inline int HexValue(char c)
{
    if (IsAsciiDigit(c))
        return c - '0';
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// XML's white space (no form feed, unlike CSS's).
inline bool IsXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

inline char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string AsciiLowered(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
}

inline std::string AsciiUppered(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
    return out;
}

inline bool SameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// Whether text holds lowerWord at at, in any case; lowerWord is written
// in lower case. Cheap: the stylesheet scanner asks it of many bytes.
inline bool StartsWithIgnoringCase(std::string_view text, std::size_t at, std::string_view lowerWord)
{
    if (at > text.size() || text.size() - at < lowerWord.size())
        return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i)
        if (AsciiLower(text[at + i]) != lowerWord[i])
            return false;
    return true;
}

// Whether word is lowerWord (written in lower case) in any case.
inline bool EqualsIgnoringCase(std::string_view word, std::string_view lowerWord)
{
    return word.size() == lowerWord.size() && StartsWithIgnoringCase(word, 0, lowerWord);
}

// Whether text ends with lowerEnd (written in lower case) in any case:
// "OEBPS/Style.CSS" ends with ".css".
inline bool EndsWithIgnoringCase(std::string_view text, std::string_view lowerEnd)
{
    return text.size() >= lowerEnd.size() && StartsWithIgnoringCase(text, text.size() - lowerEnd.size(), lowerEnd);
}

inline std::string_view XmlTrimmed(std::string_view s)
{
    while (!s.empty() && IsXmlSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsXmlSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

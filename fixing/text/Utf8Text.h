#pragma once

// Reading bytes as UTF-8, and what an encoding's name means for the reading.

#include "AsciiText.h"
#include "TextEncoding.h"

#include <cstddef>
#include <string_view>

// Reading a document's bytes as UTF-8: whether they are UTF-8 at all, and
// where a character that Qt counts by UTF-16 units is in them; and, for
// the scanners of a book's characters, decoding, the few ASCII tests of
// markup and stylesheets, and what a declared encoding means for the
// reading.

// Whether bytes are UTF-8 as an XML document may hold it: shortest forms
// only, no surrogates, nothing past U+10FFFF, and no NUL byte. A NUL is
// refused because text that holds one is UTF-16 or UTF-32 without a mark
// far more often than it is anything else, and no XML document holds one.
bool IsUtf8(std::string_view bytes);

// The byte offset in utf8 of the character that starts utf16Offset UTF-16
// units in: what an offset that Qt counts in QChars is in the bytes.
// Characters past U+FFFF count two units. Past the end: utf8.size().
std::size_t Utf8Offset(std::string_view utf8, std::size_t utf16Offset);

namespace Utf8Text {

using Byte = unsigned char;

// The length of the valid UTF-8 sequence at p, its character in c; 0 for
// anything else (overlong forms, surrogates, bytes past U+10FFFF, a
// sequence cut off at end).
inline int DecodeUtf8(const Byte* p, const Byte* end, char32_t& c)
{
    const Byte lead = *p;
    int length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (p[i] & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return 0;
    return length;
}

inline bool IsSpace(Byte b)
{
    return b == ' ' || b == '\t' || b == '\n' || b == '\r' || b == '\f';
}

// The control bytes no text has: NUL in UTF-16 without its mark, ESC in
// ISO-2022's Asian text, others in what is not text at all.
inline bool IsControl(Byte b)
{
    return b < 0x20 && !IsSpace(b);
}

// What an encoding's name, as a declaration gives it, means for reading
// the text as UTF-8: it is UTF-8; it reads ASCII bytes as ASCII and only
// them alike (ASCII itself, which HTML readers take for Windows-1252, and
// the single-byte encodings of Europe); or nothing can be told (ISO-2022
// and UTF-7 spell letters in ASCII bytes, the Asian encodings are left to
// the whole faces).
enum class Declared { Utf8, AsciiAlike, Other };

inline Declared ClassOf(std::string_view label)
{
    while (!label.empty() && (IsSpace(label.front()) || label.front() == '"' || label.front() == '\''))
        label.remove_prefix(1);
    while (!label.empty() && (IsSpace(label.back()) || label.back() == '"' || label.back() == '\''))
        label.remove_suffix(1);
    switch (AsciiBytesOf(label)) {
    case AsciiBytes::Utf8:
        return Declared::Utf8;
    case AsciiBytes::SingleByte:
        return Declared::AsciiAlike;
    case AsciiBytes::Euc:
    case AsciiBytes::Unknown:
        break;
    }
    return Declared::Other;
}

}  // namespace Utf8Text

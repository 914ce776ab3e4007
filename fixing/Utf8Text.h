#pragma once

#include <cstddef>
#include <string_view>

// Whether bytes are UTF-8 as an XML document may hold it: shortest forms
// only, no surrogates, nothing past U+10FFFF, and no NUL byte. A NUL is
// refused because text that holds one is UTF-16 or UTF-32 without a mark
// far more often than it is anything else, and no XML document holds one.
bool IsUtf8(std::string_view bytes);

// The byte offset in utf8 of the character that starts utf16Offset UTF-16
// units in: what an offset that Qt counts in QChars is in the bytes.
// Characters past U+FFFF count two units. Past the end: utf8.size().
std::size_t Utf8Offset(std::string_view utf8, std::size_t utf16Offset);

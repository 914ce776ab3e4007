#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text in an encoding that glibc's iconv knows, converted to and from
// UTF-8 only where the conversion is exact, so that a text edited by its
// characters can be written back with every byte it did not edit.
//
// Exact means: iconv knows the encoding by this name (letters, digits and
// "-_.:+" only), converts every byte without error, every ASCII character
// comes from the one byte of that value and every such byte is that ASCII
// character (not so HZ's "~~" for "~", nor Shift_JIS's 5C, which iconv
// reads as a yen sign where readers see "\"), and converting the text back
// gives every byte as it was. Shifts between character sets (ISO-2022's
// escapes) make no character of their own.

// bytes, in the encoding charset, as UTF-8; nullopt where not exact.
std::optional<std::string> DecodedExactly(std::string_view bytes, const std::string& charset);

// text (UTF-8) in the encoding charset; nullopt where a character cannot
// be encoded or the bytes would not decode exactly to text again.
std::optional<std::string> EncodedExactly(std::string_view text, const std::string& charset);

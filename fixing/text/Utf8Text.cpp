// Reading bytes as UTF-8, and what an encoding's name means for the reading.
#include "Utf8Text.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t Ones = 0x0101010101010101ull;
constexpr std::uint64_t Highs = 0x8080808080808080ull;

// Whether eight bytes are all ASCII and none of them NUL: the common case
// of a content document, checked a word at a time.
bool PlainAscii(const unsigned char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    const bool anyHigh = (word & Highs) != 0;
    const bool anyZero = ((word - Ones) & ~word & Highs) != 0;
    return !anyHigh && !anyZero;
}

}  // namespace

bool IsUtf8(std::string_view bytes)
{
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = at + bytes.size();
    while (at < end) {
        if (end - at >= 8 && PlainAscii(at)) {
            at += 8;
            continue;
        }
        const unsigned char lead = *at;
        if (lead == 0)
            return false;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // The range the second byte must fall in keeps out overlong forms,
        // surrogates and code points past U+10FFFF.
        std::size_t length;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - at) < length || at[1] < low || at[1] > high)
            return false;
        for (std::size_t i = 2; i < length; ++i)
            if ((at[i] & 0xC0) != 0x80)
                return false;
        at += length;
    }
    return true;
}

std::size_t Utf8Offset(std::string_view utf8, std::size_t utf16Offset)
{
    std::size_t at = 0;
    for (std::size_t units = 0; units < utf16Offset && at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        units += length == 4 ? 2 : 1;
        at += length;
    }
    return at < utf8.size() ? at : utf8.size();
}

// Reads the size and colours of a JPEG or PNG from its first bytes, without decoding it.
#include "PictureHead.h"

#include <cstdint>

namespace {

constexpr std::string_view PngSignature("\x89PNG\r\n\x1a\n", 8);

std::uint32_t Big(std::string_view bytes, std::size_t at, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void ReadPng(std::string_view head, PictureHead& out)
{
    if (head.size() < PngHeadBytes || head.substr(12, 4) != "IHDR")
        return;
    const std::uint32_t width = Big(head, 16, 4), height = Big(head, 20, 4);
    if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX)
        return;
    const unsigned colour = static_cast<unsigned char>(head[25]);
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.grey = colour == 0 || colour == 4;
    out.palette = colour == 3;
    out.decodedWhole = head[28] != 0;
    out.sized = true;
    // A palette of greys alone is grey: its palette, read where the head
    // holds it, comes before the pixels.
    for (std::size_t at = 33; out.palette && at + 12 <= head.size();) {
        const std::size_t length = Big(head, at, 4);
        const std::string_view type = head.substr(at + 4, 4);
        if (type == "IDAT" || length > head.size() - at - 12)
            break;
        if (type == "PLTE") {
            bool grey = length % 3 == 0;
            for (std::size_t i = at + 8; grey && i + 3 <= at + 8 + length; i += 3)
                grey = head[i] == head[i + 1] && head[i] == head[i + 2];
            out.grey = grey;
            break;
        }
        at += 12 + length;
    }
}

// The frame header (SOFn) comes after the metadata segments; scans and
// restarts come only after it.
void ReadJpeg(std::string_view head, PictureHead& out)
{
    std::size_t at = 2;
    while (at + 4 <= head.size()) {
        if (static_cast<unsigned char>(head[at]) != 0xFF)
            return;
        const unsigned marker = static_cast<unsigned char>(head[at + 1]);
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)
            return;
        const std::size_t length = Big(head, at + 2, 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8 || at + 10 > head.size())
                return;
            out.height = static_cast<int>(Big(head, at + 5, 2));
            out.width = static_cast<int>(Big(head, at + 7, 2));
            out.grey = static_cast<unsigned char>(head[at + 9]) == 1;
            out.decodedWhole = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
            out.sized = out.width > 0 && out.height > 0;
            return;
        }
        if (length < 2)
            return;
        at += 2 + length;
    }
}

}  // namespace

PictureKind KindOf(std::string_view head)
{
    if (head.size() >= 3 && head.substr(0, 3) == "\xFF\xD8\xFF")
        return PictureKind::Jpeg;
    if (head.size() >= PngSignature.size() && head.substr(0, PngSignature.size()) == PngSignature)
        return PictureKind::Png;
    return PictureKind::None;
}

PictureHead ReadPictureHead(std::string_view head)
{
    PictureHead out;
    out.kind = KindOf(head);
    if (out.kind == PictureKind::Png)
        ReadPng(head, out);
    else if (out.kind == PictureKind::Jpeg)
        ReadJpeg(head, out);
    return out;
}

// What a picture's first bytes tell: JPEG or PNG, its size and whether it is grey.
#pragma once

#include <cstddef>
#include <string_view>

enum class PictureKind { None, Jpeg, Png };

struct PictureHead {
    PictureKind kind = PictureKind::None;
    bool sized = false;  // the size and colours below were found
    int width = 0;
    int height = 0;
    bool grey = false;     // one channel, with or without alpha, or a palette of greys
    bool palette = false;  // a PNG of palette colours
    bool decodedWhole = false;  // a progressive JPEG or an interlaced PNG: its decoder holds all of it at once
};

// The kind by the first bytes alone, whatever the name says.
PictureKind KindOf(std::string_view head);

// Reads head, a picture's first bytes: a PNG's header is in its first 33
// (its palette a little further), a JPEG's frame header after its metadata
// (JpegHeadBytes hold either in all but rare pictures).
PictureHead ReadPictureHead(std::string_view head);

inline constexpr std::size_t PngHeadBytes = 33;
inline constexpr std::size_t JpegHeadBytes = 128u << 10;

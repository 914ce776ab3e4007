// The picture rule: JPEGs and PNGs scaled down to the e-reader's screen and made grey, in memory.
#pragma once

#include "PictureHead.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct PictureRule {
    int screenWidth = 1264;
    int screenHeight = 1680;
    bool fit = false;   // scale down what is larger than the screen
    bool grey = false;  // make grey what is in colour

    auto operator<=>(const PictureRule&) const = default;
};

// What the rule did to a picture.
enum class PictureVerdict {
    Kept,        // it fits (and is grey where asked), or the new bytes would be no smaller
    Fitted,      // new bytes
    Unreadable,  // it does not decode, or only in part: kept
    TooLarge,    // more than MostPixels: kept
    TooLargeWhole,  // progressive or interlaced, and too large to decode at once within the memory bound: kept
};

inline constexpr std::uint64_t MostPixels = 500'000'000;
inline constexpr std::uint64_t MostPixelsWhole = 20'000'000;

struct FittedPicture {
    PictureVerdict verdict = PictureVerdict::Kept;
    std::string bytes;  // when Fitted
};

// Whether the rule may change a picture of this head: it is larger than
// the screen in either orientation, or in colour where grey is asked, or
// its head does not tell. False for what is neither JPEG nor PNG.
bool RuleMayChange(const PictureHead& head, const PictureRule& rule);

// Applies the rule to a picture's bytes. Safe to call from several threads
// at once; never throws.
FittedPicture FitPicture(std::string_view bytes, const PictureRule& rule) noexcept;

// The one rule object for these values, which lives as long as the
// process: the zip library's threads call FitCarriedPicture with it.
const PictureRule& SharedRule(const PictureRule& rule);

// The zip library's transform (ZpTransformFn), context a SharedRule: fits
// the entry's bytes, notes the verdict for VerdictOf, and puts the new
// bytes when there are any. Names beginning with a dot are kept.
int FitCarriedPicture(const char* name, const char* data, std::uint64_t size,
                      void (*put)(void* sink, const char* data, std::uint64_t size), void* sink,
                      void* context) noexcept;

// What FitCarriedPicture last said of a picture of this size and CRC-32
// under rule, in this process; nullopt when it has not seen it.
std::optional<PictureVerdict> VerdictOf(const PictureRule& rule, std::uint64_t size, std::uint32_t crc);

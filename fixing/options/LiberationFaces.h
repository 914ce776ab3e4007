#pragma once

// The fixed table of the four Liberation Serif faces, and the rules and items that name them.

#include <array>
#include <string>

// The four Liberation Serif faces that a fixed book embeds.
struct LiberationFace {
    const char* fileName;
    const char* style;   // font-style
    const char* weight;  // font-weight
    const char* id;      // manifest item id
};

// In manifest order: Regular, Italic, Bold italic, Bold. The copy into the
// book uses copy order, the stylesheet rules their own order.
namespace LiberationFaces {
inline constexpr LiberationFace Regular{"LiberationSerif-Regular.ttf", "normal", "normal", "liber1"};
inline constexpr LiberationFace Italic{"LiberationSerif-Italic.ttf", "italic", "normal", "liber2"};
inline constexpr LiberationFace BoldItalic{"LiberationSerif-BoldItalic.ttf", "italic", "bold", "liber3"};
inline constexpr LiberationFace Bold{"LiberationSerif-Bold.ttf", "normal", "bold", "liber4"};

inline constexpr std::array<LiberationFace, 4> ManifestOrder{Regular, Italic, BoldItalic, Bold};
inline constexpr std::array<LiberationFace, 4> StylesheetOrder{Italic, Regular, BoldItalic, Bold};
inline constexpr std::array<LiberationFace, 4> CopyOrder{Regular, Italic, Bold, BoldItalic};
}  // namespace LiberationFaces

inline constexpr char LiberationFamilyLine[] = "font-family: 'Liberation', serif, sans-serif;";

// One @font-face rule, six lines each ending in CR LF. The arguments go in
// verbatim.
std::string FontDef(const std::string& sStyle, const std::string& sWeight, const std::string& sFileName);

// One manifest item line ending in CR LF. The arguments go in verbatim.
std::string OpfFontDef(const std::string& sFileName, const std::string& sId);

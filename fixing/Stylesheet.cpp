#include "Stylesheet.h"

#include "LiberationFaces.h"
#include "RegexReplacer.h"
#include "SettingsStore.h"
#include "TextFile.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr char BodyRule[] = "body { font-family: 'Liberation', serif, sans-serif; }";
constexpr char ParagraphRule[] = "p { text-align: justify; }";

// The four @font-face rules and the body rule, as the fix appends them
// after its leading line break.
std::string FontBlock(const std::string& fontFolder)
{
    std::string block;
    for (const LiberationFace& face : LiberationFaces::StylesheetOrder)
        block += FontDef(face.style, face.weight, fontFolder + face.fileName);
    return block + BodyRule + LineBreak;
}

std::string ParagraphBlock()
{
    return std::string(LineBreak) + ParagraphRule + LineBreak;
}

// Removes the font sizes everywhere but inside the blocks an earlier fix
// appended. A declaration that no ";" ended in the book's own text would
// otherwise run on into the first ";" of such a block and cut it apart.
std::string RemoveFontSizes(const RegexReplacer& fontSize, const std::string& text,
                            const std::vector<std::string>& keptBlocks)
{
    std::vector<std::pair<std::size_t, std::size_t>> kept;  // start, end
    for (const std::string& block : keptBlocks)
        for (std::size_t at = text.find(block); at != std::string::npos; at = text.find(block, at + block.size()))
            kept.emplace_back(at, at + block.size());
    std::sort(kept.begin(), kept.end());

    std::string out;
    std::size_t from = 0;
    for (const auto& [start, end] : kept) {
        if (start < from)
            continue;  // overlaps a block already kept
        out += fontSize.ReplaceAll(text.substr(from, start - from), "", ';');
        out.append(text, start, end - start);
        from = end;
    }
    return out + fontSize.ReplaceAll(text.substr(from), "", ';');
}

}  // namespace

bool StripCSSFonts(const std::string& sFileName, const std::string& fontFolder)
{
    const RegexReplacer fontSize("font-size:[^;]+;", true);
    const std::string original = ReadTextFile(sFileName);
    const std::string fontBlock = FontBlock(fontFolder);
    const std::string paragraphBlock = ParagraphBlock();
    std::string text = original;

    if (SettingsStore::IsOptionOn(OptionKey::FontSizes))
        text = RemoveFontSizes(fontSize, text, {fontBlock, paragraphBlock});

    if (SettingsStore::IsOptionOn(OptionKey::IntlFonts) && text.find(fontBlock) == std::string::npos)
        text += LineBreak + fontBlock;

    if (SettingsStore::IsOptionOn(OptionKey::JustifyText) && text.find(paragraphBlock) == std::string::npos)
        text += paragraphBlock;

    if (text == original)
        return false;
    WriteTextFile(sFileName, text);
    return true;
}

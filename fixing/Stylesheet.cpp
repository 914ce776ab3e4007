#include "Stylesheet.h"

#include "FontSizeRemoval.h"
#include "LiberationFaces.h"
#include "TextFile.h"

#include <optional>

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

}  // namespace

bool StripCSSFonts(const std::string& sFileName, const std::string& fontFolder, const FixOptions& options)
{
    const std::optional<EditableText> original = ReadEditableText(sFileName);
    if (!original)
        return false;  // no encoding it can be edited in safely: left as it is
    const std::string fontBlock = FontBlock(fontFolder);
    const std::string paragraphBlock = ParagraphBlock();
    std::string text = original->text;

    if (options.fontSizes)
        text = RemoveFontSizes(text);

    if (options.intlFonts && text.find(fontBlock) == std::string::npos)
        text += LineBreak + fontBlock;

    if (options.justifyText && text.find(paragraphBlock) == std::string::npos)
        text += paragraphBlock;

    // Removing a declaration can bring stray bytes at the start together
    // into a UTF-16 mark; such a text is left as it was.
    if (text == original->text || !KeepsItsEncoding(text, original->encoding))
        return false;
    WriteEditedText(sFileName, text, original->encoding);
    return true;
}

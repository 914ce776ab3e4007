// The rewrite of one stylesheet: declarations removed, the faces and the justified paragraphs appended.
#include "Stylesheet.h"

#include "DeclarationScan.h"
#include "LiberationFaces.h"
#include "RemovedDeclarations.h"
#include "TextFile.h"

#include <optional>
#include <string_view>
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

// Where text holds the rules this fix appends: no later pass edits them,
// so that a second pass finds them as the first left them.
std::vector<KeptSpan> OwnRules(const std::string& text, const std::string& fontBlock)
{
    std::vector<KeptSpan> spans;
    for (const std::string_view rules : {std::string_view(fontBlock), std::string_view(BodyRule),
                                         std::string_view(ParagraphRule)})
        for (auto at = text.find(rules); at != std::string::npos; at = text.find(rules, at + rules.size()))
            spans.emplace_back(at, at + rules.size());
    return spans;
}

}  // namespace

StylesheetEdit StripCSSFonts(const std::string& sFileName, const std::string& fontFolder, const FixOptions& options)
{
    const RemovedDeclarations removed(options);
    if (!removed.Any() && !options.intlFonts && !options.justifyText)
        return {};
    const EditableStylesheet read = ReadEditableStylesheet(sFileName);
    if (!read.editable)
        return {false, 0, read.uneditable};  // no encoding it can be edited in safely: left as it is
    const EditableText& original = *read.editable;
    const std::string fontBlock = FontBlock(fontFolder);
    const std::string paragraphBlock = ParagraphBlock();
    std::string text = original.text;

    std::size_t edited = 0;
    if (removed.Any())
        text = RemoveDeclarations(text, removed, OwnRules(text, fontBlock), &edited);

    if (options.intlFonts && text.find(fontBlock) == std::string::npos)
        text += LineBreak + fontBlock;

    if (options.justifyText && text.find(paragraphBlock) == std::string::npos)
        text += paragraphBlock;

    // Removing a declaration can bring stray bytes at the start together
    // into a UTF-16 mark; such a text is left as it was.
    if (text == original.text || !KeepsItsEncoding(text, original.encoding))
        return {};
    if (!WriteEditedText(sFileName, text, original))
        return {false, 0, original.charset};  // its encoding cannot hold the edited text exactly
    return {true, edited, {}};
}

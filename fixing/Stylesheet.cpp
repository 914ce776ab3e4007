#include "Stylesheet.h"

#include "LiberationFaces.h"
#include "RegexReplacer.h"
#include "SettingsStore.h"
#include "TextFile.h"

namespace {
constexpr char BodyRule[] = "body { font-family: 'Liberation', serif, sans-serif; }";
constexpr char ParagraphRule[] = "p { text-align: justify; }";
}  // namespace

void StripCSSFonts(const std::string& sFileName, const std::string& fontFolder)
{
    const RegexReplacer fontSize("font-size:[^;]+;", true);
    std::string text = ReadTextFile(sFileName);

    if (SettingsStore::IsOptionOn(OptionKey::FontSizes))
        text = fontSize.ReplaceAll(text, "", ';');

    if (SettingsStore::IsOptionOn(OptionKey::IntlFonts)) {
        text += LineBreak;
        for (const LiberationFace& face : LiberationFaces::StylesheetOrder)
            text += FontDef(face.style, face.weight, fontFolder + face.fileName);
        text += BodyRule;
        text += LineBreak;
    }

    if (SettingsStore::IsOptionOn(OptionKey::JustifyText)) {
        text += LineBreak;
        text += ParagraphRule;
        text += LineBreak;
    }

    WriteTextFile(sFileName, text);
}

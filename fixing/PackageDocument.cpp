#include "PackageDocument.h"

#include "LiberationFaces.h"
#include "RegexReplacer.h"
#include "TextFile.h"

bool AlterContentOpf(const std::string& sFileName, const std::string& fontFolder)
{
    const RegexReplacer manifestStart("(<manifest[^>]*>)", true);
    const std::string text = ReadTextFile(sFileName);

    std::string items;
    for (const LiberationFace& face : LiberationFaces::ManifestOrder)
        items += OpfFontDef(fontFolder + face.fileName, face.id);
    if (text.find(items) != std::string::npos)
        return false;

    const std::string altered = manifestStart.ReplaceAll(text, "$1" + EscapeReplacement(items), '>');
    if (altered == text)
        return false;
    WriteTextFile(sFileName, altered);
    return true;
}

#include "PackageDocument.h"

#include "LiberationFaces.h"
#include "RegexReplacer.h"
#include "TextFile.h"

void AlterContentOpf(const std::string& sFileName, const std::string& fontFolder)
{
    const RegexReplacer manifestStart("(<manifest[^>]*>)", true);
    const std::string text = ReadTextFile(sFileName);

    std::string items;
    for (const LiberationFace& face : LiberationFaces::ManifestOrder)
        items += OpfFontDef(fontFolder + face.fileName, face.id);

    WriteTextFile(sFileName, manifestStart.ReplaceAll(text, "$1" + EscapeReplacement(items), '>'));
}

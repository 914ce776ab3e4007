// The fixed table of the four Liberation Serif faces, and the rules and items that name them.
#include "LiberationFaces.h"

#include "TextFile.h"

std::string FontDef(const std::string& sStyle, const std::string& sWeight, const std::string& sFileName)
{
    std::string rule;
    rule += std::string("@font-face {") + LineBreak;
    rule += "font-style: " + sStyle + ";" + LineBreak;
    rule += std::string(LiberationFamilyLine) + LineBreak;
    rule += "font-weight: " + sWeight + ";" + LineBreak;
    rule += "src: url(" + sFileName + ");" + LineBreak;
    rule += std::string("}") + LineBreak;
    return rule;
}

std::string OpfFontDef(const std::string& sFileName, const std::string& sId)
{
    return "<item href=\"" + sFileName + "\" media-type=\"application/octet-stream\" id=\"" + sId + "\"/>" +
           LineBreak;
}

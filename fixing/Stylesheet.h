#pragma once

#include <string>

// Rewrites one stylesheet in place as the fix options say: fixed font sizes
// removed, the Liberation faces and a body rule appended, a justifying
// paragraph rule appended. fontFolder is put in front of each font's file
// name, as for AlterContentOpf.
void StripCSSFonts(const std::string& sFileName, const std::string& fontFolder = "");

#pragma once

#include <string>

// Fixes the whole unpacked book below FolderPath (which ends in the
// separator): every stylesheet is rewritten, or deleted when DeleteCSS is
// on; every package document gets the font items when IntlFonts is on.
// Files are handled before sub-folders, depth first. fontFolder is the
// path from FolderPath up to the book's top folder, as the two edits need
// it; the top call leaves it empty. Returns whether any file was rewritten
// or deleted.
bool FindCSS(const std::string& FolderPath, const std::string& fontFolder = "");

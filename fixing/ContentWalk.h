#pragma once

#include "FixOptions.h"

#include <string>

// Fixes the whole unpacked book below FolderPath (which ends in the
// separator) as options say: every stylesheet is rewritten, or deleted when DeleteCSS is
// on; every package document gets the font items when IntlFonts is on.
// Package documents are the files whose names end in "content.opf" (any
// case) and those the book's META-INF/container.xml names. Files are
// handled before sub-folders, depth first, and the font references point
// from each file up to FolderPath. Returns whether any file was rewritten
// or deleted.
bool FindCSS(const std::string& FolderPath, const FixOptions& options);

#pragma once

// Where the four font files the fix embeds are read from.

#include <string>

// Where a font file the fix copies into a book comes from: the current
// directory, or else the folder of the system's Liberation fonts
// (fonts-liberation2), so that a program started from a desktop menu finds
// it. The bare name when neither has it.
std::string FontSource(const std::string& fileName);

// The system's folder of the Liberation fonts, or the one tests set.
std::string InstalledFontFolder();
void SetInstalledFontFolder(const std::string& folder);

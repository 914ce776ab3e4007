#pragma once

#include "LineBreak.h"

#include <string>

// Whole-file text input and output. Text is bytes: one byte is one
// character and nothing is decoded, so every byte outside an edit survives.

// Reads the whole file; a zero-byte file reads as the empty text.
std::string ReadTextFile(const std::string& path);

// Creates or truncates the file and writes text followed by one CR LF.
void WriteTextFile(const std::string& path, const std::string& text);

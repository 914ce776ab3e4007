#pragma once

#include "LineBreak.h"
#include "TextEncoding.h"

#include <optional>
#include <string>
#include <string_view>

// Whole-file text input and output. Text is bytes: one byte is one
// character and nothing is decoded, so every byte outside an edit survives.

// Reads the whole file; a zero-byte file reads as the empty text.
std::string ReadTextFile(const std::string& path);

// A stylesheet or package document read for editing (see TextEncoding);
// nullopt when it cannot be edited safely and must be left as it is.
std::optional<EditableText> ReadEditableText(const std::string& path);

// A stylesheet read for editing (see DecodeStylesheet).
EditableStylesheet ReadEditableStylesheet(const std::string& path);

// Creates or truncates the file and writes bytes, exactly these; the
// folders above it are made where they are missing.
void WriteWholeFile(const std::string& path, std::string_view bytes);

// Creates or truncates the file and writes an edited text followed by one
// CR LF, both in the file's own encoding.
void WriteEditedText(const std::string& path, const std::string& text, TextEncoding encoding);

// The same in original's encoding (see EncodeAsRead); false, the file left
// as it is, where text cannot be written exactly in it.
bool WriteEditedText(const std::string& path, const std::string& text, const EditableText& original);

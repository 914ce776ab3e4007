#pragma once

#include <optional>
#include <string>

// How a stylesheet or package document is edited and written back. Most
// are edited as the bytes they are (UTF-8, Latin-1 and every other
// encoding that keeps ASCII as ASCII): every byte outside an edit stays.
// One that starts with a UTF-16 byte-order mark is edited as UTF-8 and
// written back in UTF-16, in its own byte order, with its mark.
enum class TextEncoding { Bytes, Utf16LE, Utf16BE };

struct EditableText {
    std::string text;  // without the UTF-16 mark; a lone surrogate keeps its three-byte form
    TextEncoding encoding = TextEncoding::Bytes;
};

// nullopt when the file cannot be edited safely: a UTF-16 mark on an odd
// number of bytes, or a UTF-32 mark.
std::optional<EditableText> DecodeForEditing(std::string bytes);

// The bytes to write for text: as they are, or in UTF-16 with the mark.
// Exactly undoes DecodeForEditing.
std::string EncodeEdited(const std::string& text, TextEncoding encoding);

// False when text, edited as bytes, now starts with a byte-order mark it
// did not have: read again, it would be taken for another encoding.
bool KeepsItsEncoding(const std::string& text, TextEncoding encoding);

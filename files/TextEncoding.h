#pragma once

#include <optional>
#include <string>
#include <string_view>

// How a stylesheet or package document is edited and written back. Most
// are edited as the bytes they are (UTF-8, Latin-1 and every other
// encoding that keeps ASCII as ASCII): every byte outside an edit stays.
// One that starts with a UTF-16 byte-order mark is edited as UTF-8 and
// written back in UTF-16, in its own byte order, with its mark. A
// stylesheet whose @charset rule names an encoding in which an ASCII byte
// can be part of another character (Shift_JIS, Big5, GBK, GB18030,
// ISO-2022, ...) is edited by its characters, as UTF-8, and written back
// in that encoding, where iconv converts it exactly (CharsetConversion).
enum class TextEncoding { Bytes, Utf16LE, Utf16BE, Charset };

struct EditableText {
    std::string text;  // without the UTF-16 mark; a lone surrogate keeps its three-byte form
    TextEncoding encoding = TextEncoding::Bytes;
    std::string charset = {};  // with Charset: the encoding, as the @charset rule names it
};

// nullopt when the file cannot be edited safely: a UTF-16 mark on an odd
// number of bytes, or a UTF-32 mark. Never Charset: markup declares its
// encoding otherwise.
std::optional<EditableText> DecodeForEditing(std::string bytes);

// A stylesheet read for editing: as DecodeForEditing reads it where it
// starts with a byte-order mark (which comes before any @charset rule),
// where its @charset names no encoding or one whose ASCII bytes are always
// ASCII characters (AsciiBytesOf; and UTF-16, which CSS reads such a
// stylesheet in as UTF-8); else by its characters (Charset) where iconv
// knows the encoding and converts it exactly.
struct EditableStylesheet {
    std::optional<EditableText> editable;  // nullopt: left as it is
    std::string uneditable;  // then, unless empty: the encoding the @charset names, which cannot be edited exactly
};
EditableStylesheet DecodeStylesheet(std::string bytes);

// The bytes to write for text: as they are, or in UTF-16 with the mark.
// Exactly undoes DecodeForEditing. Not for Charset, whose name it lacks.
std::string EncodeEdited(const std::string& text, TextEncoding encoding);

// The bytes to write for text, edited from original, in original's
// encoding. nullopt for Charset where text cannot be written exactly:
// a character the encoding lacks, or bytes that DecodeStylesheet would not
// read back as text in the same encoding.
std::optional<std::string> EncodeAsRead(const std::string& text, const EditableText& original);

// False when text, edited as bytes, now starts with a byte-order mark it
// did not have: read again, it would be taken for another encoding.
bool KeepsItsEncoding(const std::string& text, TextEncoding encoding);

// The encoding a stylesheet's leading @charset rule names, as it stands
// between the quotes; empty where the stylesheet starts with none.
std::string_view CharsetLabel(std::string_view css);

// What an encoding, by the name a declaration gives it (no blanks around
// it, any case), does with the bytes below 0x80.
enum class AsciiBytes {
    Utf8,        // UTF-8
    SingleByte,  // US-ASCII and Europe's single-byte encodings (ISO-8859-*, Windows-125x, KOI8-*): one byte, one
                 // character, ASCII as ASCII
    Euc,         // EUC-JP, -KR, -CN, -TW: a byte below 0x80 is always that ASCII character
    Unknown,     // any other (GB2312 too, which readers take for GBK): one may be part of another character
};
AsciiBytes AsciiBytesOf(std::string_view label);

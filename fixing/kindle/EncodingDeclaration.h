#pragma once

// Content documents that say how they are encoded, for readers that take an undeclared one for Latin-1.

#include <cstddef>
#include <string>
#include <string_view>

// Makes a content document say how it is encoded, for reading systems
// that take a document without an XML declaration for Latin-1 although
// XML takes it for UTF-8. Only the declaration changes; every other byte
// stays as it is, and a document that already names its encoding needs
// nothing, so that a second pass changes nothing.

// How many of a document's first bytes tell whether it names its
// encoding (MayNeedEncodingDeclaration); a declaration that does not end
// within them is left as it is.
inline constexpr std::size_t EncodingHeadBytes = 1024;

enum class EncodingNeed {
    // Nothing to do: an XML declaration names an encoding, the document
    // starts with a UTF-16 mark (or is 16- or 32-bit text without one), or
    // its declaration is too broken to edit safely.
    None,
    // Valid UTF-8 (with or without a UTF-8 mark) and no declaration:
    // <?xml version="1.0" encoding="utf-8"?> and a line break go first,
    // after the mark if any. The line break is the document's own first
    // one (CR LF, LF or CR), or CR LF where it has none.
    Declaration,
    // Valid UTF-8 and a declaration without encoding: encoding="utf-8"
    // goes right after its version, with one space before it.
    EncodingName,
    // Names no encoding and is not UTF-8 (see IsUtf8): no reading system
    // can tell its encoding. The whole book must be left as it is, named
    // with NotUtf8Reason.
    NotUtf8,
};

// What a document needs, judged from its first bytes alone; head holds at
// least EncodingHeadBytes of them, or the whole document. False means
// EncodingNeed::None: the rest of the document need not be read. True
// means the whole document must go to FixEncodingDeclaration.
bool MayNeedEncodingDeclaration(std::string_view head);

struct EncodingDeclarationFix {
    EncodingNeed need = EncodingNeed::None;
    // For Declaration and EncodingName, the whole document as it is to be
    // written (exactly these bytes, nothing appended); empty otherwise.
    std::string document;
};

// What document (all its bytes) needs, and the document with it done. The
// bytes past the first are read only where no encoding is named, to check
// that they are UTF-8.
EncodingDeclarationFix FixEncodingDeclaration(std::string_view document);

// Why a book is left as it is, for a document (all its bytes) that names
// no encoding in an XML declaration and is not UTF-8, entryName being its
// name in the book, as the document shows it: "OEBPS/ch1.xhtml holds a NUL
// byte ...", "OEBPS/ch1.xhtml names windows-1252 and is not UTF-8" where a
// <meta> element of its head names an encoding (its charset, or that of
// an http-equiv Content-Type), else "OEBPS/ch1.xhtml is not UTF-8 and names
// no encoding".
std::string NotUtf8Reason(const std::string& entryName, std::string_view document);

#pragma once

// A document read with Qt's XML reader and edited as bytes, with the way between their offsets.

#include "TextEncoding.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string_view>

// A package or content document as the fix reads it with Qt's XML reader
// and edits it as bytes: the text to edit (see TextEncoding), and the same
// text as characters, with the way from a character offset the reader
// gives back to the byte offset in the text. Text that is UTF-8 is read as
// UTF-8, other text as Latin-1, whose markup reads the same in every
// encoding that keeps ASCII as ASCII. A UTF-8 mark is no character here:
// the reader never sees it, and offsets count from after it.
struct XmlText {
    EditableText editable;
    QString characters;

    // The offset in editable.text of the character at offset.
    std::size_t ByteOffset(qint64 offset) const;

    // Characters taken from the text (a prefix, white space), as bytes of
    // the text again: a name read as Latin-1 is written as Latin-1.
    std::string TextBytes(const QString& part) const
    {
        return utf8_ ? part.toStdString() : part.toLatin1().toStdString();
    }

    // The bytes to write for an edited text.
    std::string Encoded(const std::string& text) const { return EncodeEdited(text, editable.encoding); }

private:
    std::size_t markBytes_ = 0;
    bool utf8_ = false;
    friend std::optional<XmlText> ReadXmlText(std::string_view bytes);
};

// nullopt where the bytes cannot be edited safely (see DecodeForEditing).
std::optional<XmlText> ReadXmlText(std::string_view bytes);

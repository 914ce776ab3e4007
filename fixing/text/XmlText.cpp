// A document read with Qt's XML reader and edited as bytes, with the way between their offsets.
#include "XmlText.h"

#include "Utf8Text.h"

#include <algorithm>

std::size_t XmlText::ByteOffset(qint64 offset) const
{
    const std::string_view text = std::string_view(editable.text).substr(markBytes_);
    const auto at = static_cast<std::size_t>(offset < 0 ? 0 : offset);
    return markBytes_ + (utf8_ ? Utf8Offset(text, at) : std::min(at, text.size()));
}

std::optional<XmlText> ReadXmlText(std::string_view bytes)
{
    std::optional<EditableText> editable = DecodeForEditing(std::string(bytes));
    if (!editable)
        return std::nullopt;
    XmlText xml;
    xml.editable = std::move(*editable);
    const std::string_view text = xml.editable.text;
    xml.markBytes_ = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const std::string_view body = text.substr(xml.markBytes_);
    xml.utf8_ = IsUtf8(body);
    const auto size = static_cast<qsizetype>(body.size());
    xml.characters = xml.utf8_ ? QString::fromUtf8(body.data(), size) : QString::fromLatin1(body.data(), size);
    return xml;
}

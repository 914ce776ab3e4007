#include "TextEncoding.h"

#include "AsciiText.h"
#include "CharsetConversion.h"
#include "Utf8Append.h"

#include "RunTimeError.h"
#include "Translation.h"

#include <cstdint>
#include <utility>

namespace {

bool StartsWith(const std::string& bytes, const char* mark, std::size_t length)
{
    return bytes.size() >= length && bytes.compare(0, length, mark, length) == 0;
}

std::uint16_t UnitAt(const std::string& bytes, std::size_t at, bool littleEndian)
{
    const auto lo = static_cast<unsigned char>(bytes[at + (littleEndian ? 0 : 1)]);
    const auto hi = static_cast<unsigned char>(bytes[at + (littleEndian ? 1 : 0)]);
    return static_cast<std::uint16_t>(hi << 8 | lo);
}

void AppendUnit(std::string& out, std::uint32_t unit, bool littleEndian)
{
    const char lo = static_cast<char>(unit & 0xFF);
    const char hi = static_cast<char>(unit >> 8 & 0xFF);
    out += littleEndian ? lo : hi;
    out += littleEndian ? hi : lo;
}

// The encoding the first bytes announce; nullopt for a UTF-32 mark.
std::optional<TextEncoding> MarkedEncoding(const std::string& bytes)
{
    if (StartsWith(bytes, "\xFF\xFE\0\0", 4) || StartsWith(bytes, "\0\0\xFE\xFF", 4))
        return std::nullopt;
    if (StartsWith(bytes, "\xFF\xFE", 2))
        return TextEncoding::Utf16LE;
    return StartsWith(bytes, "\xFE\xFF", 2) ? TextEncoding::Utf16BE : TextEncoding::Bytes;
}

// A label without the blanks CSS allows around it.
std::string_view CssTrimmed(std::string_view label)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
    while (!label.empty() && blank(label.front()))
        label.remove_prefix(1);
    while (!label.empty() && blank(label.back()))
        label.remove_suffix(1);
    return label;
}

// CSS reads a stylesheet whose @charset, in ASCII bytes, names UTF-16 as
// UTF-8: a stylesheet in UTF-16 starts with its mark, or with NUL bytes.
bool IsUtf16(std::string_view label)
{
    return SameIgnoringAsciiCase(label, "utf-16") || SameIgnoringAsciiCase(label, "utf-16le") ||
           SameIgnoringAsciiCase(label, "utf-16be");
}

// The encoding, as its @charset rule names it, in which a stylesheet is
// read by its characters; empty where it is read as DecodeForEditing reads
// it. A byte-order mark comes before any @charset rule.
std::string CharsetReadByCharacters(const std::string& bytes)
{
    if (MarkedEncoding(bytes) != TextEncoding::Bytes || StartsWith(bytes, "\xEF\xBB\xBF", 3))
        return {};
    const std::string_view charset = CssTrimmed(CharsetLabel(bytes));
    if (charset.empty() || AsciiBytesOf(charset) != AsciiBytes::Unknown || IsUtf16(charset))
        return {};
    return std::string(charset);
}

}  // namespace

std::optional<EditableText> DecodeForEditing(std::string bytes)
{
    const std::optional<TextEncoding> marked = MarkedEncoding(bytes);
    if (marked == TextEncoding::Bytes)
        return EditableText{std::move(bytes), TextEncoding::Bytes};
    if (!marked || bytes.size() % 2 != 0)
        return std::nullopt;
    const bool littleEndian = marked == TextEncoding::Utf16LE;

    EditableText decoded{{}, *marked};
    decoded.text.reserve(bytes.size());
    for (std::size_t at = 2; at < bytes.size(); at += 2) {
        const std::uint16_t unit = UnitAt(bytes, at, littleEndian);
        if (unit >= 0xD800 && unit < 0xDC00 && at + 4 <= bytes.size()) {
            const std::uint16_t next = UnitAt(bytes, at + 2, littleEndian);
            if (next >= 0xDC00 && next < 0xE000) {
                AppendUtf8(decoded.text, 0x10000 + ((unit - 0xD800u) << 10) + (next - 0xDC00u));
                at += 2;
                continue;
            }
        }
        AppendUtf8(decoded.text, unit);  // a lone surrogate too: written back as it came
    }
    return decoded;
}

std::string EncodeEdited(const std::string& text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Bytes)
        return text;
    if (encoding == TextEncoding::Charset)
        throw RunTimeError(ErrorNumber::InternalError,
            Words::translate("FileErrors", "Internal error (a stylesheet was to be written without its encoding)"));
    const bool littleEndian = encoding == TextEncoding::Utf16LE;
    std::string out;
    out.reserve(text.size() * 2 + 2);
    AppendUnit(out, 0xFEFF, littleEndian);
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (at + length > text.size())
            throw RunTimeError(ErrorNumber::InternalError,
                Words::translate("FileErrors", "Internal error (a UTF-16 text was cut apart)"));
        std::uint32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (std::size_t i = 1; i < length; ++i)
            code = code << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        if (code >= 0x10000) {
            AppendUnit(out, 0xD800 + ((code - 0x10000) >> 10), littleEndian);
            AppendUnit(out, 0xDC00 + ((code - 0x10000) & 0x3FF), littleEndian);
        } else {
            AppendUnit(out, code, littleEndian);
        }
        at += length;
    }
    return out;
}

bool KeepsItsEncoding(const std::string& text, TextEncoding encoding)
{
    return encoding != TextEncoding::Bytes || MarkedEncoding(text) == TextEncoding::Bytes;
}

EditableStylesheet DecodeStylesheet(std::string bytes)
{
    const std::string charset = CharsetReadByCharacters(bytes);
    if (charset.empty())
        return {DecodeForEditing(std::move(bytes)), {}};
    std::optional<std::string> text = DecodedExactly(bytes, charset);
    if (!text)
        return {std::nullopt, charset};
    return {EditableText{std::move(*text), TextEncoding::Charset, charset}, {}};
}

std::optional<std::string> EncodeAsRead(const std::string& text, const EditableText& original)
{
    if (original.encoding != TextEncoding::Charset)
        return EncodeEdited(text, original.encoding);
    std::optional<std::string> bytes = EncodedExactly(text, original.charset);
    if (!bytes || CharsetReadByCharacters(*bytes) != original.charset)
        return std::nullopt;
    return bytes;
}

std::string_view CharsetLabel(std::string_view css)
{
    constexpr std::string_view Rule = "@charset \"";
    if (css.substr(0, Rule.size()) != Rule)
        return {};
    const std::size_t close = css.find('"', Rule.size());
    return close == std::string_view::npos ? std::string_view{} : css.substr(Rule.size(), close - Rule.size());
}

AsciiBytes AsciiBytesOf(std::string_view label)
{
    if (SameIgnoringAsciiCase(label, "utf-8") || SameIgnoringAsciiCase(label, "utf8"))
        return AsciiBytes::Utf8;
    if (SameIgnoringAsciiCase(label, "us-ascii") || SameIgnoringAsciiCase(label, "ascii"))
        return AsciiBytes::SingleByte;
    for (const std::string_view family : {"iso-8859-", "iso8859-", "iso_8859-", "latin", "windows-125", "cp125",
                                          "x-cp125", "koi8-"})
        if (label.size() > family.size() && SameIgnoringAsciiCase(label.substr(0, family.size()), family))
            return AsciiBytes::SingleByte;
    for (const std::string_view euc : {"euc-jp", "eucjp", "x-euc-jp", "euc-kr", "euckr", "euc-cn", "euccn", "euc-tw",
                                       "euctw"})
        if (SameIgnoringAsciiCase(label, euc))
            return AsciiBytes::Euc;
    return AsciiBytes::Unknown;
}

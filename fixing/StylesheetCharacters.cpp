#include "StylesheetCharacters.h"

#include "BookCharacters.h"
#include "CharacterEntities.h"
#include "CssText.h"
#include "Utf8Text.h"

#include <optional>

using namespace Utf8Text;

namespace {

bool IsIdentifierByte(Byte b)
{
    return IsAsciiAlnum(b) || b == '-' || b == '_' || b == '\\' || b >= 0x80;
}

// Collects the characters of the quoted string at at; returns where it
// ends. asciiOnly: bytes past ASCII cannot be read (another @charset).
std::size_t CollectCssString(std::string_view css, std::size_t at, bool asciiOnly, BookCharacters& out)
{
    const auto* bytes = reinterpret_cast<const Byte*>(css.data());
    const Byte* end = bytes + css.size();
    const char quote = css[at];
    std::size_t i = at + 1;
    while (i < css.size()) {
        const Byte b = bytes[i];
        if (b == static_cast<Byte>(quote))
            return i + 1;
        if (b == '\n' || b == '\r' || b == '\f')
            return i;
        if (b == '\\') {
            ++i;
            if (i >= css.size())
                return i;
            if (HexValue(bytes[i]) >= 0) {
                char32_t code = 0;
                for (int digits = 0; digits < 6 && i < css.size() && HexValue(bytes[i]) >= 0; ++digits, ++i)
                    code = code << 4 | static_cast<char32_t>(HexValue(bytes[i]));
                if (i + 1 < css.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
                    i += 2;
                else if (i < css.size() && IsSpace(bytes[i]))
                    ++i;
                out.Add(Sanitized(code));
                continue;
            }
            if (bytes[i] == '\r' && i + 1 < css.size() && bytes[i + 1] == '\n') {
                i += 2;  // a line continued
                continue;
            }
            if (bytes[i] == '\n' || bytes[i] == '\r' || bytes[i] == '\f') {
                ++i;
                continue;
            }
            // any other escaped character stands for itself: read on below
        }
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t c = 0;
        const int length = asciiOnly ? 0 : DecodeUtf8(bytes + i, end, c);
        if (length == 0) {
            out.MarkUnreadable();
            return css.size();
        }
        out.Add(c);
        i += static_cast<std::size_t>(length);
    }
    return i;
}

// The length of the property name at at when it is one whose strings a
// reader draws ("content", "quotes") and starts an identifier there; 0
// otherwise.
std::size_t GeneratedTextProperty(std::string_view css, std::size_t at)
{
    if (at > 0 && IsIdentifierByte(static_cast<Byte>(css[at - 1])))
        return 0;
    for (std::string_view name : {std::string_view("content"), std::string_view("quotes")}) {
        if (css.size() - at < name.size() || !EqualsIgnoringCase(css.substr(at, name.size()), name))
            continue;
        if (at + name.size() < css.size() && IsIdentifierByte(static_cast<Byte>(css[at + name.size()])))
            return 0;
        return name.size();
    }
    return 0;
}

}  // namespace

void CollectStylesheetCharacters(std::string_view css, bool asciiOnly, BookCharacters& out)
{
    using CssText::DeclarationEnd;
    using CssText::FindEnd;
    using CssText::SkipOpaque;
    std::size_t i = 0;
    while (i < css.size() && out.Readable()) {
        const Byte b = static_cast<Byte>(css[i]);
        if (b != 'c' && b != 'C' && b != 'q' && b != 'Q') {
            if (const std::optional<std::size_t> past = SkipOpaque(css, i))
                i = *past;
            else
                ++i;
            continue;
        }
        const std::size_t nameLength = GeneratedTextProperty(css, i);
        if (nameLength == 0) {
            ++i;
            continue;
        }
        std::size_t colon = i + nameLength;
        while (colon < css.size() && IsSpace(static_cast<Byte>(css[colon])))
            ++colon;
        const CssText::ValueEnd found =
            colon < css.size() && css[colon] == ':' ? FindEnd(css, colon + 1) : CssText::ValueEnd{DeclarationEnd::Blocked};
        if (found.found == DeclarationEnd::Blocked) {
            i += nameLength;  // a selector such as ".content:first-child", or no declaration
            continue;
        }
        // A declaration the text ends still draws.
        const std::size_t end = found.found == DeclarationEnd::Found ? found.end : css.size();
        for (std::size_t j = colon + 1; j < end && out.Readable();) {
            if (css[j] == '"' || css[j] == '\'')
                j = CollectCssString(css, j, asciiOnly, out);
            else if (const std::optional<std::size_t> past = SkipOpaque(css, j))
                j = *past;
            else
                ++j;
        }
        i = end;
    }
}

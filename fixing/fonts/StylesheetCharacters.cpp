// What the declarations of a stylesheet draw: generated content and the markers of lists.
#include "StylesheetCharacters.h"

#include "CharacterSet.h"
#include "CharacterEntities.h"
#include "CssText.h"
#include "Utf8Text.h"

#include <algorithm>
#include <optional>

using namespace Utf8Text;
using CssText::NameEnd;
using CssText::SkipOpaque;

namespace {

bool IsIdentifierByte(Byte b)
{
    return IsAsciiAlnum(b) || b == '-' || b == '_' || b == '\\' || b >= 0x80;
}

// Whether a name that starts with a letter starts at at: the names of the
// properties, functions and counter styles read here all do.
bool NameStartsAt(std::string_view css, std::size_t at)
{
    return IsAsciiLetter(css[at]) && (at == 0 || !IsIdentifierByte(static_cast<Byte>(css[at - 1])));
}

// The character of the hex escape whose digits start at i, just past its
// backslash; i moves past the escape and the one blank that may close it.
// nullopt, and i unmoved, when no hex digit follows.
std::optional<char32_t> HexEscape(std::string_view css, std::size_t& i)
{
    const auto* bytes = reinterpret_cast<const Byte*>(css.data());
    if (i >= css.size() || HexValue(bytes[i]) < 0)
        return std::nullopt;
    char32_t code = 0;
    for (int digits = 0; digits < 6 && i < css.size() && HexValue(bytes[i]) >= 0; ++digits, ++i)
        code = code << 4 | static_cast<char32_t>(HexValue(bytes[i]));
    if (i + 1 < css.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
        i += 2;
    else if (i < css.size() && IsSpace(bytes[i]))
        ++i;
    return Sanitized(code);
}

// Collects the character past ASCII at i and moves i past it; a byte
// that starts no UTF-8 character, or any such byte where asciiOnly, makes
// the text unreadable and moves i to the end.
void CollectCharacter(std::string_view css, std::size_t& i, bool asciiOnly, CharacterSet& out)
{
    const auto* bytes = reinterpret_cast<const Byte*>(css.data());
    char32_t c = 0;
    const int length = asciiOnly ? 0 : DecodeUtf8(bytes + i, bytes + css.size(), c);
    if (length == 0) {
        out.MarkUnreadable();
        i = css.size();
        return;
    }
    out.Add(c);
    i += static_cast<std::size_t>(length);
}

// Collects the characters of the quoted string at at; returns where it
// ends. asciiOnly: bytes past ASCII cannot be read (another @charset).
std::size_t CollectCssString(std::string_view css, std::size_t at, bool asciiOnly, CharacterSet& out)
{
    const auto* bytes = reinterpret_cast<const Byte*>(css.data());
    const char quote = css[at];
    std::size_t i = at + 1;
    while (i < css.size() && out.Readable()) {
        const Byte b = bytes[i];
        if (b == static_cast<Byte>(quote))
            return i + 1;
        if (b == '\n' || b == '\r' || b == '\f')
            return i;
        if (b == '\\') {
            ++i;
            if (i >= css.size())
                return i;
            if (const std::optional<char32_t> escaped = HexEscape(css, i)) {
                out.Add(*escaped);
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
        if (bytes[i] < 0x80)
            ++i;
        else
            CollectCharacter(css, i, asciiOnly, out);
    }
    return i;
}

// Just past the ")" that closes the function whose "(" is at open, or end.
std::size_t FunctionEnd(std::string_view css, std::size_t open, std::size_t end)
{
    int depth = 0;
    for (std::size_t i = open; i < end;) {
        if (const std::optional<std::size_t> past = SkipOpaque(css, i)) {
            i = *past;
            continue;
        }
        if (css[i] == '(')
            ++depth;
        else if (css[i] == ')' && --depth == 0)
            return i + 1;
        ++i;
    }
    return end;
}

// attr( [prefix|]name ...): the attribute whose values are drawn.
void AttributeName(std::string_view css, std::size_t open, std::size_t end, CharacterSet& out)
{
    std::size_t i = open + 1;
    while (i < end && CssText::IsBlank(css[i]))
        ++i;
    std::size_t nameEnd = i < end && css[i] == '*' ? i + 1 : NameEnd(css, i);
    if (nameEnd < end && css[nameEnd] == '|') {  // a namespace prefix, or none
        i = nameEnd + 1;
        nameEnd = NameEnd(css, i);
    }
    out.DrawAttribute(css.substr(i, std::min(nameEnd, end) - i));
}

// counter(name, style) and counters(name, "separator", style): every name
// after the first argument may be the style.
void CounterStyleArguments(std::string_view css, std::size_t open, std::size_t end, CharacterSet& out)
{
    const std::size_t close = FunctionEnd(css, open, end);
    bool pastFirst = false;
    int depth = 0;
    for (std::size_t i = open + 1; i < close;) {
        if (const std::optional<std::size_t> past = SkipOpaque(css, i)) {
            i = *past;
            continue;
        }
        const char c = css[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            pastFirst = true;
        } else if (pastFirst && depth == 0 && NameStartsAt(css, i)) {
            const std::size_t nameEnd = NameEnd(css, i);
            out.AddCounterStyle(css.substr(i, nameEnd - i));
            i = nameEnd;
            continue;
        }
        ++i;
    }
}

// What a declaration's value draws.
enum class Drawn {
    Strings,  // its strings (quotes)
    Content,  // its strings, the attributes attr() names, the styles of counter() and counters()
    Markers,  // its strings and the counter styles it names, outside functions but symbols()
    Symbols,  // every character it holds outside functions (an @counter-style rule's symbols)
};

struct DrawingProperty {
    std::string_view name;
    Drawn drawn;
    bool inStyleAttribute;
};

constexpr DrawingProperty DrawingProperties[] = {
    {"content", Drawn::Content, false},
    {"quotes", Drawn::Strings, false},
    {"list-style-type", Drawn::Markers, true},
    {"list-style", Drawn::Markers, true},
    // the descriptors of @counter-style rules, which no property shares
    {"symbols", Drawn::Symbols, false},
    {"additive-symbols", Drawn::Symbols, false},
    {"prefix", Drawn::Symbols, false},
    {"suffix", Drawn::Symbols, false},
    {"negative", Drawn::Symbols, false},
    {"pad", Drawn::Symbols, false},
    {"system", Drawn::Markers, false},    // extends a style
    {"fallback", Drawn::Markers, false},  // beyond the style's range
};

const DrawingProperty* PropertyNamed(std::string_view name, CssSource source)
{
    for (const DrawingProperty& property : DrawingProperties)
        if (EqualsIgnoringCase(name, property.name))
            return source == CssSource::Stylesheet || property.inStyleAttribute ? &property : nullptr;
    return nullptr;
}

// Collects what the value from from to end draws.
void CollectValue(std::string_view css, std::size_t from, std::size_t end, Drawn drawn, bool asciiOnly,
                  CharacterSet& out)
{
    for (std::size_t j = from; j < end && out.Readable();) {
        const char c = css[j];
        if (c == '"' || c == '\'') {
            j = CollectCssString(css, j, asciiOnly, out);
            continue;
        }
        if (drawn == Drawn::Symbols) {
            // A symbol may be a name: its characters and escapes count as they stand.
            if (c == '\\') {
                std::size_t past = j + 1;
                if (const std::optional<char32_t> escaped = HexEscape(css, past))
                    out.Add(*escaped);
                else if (past < end && static_cast<Byte>(css[past]) < 0x80)
                    ++past;  // an escaped ASCII character; one past ASCII is read next as itself
                j = past;
                continue;
            }
            if (static_cast<Byte>(c) >= 0x80) {
                CollectCharacter(css, j, asciiOnly, out);
                continue;
            }
        }
        if (const std::optional<std::size_t> past = SkipOpaque(css, j)) {
            j = *past;
            continue;
        }
        if (drawn == Drawn::Strings || !NameStartsAt(css, j)) {
            ++j;
            continue;
        }
        std::size_t nameEnd = j;
        if (drawn == Drawn::Symbols)
            while (nameEnd < end && (IsAsciiAlnum(static_cast<Byte>(css[nameEnd])) || css[nameEnd] == '-'))
                ++nameEnd;  // what follows past ASCII is collected above
        else
            nameEnd = NameEnd(css, j);
        const std::string_view name = css.substr(j, nameEnd - j);
        const bool function = nameEnd < end && css[nameEnd] == '(';
        if (drawn == Drawn::Content) {
            // Strings inside the functions are read on as before: separators, fallbacks.
            if (function && EqualsIgnoringCase(name, "attr"))
                AttributeName(css, nameEnd, end, out);
            else if (function && (EqualsIgnoringCase(name, "counter") || EqualsIgnoringCase(name, "counters")))
                CounterStyleArguments(css, nameEnd, end, out);
            j = nameEnd;
        } else if (function) {
            // symbols() draws its strings; a picture (url(), a gradient) no text
            j = drawn == Drawn::Markers && EqualsIgnoringCase(name, "symbols") ? nameEnd + 1
                                                                                : FunctionEnd(css, nameEnd, end);
        } else {
            if (drawn == Drawn::Markers)
                out.AddCounterStyle(name);
            j = nameEnd;
        }
    }
}

}  // namespace

void CollectStylesheetCharacters(std::string_view css, bool asciiOnly, CharacterSet& out, CssSource source)
{
    using CssText::DeclarationEnd;
    using CssText::FindEnd;
    std::size_t i = 0;
    while (i < css.size() && out.Readable()) {
        if (!NameStartsAt(css, i)) {
            if (const std::optional<std::size_t> past = SkipOpaque(css, i))
                i = *past;
            else
                ++i;
            continue;
        }
        const std::size_t nameEnd = NameEnd(css, i);
        const DrawingProperty* property = PropertyNamed(css.substr(i, nameEnd - i), source);
        i = nameEnd;
        if (property == nullptr)
            continue;
        std::size_t colon = nameEnd;
        while (colon < css.size() && IsSpace(static_cast<Byte>(css[colon])))
            ++colon;
        const CssText::ValueEnd found =
            colon < css.size() && css[colon] == ':' ? FindEnd(css, colon + 1) : CssText::ValueEnd{DeclarationEnd::Blocked};
        if (found.found == DeclarationEnd::Blocked)
            continue;  // a selector such as ".content:first-child", or no declaration
        // A declaration the text ends still draws.
        const std::size_t end = found.found == DeclarationEnd::Found ? found.end : css.size();
        CollectValue(css, colon + 1, end, property->drawn, asciiOnly, out);
        i = end;
    }
}

// The characters a content document's text draws, read in one pass without a tree.
#include "MarkupCharacters.h"

#include "CharacterSet.h"
#include "CharacterEntities.h"
#include "StylesheetCharacters.h"
#include "Utf8Text.h"
#include "XmlProlog.h"

#include <algorithm>
#include <cstring>
#include <optional>

using namespace Utf8Text;

namespace {

std::size_t FindIgnoringCase(std::string_view text, std::string_view lowerWord)
{
    for (std::size_t at = 0; at + lowerWord.size() <= text.size(); ++at)
        if (EqualsIgnoringCase(text.substr(at, lowerWord.size()), lowerWord))
            return at;
    return std::string_view::npos;
}

enum class Element { Other, Script, Style, Meta };

class MarkupScanner {
public:
    MarkupScanner(std::string_view text, bool marked, CharacterSet& out)
        : begin_(reinterpret_cast<const Byte*>(text.data())), end_(begin_ + text.size()), marked_(marked), out_(out)
    {
    }

    void Run()
    {
        const Byte* p = begin_;
        while (p < end_ && out_.Readable()) {
            const auto* lt = static_cast<const Byte*>(std::memchr(p, '<', static_cast<std::size_t>(end_ - p)));
            if (lt == nullptr)
                lt = end_;
            Text(p, lt);
            if (lt == end_)
                break;
            p = Markup(lt);
        }
        // Declared another encoding, the text reads the same only in ASCII.
        if (asciiOnly_ && pastAscii_)
            Fail();
    }

private:
    void Fail() { out_.MarkUnreadable(); }

    // An encoding the document names, where no byte-order mark decides.
    void Declare(std::string_view label)
    {
        if (marked_)
            return;
        const Declared declared = ClassOf(label);
        if (declared == Declared::Other)
            Fail();
        asciiOnly_ |= declared == Declared::AsciiAlike;
    }

    // Collects the characters of text or of an attribute's value,
    // resolving references.
    void Text(const Byte* p, const Byte* end)
    {
        while (p < end) {
            const Byte b = *p;
            if (b >= 0x80) {
                pastAscii_ = true;
                char32_t c = 0;
                const int length = DecodeUtf8(p, end, c);
                if (length == 0)
                    return Fail();
                out_.Add(c);
                p += length;
            } else if (b == '&') {
                p = Reference(p, end);
                if (!out_.Readable())
                    return;
            } else if (IsControl(b)) {
                return Fail();
            } else {
                ++p;
            }
        }
    }

    // Checks that bytes are UTF-8 (a reader decodes the whole document)
    // and, with collect, collects their characters as they are.
    void Characters(const Byte* p, const Byte* end, bool collect)
    {
        while (p < end) {
            if (*p < 0x80) {
                if (IsControl(*p))
                    return Fail();
                ++p;
                continue;
            }
            pastAscii_ = true;
            char32_t c = 0;
            const int length = DecodeUtf8(p, end, c);
            if (length == 0)
                return Fail();
            if (collect)
                out_.Add(c);
            p += length;
        }
    }

    void Check(const Byte* p, const Byte* end) { Characters(p, end, false); }

    // The reference that starts at amp ("&"); returns where it ends.
    const Byte* Reference(const Byte* amp, const Byte* end)
    {
        const Byte* p = amp + 1;
        if (p < end && *p == '#') {
            ++p;
            const bool hex = p < end && (*p == 'x' || *p == 'X');
            if (hex)
                ++p;
            const Byte* digits = p;
            char32_t code = 0;
            for (; p < end; ++p) {
                const int value = hex ? HexValue(*p) : (*p >= '0' && *p <= '9' ? *p - '0' : -1);
                if (value < 0)
                    break;
                code = std::min<char32_t>(code * (hex ? 16 : 10) + static_cast<char32_t>(value), 0x110000);
            }
            if (p == digits)
                return amp + 1;  // "&#" and no number: text
            if (p < end && *p == ';')
                ++p;
            out_.Add(Sanitized(code));
            return p;
        }
        while (p < end && p - amp <= 32 && IsAsciiAlnum(*p))
            ++p;
        if (p == amp + 1)
            return p;  // a lone "&"
        const std::string_view name(reinterpret_cast<const char*>(amp + 1), static_cast<std::size_t>(p - amp - 1));
        const bool closed = p < end && *p == ';';
        if (const std::optional<char32_t> code = EntityCharacter(name))
            out_.Add(*code);
        else if (closed && !declaresEntities_)
            Fail();  // a character nobody can tell
        return closed ? p + 1 : p;
    }

    static const Byte* Find(const Byte* p, const Byte* end, std::string_view what)
    {
        const std::string_view text(reinterpret_cast<const char*>(p), static_cast<std::size_t>(end - p));
        const std::size_t at = text.find(what);
        return at == std::string_view::npos ? nullptr : p + at;
    }

    // The markup that starts at lt ("<"); returns where it ends.
    const Byte* Markup(const Byte* lt)
    {
        const Byte* p = lt + 1;
        const std::string_view rest(reinterpret_cast<const char*>(p), static_cast<std::size_t>(end_ - p));
        if (rest.starts_with("!--"))
            return Skip(p + 3, "-->");
        if (rest.starts_with("![CDATA[")) {
            const Byte* close = Find(p + 8, end_, "]]>");
            Characters(p + 8, close ? close : end_, true);  // a CDATA section: text as it is
            return close ? close + 3 : end_;
        }
        if (rest.starts_with("!"))
            return Declaration(p + 1);
        if (rest.starts_with("?")) {
            if (lt == begin_ && rest.starts_with("?xml") && rest.size() > 4 && IsSpace(p[4]))
                return XmlDeclaration(p);
            return Skip(p + 1, "?>");
        }
        if (rest.starts_with("/"))
            return Skip(p + 1, ">");
        if (p < end_ && (IsAsciiAlnum(*p) || *p == '_' || *p == ':' || *p >= 0x80))
            return StartTag(p);
        return p;  // a "<" that starts no markup is text
    }

    const Byte* Skip(const Byte* from, std::string_view close)
    {
        const Byte* at = Find(from, end_, close);
        Check(from, at ? at : end_);
        return at ? at + close.size() : end_;
    }

    const Byte* XmlDeclaration(const Byte* question)
    {
        const Byte* close = Find(question, end_, "?>");
        const Byte* last = close ? close : end_;
        Check(question, last);
        const std::string_view text = View(question - 1, end_);
        if (const std::optional<::XmlDeclaration> declaration = ReadXmlDeclaration(text); declaration && !marked_)
            if (const ::XmlDeclaration::Pseudo* encoding = declaration->Find("encoding"))
                Declare(text.substr(encoding->valueBegin, encoding->valueEnd - encoding->valueBegin));
        return close ? close + 2 : end_;
    }

    // A document type declaration: its internal subset may declare
    // entities, whose text then counts whole.
    const Byte* Declaration(const Byte* p)
    {
        const Byte* start = p;
        while (p < end_ && *p != '>') {
            if (*p == '"' || *p == '\'') {
                const Byte* close = Find(p + 1, end_, std::string_view(reinterpret_cast<const char*>(p), 1));
                p = close ? close + 1 : end_;
            } else if (*p == '[') {
                const Byte* close = Find(p, end_, "]");
                while (close) {
                    const Byte* after = close + 1;
                    while (after < end_ && IsSpace(*after))
                        ++after;
                    if (after >= end_ || *after == '>')
                        break;
                    close = Find(close + 1, end_, "]");
                }
                declaresEntities_ = true;
                Text(p + 1, close ? close : end_);
                p = close ? close + 1 : end_;
            } else {
                ++p;
            }
        }
        Check(start, std::min(p, end_));
        return p < end_ ? p + 1 : end_;
    }

    static Element KindOf(std::string_view name)
    {
        if (const std::size_t colon = name.rfind(':'); colon != std::string_view::npos)
            name.remove_prefix(colon + 1);
        if (EqualsIgnoringCase(name, "script"))
            return Element::Script;
        if (EqualsIgnoringCase(name, "style"))
            return Element::Style;
        return EqualsIgnoringCase(name, "meta") ? Element::Meta : Element::Other;
    }

    static std::string_view LocalName(std::string_view name)
    {
        const std::size_t colon = name.rfind(':');
        return colon == std::string_view::npos ? name : name.substr(colon + 1);
    }

    static std::string_view View(const Byte* from, const Byte* to)
    {
        return {reinterpret_cast<const char*>(from), static_cast<std::size_t>(to - from)};
    }

    // Checks an encoding a <meta> names, unless a byte-order mark decides.
    void MetaAttribute(std::string_view name, std::string_view value)
    {
        if (marked_)
            return;
        if (EqualsIgnoringCase(name, "charset")) {
            Declare(value);
        } else if (EqualsIgnoringCase(name, "content")) {
            const std::size_t at = FindIgnoringCase(value, "charset=");
            if (at == std::string_view::npos)
                return;
            std::string_view label = value.substr(at + 8);
            Declare(label.substr(0, label.find_first_of("; \t\r\n")));
        }
    }

    const Byte* StartTag(const Byte* p)
    {
        const Byte* nameStart = p;
        while (p < end_ && !IsSpace(*p) && *p != '/' && *p != '>')
            ++p;
        Check(nameStart, p);
        const Element kind = KindOf(View(nameStart, p));
        bool empty = false;
        while (p < end_ && out_.Readable()) {
            if (IsSpace(*p) || *p == '/') {
                empty = *p == '/';
                ++p;
                continue;
            }
            if (*p == '>') {
                ++p;
                break;
            }
            empty = false;
            const Byte* attributeStart = p;
            while (p < end_ && !IsSpace(*p) && *p != '=' && *p != '>' && *p != '/')
                ++p;
            if (p == attributeStart) {
                ++p;  // a stray "="
                continue;
            }
            const std::string_view attribute = View(attributeStart, p);
            Check(attributeStart, p);
            while (p < end_ && IsSpace(*p))
                ++p;
            if (p >= end_ || *p != '=')
                continue;  // an attribute without a value
            ++p;
            while (p < end_ && IsSpace(*p))
                ++p;
            const Byte* valueStart = p;
            const Byte* valueEnd = p;
            if (p < end_ && (*p == '"' || *p == '\'')) {
                valueStart = p + 1;
                const Byte* close = static_cast<const Byte*>(
                    std::memchr(valueStart, *p, static_cast<std::size_t>(end_ - valueStart)));
                valueEnd = close ? close : end_;
                p = close ? close + 1 : end_;
            } else {
                while (p < end_ && !IsSpace(*p) && *p != '>')
                    ++p;
                valueEnd = p;
            }
            const std::string_view local = LocalName(attribute);
            if (EqualsIgnoringCase(local, "alt") || EqualsIgnoringCase(local, "title") || out_.DrawsAttribute(local))
                Text(valueStart, valueEnd);
            else
                Check(valueStart, valueEnd);
            if (EqualsIgnoringCase(attribute, "style") && out_.Readable())
                CollectStylesheetCharacters(View(valueStart, valueEnd), false, out_, CssSource::StyleAttribute);
            if (kind == Element::Meta)
                MetaAttribute(local, View(valueStart, valueEnd));
        }
        if (empty || (kind != Element::Script && kind != Element::Style))
            return p;
        // A script's text is program, not shown; a style's is a stylesheet.
        const Byte* close = ClosingTag(p, kind == Element::Script ? "script" : "style");
        Check(p, close);
        if (kind == Element::Style && out_.Readable())
            CollectStylesheetCharacters(View(p, close), false, out_);
        return close;
    }

    // Where the end tag of a script or style element starts.
    const Byte* ClosingTag(const Byte* p, std::string_view name)
    {
        while (p < end_) {
            const Byte* lt = Find(p, end_, "</");
            if (!lt)
                return end_;
            const Byte* q = lt + 2;
            while (q < end_ && !IsSpace(*q) && *q != '>')
                ++q;
            if (EqualsIgnoringCase(LocalName(View(lt + 2, q)), name))
                return lt;
            p = lt + 2;
        }
        return end_;
    }

    const Byte* begin_;
    const Byte* end_;
    bool marked_;
    CharacterSet& out_;
    bool declaresEntities_ = false;
    bool asciiOnly_ = false;  // another encoding is declared
    bool pastAscii_ = false;  // a byte past ASCII was met
};

}  // namespace

void CollectMarkupCharacters(std::string_view text, bool marked, CharacterSet& out)
{
    // A <style> element that names an attribute for attr() names it for the
    // whole of its document, elements before it too: read the document again.
    const std::size_t drawn = out.DrawnAttributeCount();
    MarkupScanner(text, marked, out).Run();
    if (out.Readable() && out.DrawnAttributeCount() != drawn)
        MarkupScanner(text, marked, out).Run();
}

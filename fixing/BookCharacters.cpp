#include "BookCharacters.h"

#include "StylesheetScanner.h"
#include "TextEncoding.h"

#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace {

using Byte = unsigned char;

// ---- Bytes and encodings ----------------------------------------------

// The length of the valid UTF-8 sequence at p, its character in c; 0 for
// anything else (overlong forms, surrogates, bytes past U+10FFFF, a
// sequence cut off at end).
int DecodeUtf8(const Byte* p, const Byte* end, char32_t& c)
{
    const Byte lead = *p;
    int length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (p[i] & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return 0;
    return length;
}

bool IsSpace(Byte b)
{
    return b == ' ' || b == '\t' || b == '\n' || b == '\r' || b == '\f';
}

// The control bytes no text has: NUL in UTF-16 without its mark, ESC in
// ISO-2022's Asian text, others in what is not text at all.
bool IsControl(Byte b)
{
    return b < 0x20 && !IsSpace(b);
}

bool IsAsciiAlnum(Byte b)
{
    return (b >= '0' && b <= '9') || ((b | 0x20) >= 'a' && (b | 0x20) <= 'z');
}

Byte LowerAscii(Byte b)
{
    return b >= 'A' && b <= 'Z' ? static_cast<Byte>(b | 0x20) : b;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerWord)
{
    if (text.size() != lowerWord.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (LowerAscii(static_cast<Byte>(text[i])) != static_cast<Byte>(lowerWord[i]))
            return false;
    return true;
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view lowerWord)
{
    for (std::size_t at = 0; at + lowerWord.size() <= text.size(); ++at)
        if (EqualsIgnoringCase(text.substr(at, lowerWord.size()), lowerWord))
            return at;
    return std::string_view::npos;
}

// What an encoding's name, as a declaration gives it, means for reading
// the text as UTF-8: it is UTF-8; it reads ASCII bytes as ASCII and only
// them alike (ASCII itself, which HTML readers take for Windows-1252, and
// the single-byte encodings of Europe); or nothing can be told (ISO-2022
// and UTF-7 spell letters in ASCII bytes, the Asian encodings are left to
// the whole faces).
enum class Declared { Utf8, AsciiAlike, Other };

Declared ClassOf(std::string_view label)
{
    while (!label.empty() && (IsSpace(label.front()) || label.front() == '"' || label.front() == '\''))
        label.remove_prefix(1);
    while (!label.empty() && (IsSpace(label.back()) || label.back() == '"' || label.back() == '\''))
        label.remove_suffix(1);
    if (EqualsIgnoringCase(label, "utf-8") || EqualsIgnoringCase(label, "utf8"))
        return Declared::Utf8;
    if (EqualsIgnoringCase(label, "us-ascii") || EqualsIgnoringCase(label, "ascii"))
        return Declared::AsciiAlike;
    for (const std::string_view family : {"iso-8859-", "iso8859-", "iso_8859-", "latin", "windows-125", "cp125",
                                          "x-cp125", "koi8-"})
        if (label.size() > family.size() && EqualsIgnoringCase(label.substr(0, family.size()), family))
            return Declared::AsciiAlike;
    return Declared::Other;
}

// A document's text as UTF-8, and whether a byte-order mark said so (the
// mark outranks every declaration in the text).
struct DecodedText {
    std::string_view text;
    bool marked = false;
    std::string storage;  // the text decoded from UTF-16
};

std::optional<DecodedText> Decode(std::string_view bytes)
{
    DecodedText decoded;
    const std::string_view mark = bytes.substr(0, 2);
    if (mark == "\xFF\xFE" || mark == "\xFE\xFF") {
        std::optional<EditableText> utf16 = DecodeForEditing(std::string(bytes));
        if (!utf16)
            return std::nullopt;  // a UTF-32 mark, or an odd number of bytes
        decoded.storage = std::move(utf16->text);
        decoded.text = decoded.storage;
        decoded.marked = true;
    } else if (bytes.size() >= 4 && bytes.substr(0, 4) == std::string_view("\0\0\xFE\xFF", 4)) {
        return std::nullopt;
    } else if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        decoded.text = bytes.substr(3);
        decoded.marked = true;
    } else {
        decoded.text = bytes;
    }
    return decoded;
}

// ---- Entities -----------------------------------------------------------

struct Entity {
    std::string_view name;
    char32_t code;
};

// U+00A0 to U+00FF, in order.
constexpr std::array<std::string_view, 96> Latin1Entities = {
    "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf", "laquo",
    "not", "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para", "middot",
    "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",
    "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute",
    "Icirc", "Iuml", "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "times", "Oslash",
    "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig", "agrave", "aacute", "acirc", "atilde",
    "auml", "aring", "aelig", "ccedil", "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc",
    "iuml", "eth", "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave",
    "uacute", "ucirc", "uuml", "yacute", "thorn", "yuml"};

// The rest of HTML 4 (XHTML 1's special and symbol sets), the XML five,
// and the typographic ones of HTML that books use.
constexpr Entity OtherEntities[] = {
    {"quot", 0x22}, {"amp", 0x26}, {"apos", 0x27}, {"lt", 0x3C}, {"gt", 0x3E},
    {"OElig", 0x152}, {"oelig", 0x153}, {"Scaron", 0x160}, {"scaron", 0x161}, {"Yuml", 0x178},
    {"fnof", 0x192}, {"circ", 0x2C6}, {"tilde", 0x2DC},
    {"Alpha", 0x391}, {"Beta", 0x392}, {"Gamma", 0x393}, {"Delta", 0x394}, {"Epsilon", 0x395},
    {"Zeta", 0x396}, {"Eta", 0x397}, {"Theta", 0x398}, {"Iota", 0x399}, {"Kappa", 0x39A},
    {"Lambda", 0x39B}, {"Mu", 0x39C}, {"Nu", 0x39D}, {"Xi", 0x39E}, {"Omicron", 0x39F}, {"Pi", 0x3A0},
    {"Rho", 0x3A1}, {"Sigma", 0x3A3}, {"Tau", 0x3A4}, {"Upsilon", 0x3A5}, {"Phi", 0x3A6}, {"Chi", 0x3A7},
    {"Psi", 0x3A8}, {"Omega", 0x3A9},
    {"alpha", 0x3B1}, {"beta", 0x3B2}, {"gamma", 0x3B3}, {"delta", 0x3B4}, {"epsilon", 0x3B5},
    {"zeta", 0x3B6}, {"eta", 0x3B7}, {"theta", 0x3B8}, {"iota", 0x3B9}, {"kappa", 0x3BA},
    {"lambda", 0x3BB}, {"mu", 0x3BC}, {"nu", 0x3BD}, {"xi", 0x3BE}, {"omicron", 0x3BF}, {"pi", 0x3C0},
    {"rho", 0x3C1}, {"sigmaf", 0x3C2}, {"sigma", 0x3C3}, {"tau", 0x3C4}, {"upsilon", 0x3C5},
    {"phi", 0x3C6}, {"chi", 0x3C7}, {"psi", 0x3C8}, {"omega", 0x3C9}, {"thetasym", 0x3D1},
    {"upsih", 0x3D2}, {"piv", 0x3D6},
    {"ensp", 0x2002}, {"emsp", 0x2003}, {"thinsp", 0x2009}, {"zwnj", 0x200C}, {"zwj", 0x200D},
    {"lrm", 0x200E}, {"rlm", 0x200F}, {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018},
    {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"bdquo", 0x201E},
    {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022}, {"hellip", 0x2026}, {"permil", 0x2030},
    {"prime", 0x2032}, {"Prime", 0x2033}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"oline", 0x203E},
    {"frasl", 0x2044}, {"euro", 0x20AC}, {"image", 0x2111}, {"weierp", 0x2118}, {"real", 0x211C},
    {"trade", 0x2122}, {"alefsym", 0x2135},
    {"larr", 0x2190}, {"uarr", 0x2191}, {"rarr", 0x2192}, {"darr", 0x2193}, {"harr", 0x2194},
    {"crarr", 0x21B5}, {"lArr", 0x21D0}, {"uArr", 0x21D1}, {"rArr", 0x21D2}, {"dArr", 0x21D3},
    {"hArr", 0x21D4},
    {"forall", 0x2200}, {"part", 0x2202}, {"exist", 0x2203}, {"empty", 0x2205}, {"nabla", 0x2207},
    {"isin", 0x2208}, {"notin", 0x2209}, {"ni", 0x220B}, {"prod", 0x220F}, {"sum", 0x2211},
    {"minus", 0x2212}, {"lowast", 0x2217}, {"radic", 0x221A}, {"prop", 0x221D}, {"infin", 0x221E},
    {"ang", 0x2220}, {"and", 0x2227}, {"or", 0x2228}, {"cap", 0x2229}, {"cup", 0x222A}, {"int", 0x222B},
    {"there4", 0x2234}, {"sim", 0x223C}, {"cong", 0x2245}, {"asymp", 0x2248}, {"ne", 0x2260},
    {"equiv", 0x2261}, {"le", 0x2264}, {"ge", 0x2265}, {"sub", 0x2282}, {"sup", 0x2283}, {"nsub", 0x2284},
    {"sube", 0x2286}, {"supe", 0x2287}, {"oplus", 0x2295}, {"otimes", 0x2297}, {"perp", 0x22A5},
    {"sdot", 0x22C5}, {"lceil", 0x2308}, {"rceil", 0x2309}, {"lfloor", 0x230A}, {"rfloor", 0x230B},
    {"lang", 0x2329}, {"rang", 0x232A}, {"loz", 0x25CA}, {"spades", 0x2660}, {"clubs", 0x2663},
    {"hearts", 0x2665}, {"diams", 0x2666},
    // HTML's own, beyond XHTML 1
    {"hyphen", 0x2010}, {"dash", 0x2010}, {"horbar", 0x2015}, {"lsquor", 0x201A}, {"rsquor", 0x2019},
    {"ldquor", 0x201E}, {"rdquor", 0x201D}, {"bullet", 0x2022}, {"nldr", 0x2025}, {"mldr", 0x2026},
    {"numsp", 0x2007}, {"puncsp", 0x2008}, {"hairsp", 0x200A}, {"ZeroWidthSpace", 0x200B},
    {"NonBreakingSpace", 0xA0}, {"half", 0xBD}, {"centerdot", 0xB7}, {"check", 0x2713},
};

std::optional<char32_t> EntityCode(std::string_view name)
{
    static const std::vector<Entity> sorted = [] {
        std::vector<Entity> all(std::begin(OtherEntities), std::end(OtherEntities));
        for (std::size_t i = 0; i < Latin1Entities.size(); ++i)
            all.push_back({Latin1Entities[i], static_cast<char32_t>(0xA0 + i)});
        std::sort(all.begin(), all.end(), [](const Entity& a, const Entity& b) { return a.name < b.name; });
        return all;
    }();
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), name,
                                     [](const Entity& e, std::string_view n) { return e.name < n; });
    if (it == sorted.end() || it->name != name)
        return std::nullopt;
    return it->code;
}

// What HTML readers show for the numbers 0x80 to 0x9F: Windows-1252's
// characters (0 where it has none).
constexpr std::array<char32_t, 32> Windows1252 = {
    0x20AC, 0, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160, 0x2039, 0x152, 0, 0x17D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0, 0x17E, 0x178};

char32_t Sanitized(char32_t c)
{
    return c == 0 || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000) ? 0xFFFD : c;
}

// ---- Stylesheets ----------------------------------------------------------

bool IsIdentifierByte(Byte b)
{
    return IsAsciiAlnum(b) || b == '-' || b == '_' || b == '\\' || b >= 0x80;
}

int HexValue(Byte b)
{
    if (b >= '0' && b <= '9')
        return b - '0';
    const Byte lower = static_cast<Byte>(b | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
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

// Collects the strings of every `content` and `quotes` declaration.
void CollectStylesheetStrings(std::string_view css, bool asciiOnly, BookCharacters& out)
{
    using namespace StylesheetScanner;
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
        std::size_t end = css.size();  // a declaration the text ends still draws
        if (colon >= css.size() || css[colon] != ':' || FindEnd(css, colon + 1, end) == DeclarationEnd::Blocked) {
            i += nameLength;  // a selector such as ".content:first-child", or no declaration
            continue;
        }
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

// The encoding a stylesheet's @charset rule names, if it starts with one.
std::string_view CharsetRule(std::string_view css)
{
    constexpr std::string_view Rule = "@charset \"";
    if (css.substr(0, Rule.size()) != Rule)
        return {};
    const std::size_t close = css.find('"', Rule.size());
    return close == std::string_view::npos ? std::string_view{} : css.substr(Rule.size(), close - Rule.size());
}

// ---- Markup -------------------------------------------------------------

enum class Element { Other, Script, Style, Meta };

// One pass over an XHTML, HTML or SVG document's text (UTF-8), collecting
// what a reader draws from it.
class MarkupScanner {
public:
    MarkupScanner(std::string_view text, bool marked, BookCharacters& out)
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
        if (const std::optional<char32_t> code = EntityCode(name))
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
        const std::string_view declaration = View(question, last);
        if (const std::size_t at = declaration.find("encoding"); at != std::string_view::npos && !marked_) {
            std::size_t i = at + 8;
            while (i < declaration.size() && (IsSpace(declaration[i]) || declaration[i] == '='))
                ++i;
            if (i < declaration.size() && (declaration[i] == '"' || declaration[i] == '\'')) {
                const std::size_t valueEnd = declaration.find(declaration[i], i + 1);
                Declare(declaration.substr(i + 1, valueEnd == std::string_view::npos ? std::string_view::npos
                                                                                      : valueEnd - i - 1));
            }
        }
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
            if (EqualsIgnoringCase(local, "alt") || EqualsIgnoringCase(local, "title"))
                Text(valueStart, valueEnd);
            else
                Check(valueStart, valueEnd);
            if (kind == Element::Meta)
                MetaAttribute(local, View(valueStart, valueEnd));
        }
        if (empty || (kind != Element::Script && kind != Element::Style))
            return p;
        // A script's text is program, not shown; a style's is a stylesheet.
        const Byte* close = ClosingTag(p, kind == Element::Script ? "script" : "style");
        Check(p, close);
        if (kind == Element::Style && out_.Readable())
            CollectStylesheetStrings(View(p, close), false, out_);
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
    BookCharacters& out_;
    bool declaresEntities_ = false;
    bool asciiOnly_ = false;  // another encoding is declared
    bool pastAscii_ = false;  // a byte past ASCII was met
};

bool EndsWithIgnoringCase(std::string_view text, std::string_view lowerEnd)
{
    return text.size() >= lowerEnd.size() && EqualsIgnoringCase(text.substr(text.size() - lowerEnd.size()), lowerEnd);
}

// The characters reading systems draw themselves, whatever the text.
constexpr std::pair<char32_t, char32_t> DrawnByReaders[] = {
    {0x20, 0x7E}, {0xA0, 0xA0}, {0xAD, 0xAD}, {0x2010, 0x2015}, {0x2018, 0x201F}, {0x2022, 0x2022},
    {0x2026, 0x2026}, {0x25AA, 0x25AA}, {0x25E6, 0x25E6}};

}  // namespace

bool BookCharacters::IsContentDocument(std::string_view entryName, std::string_view mediaType)
{
    for (const char* extension : {".xhtml", ".xht", ".html", ".htm", ".svg"})
        if (EndsWithIgnoringCase(entryName, extension))
            return true;
    mediaType = mediaType.substr(0, mediaType.find(';'));
    while (!mediaType.empty() && IsSpace(static_cast<Byte>(mediaType.back())))
        mediaType.remove_suffix(1);
    for (const char* type : {"application/xhtml+xml", "text/html", "image/svg+xml"})
        if (EqualsIgnoringCase(mediaType, type))
            return true;
    return false;
}

void BookCharacters::AddContentDocument(std::string_view bytes)
{
    if (!readable_)
        return;
    const std::optional<DecodedText> decoded = Decode(bytes);
    if (!decoded)
        return MarkUnreadable();
    MarkupScanner(decoded->text, decoded->marked, *this).Run();
}

void BookCharacters::AddStylesheet(std::string_view bytes)
{
    if (!readable_)
        return;
    const std::optional<DecodedText> decoded = Decode(bytes);
    if (!decoded)
        return MarkUnreadable();
    const std::string_view charset = CharsetRule(decoded->text);
    const Declared declared = decoded->marked || charset.empty() ? Declared::Utf8 : ClassOf(charset);
    if (declared == Declared::Other)
        return MarkUnreadable();
    const bool asciiOnly = declared == Declared::AsciiAlike;
    CollectStylesheetStrings(decoded->text, asciiOnly, *this);
}

void BookCharacters::Add(char32_t c)
{
    if (c < 0x80)
        return;  // drawn by readers anyway, or a control
    if (c < 0x10000 ? basic_.test(c) : !beyond_.insert(c).second)
        return;
    if (c < 0x10000)
        basic_.set(c);
    found_.push_back(c);
    if (c < 0xA0 && Windows1252[c - 0x80] != 0)
        Add(Windows1252[c - 0x80]);
}

std::vector<char32_t> BookCharacters::Characters() const
{
    std::vector<char32_t> all = found_;
    for (const char32_t c : found_) {
        all.push_back(QChar::toUpper(c));
        all.push_back(QChar::toLower(c));
        all.push_back(QChar::toTitleCase(c));
        // Full mappings too: ß is SS in capitals, ŉ is ʼN.
        const QString one = QString::fromUcs4(&c, 1);
        for (const QString& mapped : {one.toUpper(), one.toLower()})
            for (const char32_t m : mapped.toUcs4())
                all.push_back(m);
        if (c == 0x3A3 || c == 0x3C3 || c == 0x3C2)
            all.insert(all.end(), {0x3A3, 0x3C3, 0x3C2});  // lower-cased, a sigma ending a word is ς
    }
    for (const auto& [first, last] : DrawnByReaders)
        for (char32_t c = first; c <= last; ++c)
            all.push_back(c);
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

// Content documents that say how they are encoded, for readers that take an undeclared one for Latin-1.
#include "EncodingDeclaration.h"

#include "AsciiText.h"
#include "LineBreak.h"
#include "Translation.h"
#include "Utf8Text.h"
#include "XmlProlog.h"

#include <algorithm>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
constexpr std::string_view EncodingName = " encoding=\"utf-8\"";

std::size_t SkipSpace(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsXmlSpace(text[at]))
        ++at;
    return at;
}

// What the first bytes say: nothing to do, or where the declaration or
// the encoding name is to go.
struct HeadVerdict {
    EncodingNeed need = EncodingNeed::None;
    std::size_t insertAt = 0;
};

HeadVerdict JudgeHead(std::string_view head)
{
    head = head.substr(0, EncodingHeadBytes);
    // A UTF-16 mark names the encoding. Text that starts with a NUL, or
    // with "<" and a NUL, is 16- or 32-bit text without a mark, which XML
    // tells from its first bytes: not ours to declare.
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF") || head.starts_with('\0') ||
        head.starts_with(std::string_view("<\0", 2)))
        return {};
    const std::size_t start = head.starts_with(Utf8Mark) ? Utf8Mark.size() : 0;
    // A declaration after white space is misplaced, but it is the
    // document's declaration all the same: none is put before it; and one
    // written <?XML or Encoding= is no well-formed one, but adding a second
    // would make matters worse.
    const std::optional<XmlDeclaration> declaration = ReadXmlDeclaration(head);
    if (!declaration)
        return {EncodingNeed::Declaration, start};
    if (declaration->close == std::string_view::npos)
        return {};  // not closed within the first bytes: not edited
    // One that names an encoding, whatever it names (an unknown or empty
    // one is not this fix's to correct), needs nothing; one whose
    // pseudo-attributes do not read, or that does not begin with its
    // version as XML wants it, is too broken to edit.
    if (declaration->Find("encoding") || !declaration->allRead || declaration->attributes.empty() ||
        !EqualsIgnoringCase(declaration->attributes.front().name, "version"))
        return {};
    return {EncodingNeed::EncodingName, declaration->attributes.front().valueEnd + 1};
}

// The line break the document itself uses first; CR LF, the system's own,
// where it has none.
std::string_view FirstLineBreak(std::string_view document)
{
    const std::size_t at = document.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return LineBreak;
    if (document[at] == '\n')
        return "\n";
    return at + 1 < document.size() && document[at + 1] == '\n' ? "\r\n" : "\r";
}

// Whether text at at starts with word and ends it there: what follows is
// no letter of a longer name.
bool IsWordAt(std::string_view text, std::size_t at, std::string_view word)
{
    if (!StartsWithIgnoringCase(text, at, word))
        return false;
    const std::size_t after = at + word.size();
    return after >= text.size() || IsXmlSpace(text[after]) || text[after] == '>' || text[after] == '/';
}

// An encoding's name as a document may give it: up to 40 letters, digits
// and the marks IANA's names use. Anything else is no name to show.
bool IsEncodingName(std::string_view name)
{
    return !name.empty() && name.size() <= 40 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("-_.:+()").find(c) != std::string_view::npos;
    });
}

// The value of "charset=" in a content attribute ("text/html;
// charset=windows-1252"), quotes taken off; empty where there is none.
std::string_view CharsetParameter(std::string_view content)
{
    for (std::size_t at = 0; at + 7 <= content.size(); ++at) {
        if (!StartsWithIgnoringCase(content, at, "charset"))
            continue;
        std::size_t value = SkipSpace(content, at + 7);
        if (value >= content.size() || content[value] != '=')
            continue;
        value = SkipSpace(content, value + 1);
        if (value < content.size() && (content[value] == '"' || content[value] == '\'')) {
            const std::size_t close = content.find(content[value], value + 1);
            return close == std::string_view::npos ? std::string_view() : content.substr(value + 1, close - value - 1);
        }
        const std::size_t end = content.find_first_of("; \t\r\n", value);
        return content.substr(value, end == std::string_view::npos ? end : end - value);
    }
    return {};
}

// The encoding a <meta> element of the document's head names, as the
// document gives it: its charset, or the charset of the content of one
// whose http-equiv is Content-Type. Empty where none does before the head
// ends, or the name is none (see IsEncodingName). Read as bytes: in every
// encoding this is for, markup is ASCII.
std::string_view MetaCharset(std::string_view document)
{
    for (std::size_t at = document.find('<'); at != std::string_view::npos; at = document.find('<', at)) {
        if (document.compare(at, 4, "<!--") == 0) {
            at = document.find("-->", at + 4);
            if (at == std::string_view::npos)
                return {};
            continue;
        }
        const bool endTag = ++at < document.size() && document[at] == '/';
        std::size_t name = at += endTag;
        while (at < document.size() && !IsXmlSpace(document[at]) && document[at] != '>' && document[at] != '/')
            ++at;
        for (std::size_t colon = name; colon < at; ++colon)
            if (document[colon] == ':')
                name = colon + 1;
        if (IsWordAt(document, name, endTag ? "head" : "body"))
            return {};
        if (endTag || !IsWordAt(document, name, "meta"))
            continue;
        std::string_view charset, httpEquiv, content;
        while (at < document.size() && document[at] != '>') {
            at = SkipSpace(document, at);
            const std::size_t attribute = at;
            while (at < document.size() && !IsXmlSpace(document[at]) && document[at] != '=' && document[at] != '>')
                ++at;
            const std::string_view attributeName = document.substr(attribute, at - attribute);
            at = SkipSpace(document, at);
            if (at >= document.size() || document[at] != '=')
                continue;  // an attribute without a value
            at = SkipSpace(document, at + 1);
            std::string_view value;
            if (at < document.size() && (document[at] == '"' || document[at] == '\'')) {
                const std::size_t close = document.find(document[at], at + 1);
                if (close == std::string_view::npos)
                    return {};
                value = document.substr(at + 1, close - at - 1);
                at = close + 1;
            } else {
                const std::size_t end = std::min(document.find_first_of(" \t\r\n>", at), document.size());
                value = document.substr(at, end - at);
                at = end;
            }
            if (SameIgnoringAsciiCase(attributeName, "charset"))
                charset = XmlTrimmed(value);
            else if (SameIgnoringAsciiCase(attributeName, "http-equiv"))
                httpEquiv = XmlTrimmed(value);
            else if (SameIgnoringAsciiCase(attributeName, "content"))
                content = value;
        }
        if (charset.empty() && SameIgnoringAsciiCase(httpEquiv, "content-type"))
            charset = XmlTrimmed(CharsetParameter(content));
        if (!charset.empty())
            return IsEncodingName(charset) ? charset : std::string_view();
    }
    return {};
}

}  // namespace

bool MayNeedEncodingDeclaration(std::string_view head)
{
    return JudgeHead(head).need != EncodingNeed::None;
}

EncodingDeclarationFix FixEncodingDeclaration(std::string_view document)
{
    const HeadVerdict verdict = JudgeHead(document);
    if (verdict.need == EncodingNeed::None)
        return {};
    if (!IsUtf8(document.substr(document.starts_with(Utf8Mark) ? Utf8Mark.size() : 0)))
        return {EncodingNeed::NotUtf8, {}};

    std::string inserted(verdict.need == EncodingNeed::Declaration ? Declaration : EncodingName);
    if (verdict.need == EncodingNeed::Declaration)
        inserted += FirstLineBreak(document);
    std::string fixed;
    fixed.reserve(document.size() + inserted.size());
    fixed.append(document.substr(0, verdict.insertAt)).append(inserted).append(document.substr(verdict.insertAt));
    return {verdict.need, std::move(fixed)};
}

std::string NotUtf8Reason(const std::string& entryName, std::string_view document)
{
    if (document.find('\0') != std::string_view::npos)
        //: %1 is the name of a content document in the book, as OEBPS/ch1.xhtml.
        return Words::Fill(Words::translate("KindleReady", "%1 holds a NUL byte, which XML does not allow"), {entryName});
    if (const std::string_view named = MetaCharset(document); !named.empty())
        //: %1 is the name of a content document in the book, as OEBPS/ch1.xhtml; %2 the name of an encoding
        //: as the document gives it, as windows-1252.
        return Words::Fill(Words::translate("KindleReady", "%1 names %2 and is not UTF-8"),
                           {entryName, std::string(named)});
    //: %1 is the name of a content document in the book, as OEBPS/ch1.xhtml.
    return Words::Fill(Words::translate("KindleReady", "%1 is not UTF-8 and names no encoding"), {entryName});
}

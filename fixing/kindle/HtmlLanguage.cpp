// The language a content document's html element states, read and rewritten.
#include "HtmlLanguage.h"

#include "AsciiText.h"
#include "TextEncoding.h"
#include "XmlProlog.h"

#include <vector>

namespace {

struct Attribute {
    std::string_view name;
    std::size_t valueBegin = 0;  // offsets in the text
    std::size_t valueEnd = 0;
};

// The attributes of the root element's start tag when it is an html
// element (any prefix), and whether the text ends before that start tag
// does. Declarations, processing instructions, comments and the document
// type before it are passed over.
struct StartTag {
    std::vector<Attribute> attributes;
    bool cutShort = false;
};

StartTag HtmlAttributes(std::string_view text)
{
    const StartTag cut{{}, true};
    const PrologEnd prolog = SkipProlog(text);
    if (prolog.what == PrologEnd::CutShort)
        return cut;
    if (prolog.what == PrologEnd::Other)
        return {};
    std::size_t at = prolog.at;
    auto skipSpace = [&] {
        while (at < text.size() && IsXmlSpace(text[at]))
            ++at;
    };
    const std::size_t nameBegin = ++at;
    while (at < text.size() && !IsXmlSpace(text[at]) && text[at] != '>' && text[at] != '/')
        ++at;
    if (at >= text.size())
        return cut;
    std::string_view name = text.substr(nameBegin, at - nameBegin);
    if (const std::size_t colon = name.find(':'); colon != std::string_view::npos)
        name.remove_prefix(colon + 1);
    if (name != "html")
        return {};

    StartTag tag;
    for (;;) {
        skipSpace();
        if (at >= text.size())
            return {std::move(tag.attributes), true};
        if (text[at] == '>' || text[at] == '/')
            return tag;
        const std::size_t attributeBegin = at;
        while (at < text.size() && !IsXmlSpace(text[at]) && text[at] != '=' && text[at] != '>' && text[at] != '/')
            ++at;
        Attribute attribute{text.substr(attributeBegin, at - attributeBegin)};
        skipSpace();
        if (at >= text.size())
            return cut;
        if (text[at] != '=')
            return {};
        ++at;
        skipSpace();
        if (at >= text.size())
            return cut;
        if (text[at] != '"' && text[at] != '\'')
            return {};
        const std::size_t close = text.find(text[at], at + 1);
        if (close == std::string_view::npos)
            return cut;
        attribute.valueBegin = at + 1;
        attribute.valueEnd = close;
        tag.attributes.push_back(attribute);
        at = close + 1;
    }
}

bool IsLanguageAttribute(std::string_view name)
{
    return name == "lang" || name == "xml:lang";
}

std::optional<EditableText> Decoded(std::string_view document)
{
    // A UTF-16 document cut short after an odd byte still reads to there.
    const bool utf16 = document.starts_with("\xFF\xFE") || document.starts_with("\xFE\xFF");
    if (utf16 && document.size() % 2 != 0)
        document.remove_suffix(1);
    return DecodeForEditing(std::string(document));
}

}  // namespace

HtmlLanguageValues ReadHtmlLanguage(std::string_view document)
{
    const std::optional<EditableText> decoded = Decoded(document);
    if (!decoded)
        return {};
    const std::string_view text = decoded->text;
    const StartTag tag = HtmlAttributes(text);
    HtmlLanguageValues values;
    values.cutShort = tag.cutShort;
    for (const Attribute& a : tag.attributes) {
        const std::string value(text.substr(a.valueBegin, a.valueEnd - a.valueBegin));
        if (a.name == "lang")
            values.lang = value;
        else if (a.name == "xml:lang")
            values.xmlLang = value;
    }
    return values;
}

std::optional<std::string> RewriteHtmlLanguage(std::string_view document, std::string_view unusableValue,
                                               const std::string& code)
{
    unusableValue = XmlTrimmed(unusableValue);
    if (unusableValue.empty())
        return std::nullopt;
    const std::optional<EditableText> decoded = DecodeForEditing(std::string(document));
    if (!decoded)
        return std::nullopt;
    const std::string& text = decoded->text;
    std::string edited;
    std::size_t copied = 0;
    for (const Attribute& a : HtmlAttributes(text).attributes) {
        const std::string_view value = std::string_view(text).substr(a.valueBegin, a.valueEnd - a.valueBegin);
        if (!IsLanguageAttribute(a.name) || !SameIgnoringAsciiCase(XmlTrimmed(value), unusableValue))
            continue;
        edited.append(text, copied, a.valueBegin - copied).append(code);
        copied = a.valueEnd;
    }
    if (copied == 0)
        return std::nullopt;
    edited.append(text, copied);
    return EncodeEdited(edited, decoded->encoding);
}

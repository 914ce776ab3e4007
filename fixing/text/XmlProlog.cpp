// The XML declaration and the prolog of a document's text.
#include "XmlProlog.h"

#include "AsciiText.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

std::size_t SkipSpace(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsXmlSpace(text[at]))
        ++at;
    return at;
}

}  // namespace

const XmlDeclaration::Pseudo* XmlDeclaration::Find(std::string_view lowerName) const
{
    for (const Pseudo& pseudo : attributes)
        if (EqualsIgnoringCase(pseudo.name, lowerName))
            return &pseudo;
    return nullptr;
}

std::optional<XmlDeclaration> ReadXmlDeclaration(std::string_view text)
{
    const std::size_t at = SkipSpace(text, text.starts_with(Utf8Mark) ? Utf8Mark.size() : 0);
    if (!StartsWithIgnoringCase(text, at, "<?xml") || at + 5 >= text.size() ||
        !(IsXmlSpace(text[at + 5]) || text[at + 5] == '?'))
        return std::nullopt;
    XmlDeclaration declaration;
    declaration.begin = at;
    const std::size_t close = text.find("?>", at + 5);
    declaration.close = close;
    const std::string_view inside = text.substr(0, close == std::string_view::npos ? text.size() : close);
    std::size_t i = SkipSpace(inside, at + 5);
    while (i < inside.size()) {
        const std::size_t nameBegin = i;
        while (i < inside.size() && !IsXmlSpace(inside[i]) && inside[i] != '=')
            ++i;
        XmlDeclaration::Pseudo pseudo{inside.substr(nameBegin, i - nameBegin)};
        i = SkipSpace(inside, i);
        if (pseudo.name.empty() || i >= inside.size() || inside[i] != '=')
            return declaration;
        i = SkipSpace(inside, i + 1);
        if (i >= inside.size() || (inside[i] != '"' && inside[i] != '\''))
            return declaration;
        const std::size_t quote = inside.find(inside[i], i + 1);
        if (quote == std::string_view::npos)
            return declaration;
        pseudo.valueBegin = i + 1;
        pseudo.valueEnd = quote;
        declaration.attributes.push_back(pseudo);
        i = SkipSpace(inside, quote + 1);
    }
    declaration.allRead = close != std::string_view::npos;
    return declaration;
}

PrologEnd SkipProlog(std::string_view text)
{
    if (text.size() < Utf8Mark.size() && Utf8Mark.starts_with(text))
        return {PrologEnd::CutShort, text.size()};  // perhaps a UTF-8 mark, cut off
    std::size_t at = text.starts_with(Utf8Mark) ? Utf8Mark.size() : 0;
    for (;;) {
        at = SkipSpace(text, at);
        if (text.compare(at, 2, "<?") == 0 || text.compare(at, 4, "<!--") == 0) {
            const bool comment = text[at + 1] == '!';
            const std::size_t end = text.find(comment ? "-->" : "?>", at + 2);
            if (end == std::string_view::npos)
                return {PrologEnd::CutShort, text.size()};
            at = end + (comment ? 3 : 2);
        } else if (text.compare(at, 2, "<!") == 0) {
            // The document type, with its internal subset and quoted ids.
            char quote = 0;
            int brackets = 0;
            for (at += 2; at < text.size(); ++at) {
                const char c = text[at];
                if (quote)
                    quote = c == quote ? 0 : quote;
                else if (c == '"' || c == '\'')
                    quote = c;
                else if (c == '[' || c == ']')
                    brackets += c == '[' ? 1 : -1;
                else if (c == '>' && brackets == 0)
                    break;
            }
            if (at++ >= text.size())
                return {PrologEnd::CutShort, text.size()};
        } else {
            break;
        }
    }
    if (at >= text.size())
        return {PrologEnd::CutShort, at};
    return {text[at] == '<' ? PrologEnd::Root : PrologEnd::Other, at};
}

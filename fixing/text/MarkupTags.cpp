// The start and end tags of a markup document, read as bytes with their offsets.
#include "MarkupTags.h"

#include "AsciiText.h"

#include <string>

namespace {

bool IsNameByte(char c)
{
    return !IsXmlSpace(c) && c != '>' && c != '/' && c != '=' && c != '<' && c != '"' && c != '\'';
}

// The offset just after the first "end" at or after from; npos where none.
std::size_t After(std::string_view markup, std::size_t from, std::string_view end)
{
    const std::size_t at = markup.find(end, from);
    return at == std::string_view::npos ? at : at + end.size();
}

// Reads the tag that begins at markup[at] == '<' into tag; false where it
// is not a tag that ends.
bool ReadTag(std::string_view markup, std::size_t at, MarkupTag& tag)
{
    tag = MarkupTag{};
    tag.begin = at;
    std::size_t i = at + 1;
    if (i < markup.size() && markup[i] == '/') {
        tag.end = true;
        ++i;
    }
    const std::size_t nameAt = i;
    while (i < markup.size() && IsNameByte(markup[i]))
        ++i;
    if (i == nameAt)
        return false;
    tag.name = markup.substr(nameAt, i - nameAt);
    for (;;) {
        while (i < markup.size() && IsXmlSpace(markup[i]))
            ++i;
        if (i >= markup.size())
            return false;
        if (markup[i] == '>') {
            tag.close = i;
            tag.after = i + 1;
            return true;
        }
        if (markup[i] == '/' && i + 1 < markup.size() && markup[i + 1] == '>' && !tag.end) {
            tag.selfClosing = true;
            tag.close = i;
            tag.after = i + 2;
            return true;
        }
        if (tag.end || !IsNameByte(markup[i]))
            return false;
        MarkupAttribute attribute;
        const std::size_t attributeAt = i;
        while (i < markup.size() && IsNameByte(markup[i]))
            ++i;
        attribute.name = markup.substr(attributeAt, i - attributeAt);
        std::size_t j = i;
        while (j < markup.size() && IsXmlSpace(markup[j]))
            ++j;
        if (j < markup.size() && markup[j] == '=') {
            ++j;
            while (j < markup.size() && IsXmlSpace(markup[j]))
                ++j;
            if (j >= markup.size())
                return false;
            if (markup[j] == '"' || markup[j] == '\'') {
                const std::size_t quote = markup.find(markup[j], j + 1);
                if (quote == std::string_view::npos)
                    return false;
                attribute.valueAt = j + 1;
                attribute.value = markup.substr(j + 1, quote - j - 1);
                i = quote + 1;
            } else {
                std::size_t k = j;
                while (k < markup.size() && !IsXmlSpace(markup[k]) && markup[k] != '>')
                    ++k;
                attribute.valueAt = j;
                attribute.value = markup.substr(j, k - j);
                i = k;
            }
        } else {
            attribute.valueAt = i;  // a name alone (HTML): an empty value
        }
        tag.attributes.push_back(attribute);
    }
}

}  // namespace

std::string_view MarkupTag::LocalName() const
{
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

const MarkupAttribute* MarkupTag::Attribute(std::string_view attribute) const
{
    for (const MarkupAttribute& a : attributes)
        if (SameIgnoringAsciiCase(a.name, attribute))
            return &a;
    return nullptr;
}

bool ForEachTag(std::string_view markup, const std::function<bool(const MarkupTag&)>& see)
{
    MarkupTag tag;
    for (std::size_t at = markup.find('<'); at != std::string_view::npos; at = markup.find('<', at)) {
        const std::string_view rest = markup.substr(at);
        std::size_t next;
        if (rest.starts_with("<!--")) {
            next = After(markup, at + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            next = After(markup, at + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            next = After(markup, at + 2, "?>");
        } else if (rest.starts_with("<!")) {
            // A declaration, with its internal subset in brackets.
            const std::size_t bracket = markup.find('[', at);
            const std::size_t end = markup.find('>', at);
            next = bracket < end ? After(markup, After(markup, bracket, "]"), ">") : After(markup, at, ">");
        } else {
            if (!ReadTag(markup, at, tag))
                return false;
            if (!see(tag))
                return true;
            next = tag.after;
            // The text of a script or style is no markup, whatever it holds.
            const std::string_view local = tag.LocalName();
            if (!tag.end && !tag.selfClosing &&
                (SameIgnoringAsciiCase(local, "script") || SameIgnoringAsciiCase(local, "style"))) {
                const std::string end = "</" + std::string(tag.name);
                std::size_t close = next;
                for (;; ++close) {
                    close = markup.find("</", close);
                    if (close == std::string_view::npos)
                        return false;
                    if (SameIgnoringAsciiCase(markup.substr(close, end.size()), end))
                        break;
                }
                next = close;
            }
        }
        if (next == std::string_view::npos)
            return false;
        at = next;
    }
    return true;
}

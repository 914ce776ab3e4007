// What kind of block a declaration stands in: a style rule, a page body's, @page, @font-face, a condition.
#include "RuleKind.h"

#include "CssText.h"

#include <cstddef>

namespace {

using namespace CssText;

RuleKind AtRuleKind(std::string_view keyword)
{
    if (EqualsIgnoringCase(keyword, "page"))
        return RuleKind::Page;
    if (EqualsIgnoringCase(keyword, "font-face"))
        return RuleKind::FontFace;
    for (const std::string_view conditional : {"media", "supports", "layer", "container"})
        if (EqualsIgnoringCase(keyword, conditional))
            return RuleKind::Conditional;
    return RuleKind::OtherAtRule;
}

// Whether every selector of the list is html or body, alone or followed
// by classes and ids: "body", "html, body", "body.book#top"; not
// "body p", "body > div" or "body:first-child".
bool SelectsOnlyThePage(std::string_view list)
{
    std::size_t at = 0;
    for (;;) {
        at = SkipBlanks(list, at);
        const std::size_t elementEnd = NameEnd(list, at);
        const std::string_view element = list.substr(at, elementEnd - at);
        if (!EqualsIgnoringCase(element, "html") && !EqualsIgnoringCase(element, "body"))
            return false;
        at = elementEnd;
        while (at < list.size() && (list[at] == '.' || list[at] == '#')) {
            const std::size_t nameEnd = NameEnd(list, at + 1);
            if (nameEnd == at + 1)
                return false;
            at = nameEnd;
        }
        at = SkipBlanks(list, at);
        if (at == list.size())
            return true;
        if (list[at] != ',')
            return false;
        ++at;
    }
}

}  // namespace

RuleKind KindOfRule(std::string_view prelude, RuleKind enclosing)
{
    const std::size_t start = SkipBlanks(prelude, 0);
    if (start < prelude.size() && prelude[start] == '@') {
        const std::size_t end = NameEnd(prelude, start + 1);
        const RuleKind kind = AtRuleKind(prelude.substr(start + 1, end - start - 1));
        const bool inStyleRule = enclosing == RuleKind::Style || enclosing == RuleKind::PageBody;
        return kind == RuleKind::Conditional && inStyleRule ? enclosing : kind;
    }
    if (enclosing != RuleKind::None && enclosing != RuleKind::Conditional)
        return RuleKind::Style;
    return SelectsOnlyThePage(prelude.substr(start)) ? RuleKind::PageBody : RuleKind::Style;
}

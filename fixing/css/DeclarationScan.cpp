// The one stylesheet scanner: finds where declarations start and edits those a choice picks.
#include "DeclarationScan.h"

#include "CssText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using namespace CssText;

// The bytes the scan must look at closely between declarations: those
// that start a comment, a string or an escape, open or close a block or a
// bracket, and end a declaration. Everything else only moves the scan on.
constexpr std::array<bool, 256> SpecialBytes = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : std::string_view("/\\\"'{};()[]"))
        special[c] = true;
    return special;
}();

// Where the colon stands after a declaration's name that ends at nameEnd,
// past blanks and comments; nullopt when none does.
std::optional<std::size_t> ColonAfter(std::string_view css, std::size_t nameEnd)
{
    const std::size_t at = SkipBlanks(css, nameEnd);
    return at < css.size() && css[at] == ':' ? std::optional(at) : std::nullopt;
}

// The spans sorted and joined where they overlap.
std::vector<KeptSpan> Joined(std::vector<KeptSpan> spans)
{
    std::sort(spans.begin(), spans.end());
    std::vector<KeptSpan> joined;
    for (const KeptSpan& span : spans) {
        if (!joined.empty() && span.first <= joined.back().second)
            joined.back().second = std::max(joined.back().second, span.second);
        else
            joined.push_back(span);
    }
    return joined;
}

}  // namespace

std::string RemoveDeclarations(std::string_view css, const DeclarationChoice& choice, std::vector<KeptSpan> kept,
                               std::size_t* edited)
{
    const std::vector<KeptSpan> keptSpans = Joined(std::move(kept));
    auto nextKept = keptSpans.begin();
    // Whether [begin, end) reaches into a kept span: a declaration that
    // starts before one may end in it (an unclosed url in the original
    // text runs to the first ")" of the rules appended after it).
    const auto reachesKeptSpan = [&](std::size_t begin, std::size_t end) {
        while (nextKept != keptSpans.end() && nextKept->second <= begin)
            ++nextKept;
        return nextKept != keptSpans.end() && nextKept->first < end;
    };

    std::string out;
    out.reserve(css.size());
    std::size_t copied = 0;            // everything before this is in out or removed
    std::vector<RuleKind> blocks;      // the blocks open here, innermost last
    Brackets brackets;                 // brackets open here, outside any declaration's value
    // CSS reads the text after its UTF-8 mark, which stays.
    std::size_t i = css.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    std::size_t preludeStart = i;      // where the text before the next "{" starts
    bool atDeclarationStart = true;    // after a "{", ";" or "}" (or at the start), past blanks and comments
    LowerName name;
    std::string rewritten;
    while (i < css.size()) {
        const char c = css[i];
        if (!atDeclarationStart && !SpecialBytes[static_cast<unsigned char>(c)]) {
            ++i;
            continue;
        }
        if (atDeclarationStart && !IsBlank(c) && !IsCommentStart(css, i)) {
            atDeclarationStart = false;
            const std::size_t nameEnd = name.Read(css, i);
            const std::optional<std::size_t> colon = nameEnd > i ? ColonAfter(css, nameEnd) : std::nullopt;
            const RuleKind rule = blocks.empty() ? RuleKind::None : blocks.back();
            // Between rules CSS knows no declarations, so no custom ones.
            const bool custom = colon && !blocks.empty() && name.IsCustom();
            if (colon && (custom || choice.Considers(name.View(), rule))) {
                const ValueEnd found = FindEnd(css, *colon + 1, custom);
                if (found.found == DeclarationEnd::EndOfText)
                    break;  // the rest of the text is its value: nothing after it is a declaration
                if (found.found == DeclarationEnd::Found) {
                    const std::string_view value = css.substr(*colon + 1, found.valueEnd - (*colon + 1));
                    const DeclarationEdit edit =
                        custom || reachesKeptSpan(i, found.end) ? DeclarationEdit::Keep
                                                                : choice.Edit(name.View(), value, rewritten);
                    if (edit != DeclarationEdit::Keep && edited)
                        ++*edited;
                    if (edit == DeclarationEdit::Remove) {
                        out.append(css, copied, i - copied);
                        copied = found.end;
                    } else if (edit == DeclarationEdit::Rewrite) {
                        std::size_t valueEnd = found.valueEnd;
                        while (valueEnd > *colon + 1 && IsBlank(css[valueEnd - 1]))
                            --valueEnd;
                        out.append(css, copied, i - copied);
                        out += rewritten;
                        copied = valueEnd;
                    }
                    // Past the declaration, edited or kept, as past its ";";
                    // a "}" that ends it is read next.
                    i = found.end;
                    if (found.end != found.valueEnd) {
                        preludeStart = found.end;
                        atDeclarationStart = true;
                    }
                    continue;
                }
            }
            // No declaration a choice may edit: read on byte by byte, as a
            // declaration kept or a nested rule's selector.
        }
        if (c == '/' || c == '\\' || c == '"' || c == '\'') {
            if (const std::optional<std::size_t> past = SkipOpaque(css, i)) {
                i = *past;
                continue;
            }
        }
        if (!brackets.Empty() || c == '(' || c == '[' || c == ')' || c == ']') {
            // Inside brackets ";", "{" and "}" are theirs, as CSS reads them.
            if (const std::optional<std::size_t> past = c == '(' ? UrlEnd(css, i) : std::nullopt) {
                i = *past;
                continue;
            }
            brackets.Read(c);
            ++i;
            continue;
        }
        switch (c) {
        case '{':
            blocks.push_back(KindOfRule(css.substr(preludeStart, i - preludeStart),
                                        blocks.empty() ? RuleKind::None : blocks.back()));
            preludeStart = i + 1;
            atDeclarationStart = true;
            break;
        case '}':
            if (!blocks.empty())
                blocks.pop_back();
            preludeStart = i + 1;
            atDeclarationStart = true;  // the enclosing rule's declarations go on after a nested one
            break;
        case ';':
            preludeStart = i + 1;
            atDeclarationStart = true;
            break;
        default:
            break;
        }
        ++i;
    }
    out.append(css, copied, std::string_view::npos);
    return out;
}

#include "DeclarationScan.h"

#include "CssText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using namespace CssText;

constexpr std::string_view FontSize = "font-size";

// No property any choice removes has a longer name.
constexpr std::size_t LongestName = 32;

// A declaration's name in lower case, short enough for every name a
// choice removes.
class Name {
public:
    // Reads the name that starts at at; returns the place of the colon
    // right after it, or nullopt when no such name and colon start there.
    std::optional<std::size_t> Read(std::string_view css, std::size_t at)
    {
        length_ = 0;
        for (std::size_t i = at; i < css.size() && length_ < sizeof bytes_; ++i) {
            const char c = css[i];
            if (c == ':')
                return length_ == 0 ? std::nullopt : std::optional(i);
            if (static_cast<unsigned char>(c) >= 0x80 || !IsNameByte(c))
                return std::nullopt;
            bytes_[length_++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return std::nullopt;
    }
    void Set(std::string_view name)
    {
        length_ = name.copy(bytes_, sizeof bytes_);
    }
    std::string_view View() const { return {bytes_, length_}; }

private:
    char bytes_[LongestName];
    std::size_t length_ = 0;
};

// The bytes the scan must look at closely: those that start a comment, a
// string or an escape, open or close a block, end a declaration, and the
// first of "font-size:". Everything else only moves the scan on.
constexpr std::array<bool, 256> SpecialBytes = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : std::string_view("/\\\"'{};fF"))
        special[c] = true;
    return special;
}();

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

std::string RemoveDeclarations(std::string_view css, const DeclarationChoice& choice, std::vector<KeptSpan> kept)
{
    const bool fontSizesAnywhere = choice.FontSizesAnywhere();
    const std::vector<KeptSpan> keptSpans = Joined(std::move(kept));
    auto nextKept = keptSpans.begin();

    std::string out;
    out.reserve(css.size());
    std::size_t copied = 0;            // everything before this is in out or removed
    std::vector<RuleKind> blocks;      // the blocks open here, innermost last
    std::size_t preludeStart = 0;      // where the text before the next "{" starts
    bool atDeclarationStart = false;   // inside a block, after its "{" or a ";", past blanks and comments
    Name name;
    std::size_t i = 0;
    while (i < css.size()) {
        const char c = css[i];
        if (!atDeclarationStart && !SpecialBytes[static_cast<unsigned char>(c)]) {
            ++i;
            continue;
        }
        if (c == '/' || c == '\\' || c == '"' || c == '\'') {
            if (const std::optional<std::size_t> past = SkipOpaque(css, i)) {
                atDeclarationStart &= c == '/';  // a comment, not a string or an escape
                i = *past;
                continue;
            }
        }
        const RuleKind rule = blocks.empty() ? RuleKind::None : blocks.back();
        std::optional<std::size_t> colon;
        if (fontSizesAnywhere && (c == 'f' || c == 'F') && StartsWithIgnoringCase(css, i, "font-size:")) {
            name.Set(FontSize);
            colon = i + FontSize.size();
        } else if (atDeclarationStart && !IsBlank(c)) {
            colon = name.Read(css, i);
        }
        if (colon && choice.Considers(name.View(), rule)) {
            std::size_t end = 0;
            const DeclarationEnd found = FindEnd(css, *colon + 1, end);
            if (found == DeclarationEnd::EndOfText)
                break;  // no later declaration can end either: the scan would see the same text
            if (found == DeclarationEnd::Found) {
                while (nextKept != keptSpans.end() && nextKept->second <= i)
                    ++nextKept;
                const bool inKeptSpan = nextKept != keptSpans.end() && nextKept->first <= i;
                const bool semicolon = css[end - 1] == ';';
                const std::string_view value = css.substr(*colon + 1, end - (semicolon ? 1 : 0) - (*colon + 1));
                if (!inKeptSpan && choice.Removes(name.View(), value)) {
                    out.append(css, copied, i - copied);
                    copied = end;
                }
                // Past the declaration, removed or kept, as past its ";";
                // a "}" that ends it is read next.
                i = end;
                if (semicolon) {
                    preludeStart = end;
                    atDeclarationStart = !blocks.empty();
                }
                continue;
            }
        }
        switch (c) {
        case '{':
            blocks.push_back(KindOfRule(css.substr(preludeStart, i - preludeStart), rule));
            preludeStart = i + 1;
            atDeclarationStart = true;
            break;
        case '}':
            if (!blocks.empty())
                blocks.pop_back();
            preludeStart = i + 1;
            atDeclarationStart = false;
            break;
        case ';':
            preludeStart = i + 1;
            atDeclarationStart = !blocks.empty();
            break;
        default:
            atDeclarationStart &= IsBlank(c);
        }
        ++i;
    }
    out.append(css, copied, std::string_view::npos);
    return out;
}

#include "RemovedDeclarations.h"

#include "CssText.h"

#include <array>
#include <optional>

namespace {

using namespace CssText;

constexpr std::array<std::string_view, 7> AbsoluteUnits = {"px", "pt", "pc", "cm", "mm", "in", "q"};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether a name (an identifier) starts at at: a letter, "_", "-", a
// non-ASCII byte or an escape, but not a "-" before a digit (a negative
// number).
bool NameStartsAt(std::string_view text, std::size_t at)
{
    const char c = text[at];
    if (c == '-')
        return at + 1 < text.size() && (text[at + 1] == '\\' || (IsNameByte(text[at + 1]) && !IsDigit(text[at + 1])));
    return c == '\\' || (IsNameByte(c) && !IsDigit(c));
}

// The end of the number that starts at at, or nullopt when none does.
std::optional<std::size_t> NumberEnd(std::string_view text, std::size_t at)
{
    std::size_t i = at;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) {
        i += 2;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
    }
    if (i == at)
        return std::nullopt;
    // An exponent, and not the "e" of a unit such as "em".
    std::size_t e = i + 1;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && IsDigit(text[e])) {
            i = e;
            while (i < text.size() && IsDigit(text[i]))
                ++i;
        }
    }
    return i;
}

// Calls onName for every name outside comments and strings and onUnit for
// the unit after every number, until one returns true; returns whether one did.
template <typename OnName, typename OnUnit>
bool AnyToken(std::string_view value, OnName onName, OnUnit onUnit)
{
    std::size_t i = 0;
    while (i < value.size()) {
        if (const std::optional<std::size_t> past = SkipOpaque(value, i); past && value[i] != '\\') {
            i = *past;
            continue;
        }
        if (NameStartsAt(value, i)) {
            const std::size_t end = NameEnd(value, i);
            if (onName(value.substr(i, end - i)))
                return true;
            i = end;
        } else if (value[i] == '#') {
            i = NameEnd(value, i + 1);  // a colour, not a number and its unit
        } else if (const std::optional<std::size_t> number = NumberEnd(value, i)) {
            const std::size_t end = NameEnd(value, *number);
            if (onUnit(value.substr(*number, end - *number)))
                return true;
            i = end;
        } else {
            ++i;
        }
    }
    return false;
}

bool IsMarginName(std::string_view name)
{
    for (const std::string_view box : {std::string_view("margin"), std::string_view("padding")}) {
        if (name == box)
            return true;
        if (name.size() > box.size() + 1 && name.substr(0, box.size()) == box && name[box.size()] == '-')
            return true;
    }
    return false;
}

// Whether a value holds a length in an absolute unit, in any case:
// "12pt", "14PX", "calc(1em + 2px)"; not "1.4em", "120%" or "larger".
bool HoldsAbsoluteLength(std::string_view value)
{
    return AnyToken(
        value, [](std::string_view) { return false; },
        [](std::string_view unit) {
            for (const std::string_view absolute : AbsoluteUnits)
                if (EqualsIgnoringCase(unit, absolute))
                    return true;
            return false;
        });
}

// Whether a value names the generic family monospace (unquoted: a quoted
// "monospace" names a font of that name).
bool NamesMonospace(std::string_view value)
{
    return AnyToken(
        value, [](std::string_view name) { return EqualsIgnoringCase(name, "monospace"); },
        [](std::string_view) { return false; });
}

}  // namespace

RemovedDeclarations::RemovedDeclarations(const FixOptions& options) : options_(options) {}

bool RemovedDeclarations::Any() const
{
    return options_.fontSizes || options_.lineHeights || options_.pageMargins || options_.fontFamilies;
}

bool RemovedDeclarations::FontSizesAnywhere() const
{
    return options_.fontSizes;
}

bool RemovedDeclarations::Considers(std::string_view name, RuleKind rule) const
{
    if (name == "font-size")
        return options_.fontSizes;
    if (name == "line-height")
        return options_.lineHeights;
    if (name == "font-family")
        return options_.fontFamilies && rule != RuleKind::FontFace;
    return options_.pageMargins && (rule == RuleKind::Page || rule == RuleKind::PageBody) && IsMarginName(name);
}

bool RemovedDeclarations::Removes(std::string_view name, std::string_view value) const
{
    if (name == "font-size")
        return !options_.relativeSizes || HoldsAbsoluteLength(value);
    if (name == "font-family")
        return !NamesMonospace(value);
    return true;
}

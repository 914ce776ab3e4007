// Which declarations the options for e-readers and font sizes remove, and how a font shorthand is cut down.
#include "RemovedDeclarations.h"

#include "CssText.h"
#include "FontShorthand.h"

#include <array>
#include <optional>

namespace {

using namespace CssText;

constexpr std::array<std::string_view, 7> AbsoluteUnits = {"px", "pt", "pc", "cm", "mm", "in", "q"};

// Calls onName for every name outside comments and strings (escapes
// decoded, in lower case; function: a "(" follows it) and onUnit for the
// unit after every number, until one returns true; returns whether one did.
template <typename OnName, typename OnUnit>
bool AnyToken(std::string_view value, OnName onName, OnUnit onUnit)
{
    LowerName name;
    std::size_t i = 0;
    while (i < value.size()) {
        if (const std::optional<std::size_t> past = SkipOpaque(value, i); past && value[i] != '\\') {
            i = *past;
            continue;
        }
        if (NameStartsAt(value, i)) {
            i = name.Read(value, i);
            if (onName(name.View(), i < value.size() && value[i] == '('))
                return true;
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
        value, [](std::string_view, bool) { return false; },
        [](std::string_view unit) {
            for (const std::string_view absolute : AbsoluteUnits)
                if (EqualsIgnoringCase(unit, absolute))
                    return true;
            return false;
        });
}

// Whether a value names the generic family monospace or ui-monospace
// (unquoted: a quoted "monospace" names a font of that name).
bool NamesMonospace(std::string_view value)
{
    return AnyToken(
        value,
        [](std::string_view name, bool function) {
            return !function && (name == "monospace" || name == "ui-monospace");
        },
        [](std::string_view) { return false; });
}

// Whether a background's value holds a picture, or may: url(), the
// functions that take a picture's address as a string, or var().
bool HoldsPicture(std::string_view value)
{
    return AnyToken(
        value,
        [](std::string_view name, bool function) {
            return function && (name == "url" || name == "src" || name == "image" || name == "image-set" ||
                                name == "-webkit-image-set" || name == "var");
        },
        [](std::string_view) { return false; });
}

}  // namespace

RemovedDeclarations::RemovedDeclarations(const FixOptions& options) : options_(options) {}

bool RemovedDeclarations::Any() const
{
    return options_.fontSizes || options_.lineHeights || options_.pageMargins || options_.fontFamilies ||
           options_.textColors;
}

bool RemovedDeclarations::Considers(std::string_view name, RuleKind rule) const
{
    if (name == "font-size")
        return options_.fontSizes;
    if (rule == RuleKind::None)
        return false;
    if (name == "line-height")
        return options_.lineHeights;
    if (name == "font-family")
        return options_.fontFamilies && rule != RuleKind::FontFace;
    if (name == "font")
        return (options_.fontSizes || options_.lineHeights || options_.fontFamilies) && rule != RuleKind::FontFace;
    if (name == "color" || name == "background-color" || name == "background")
        return options_.textColors;
    return options_.pageMargins && (rule == RuleKind::Page || rule == RuleKind::PageBody) && IsMarginName(name);
}

DeclarationEdit RemovedDeclarations::Edit(std::string_view name, std::string_view value, std::string& rewritten) const
{
    if (name == "font")
        return EditFontShorthand(value, rewritten);
    if (name == "font-size" || name == "line-height" || name == "font-family")
        return RemovesFontLonghand(name, value) ? DeclarationEdit::Remove : DeclarationEdit::Keep;
    if (name == "background")
        return HoldsPicture(value) ? DeclarationEdit::Keep : DeclarationEdit::Remove;
    return DeclarationEdit::Remove;  // a colour or a page margin: Considers took only those
}

bool RemovedDeclarations::RemovesFontLonghand(std::string_view name, std::string_view value) const
{
    if (name == "font-size")
        return options_.fontSizes && (!options_.relativeSizes || HoldsAbsoluteLength(value));
    if (name == "line-height")
        return options_.lineHeights;
    if (name == "font-family")
        return options_.fontFamilies && !NamesMonospace(value);
    return false;
}

// The longhands that stay, each "name: value" as the shorthand writes it,
// joined by "; ": the same that a second pass keeps as longhands.
DeclarationEdit RemovedDeclarations::EditFontShorthand(std::string_view value, std::string& rewritten) const
{
    const std::optional<FontShorthand> font = ReadFontShorthand(value);
    if (!font)
        return DeclarationEdit::Keep;
    bool removesAny = false;
    rewritten.clear();
    for (std::size_t i = 0; i < font->count; ++i) {
        const FontShorthand::Part& part = font->parts[i];
        if (RemovesFontLonghand(part.longhand, part.text)) {
            removesAny = true;
            continue;
        }
        if (!rewritten.empty())
            rewritten += "; ";
        rewritten.append(part.longhand).append(": ").append(part.text);
        if (font->important)
            rewritten += " !important";
    }
    if (!removesAny)
        return DeclarationEdit::Keep;
    return rewritten.empty() ? DeclarationEdit::Remove : DeclarationEdit::Rewrite;
}

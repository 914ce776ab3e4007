#pragma once

#include "RuleKind.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Decides which declarations a scan removes.
class DeclarationChoice {
public:
    virtual ~DeclarationChoice() = default;

    // Whether "font-size:" is looked for wherever it stands outside
    // comments and strings, also at the end of a longer name and between
    // rules, as font sizes have always been removed. Every other
    // declaration is looked for only where one starts inside a block:
    // after the "{" or a ";", past blanks and comments.
    virtual bool FontSizesAnywhere() const = 0;

    // Whether a declaration of name (in lower case) in a block of kind rule
    // may be removed; asked before its end is looked for.
    virtual bool Considers(std::string_view name, RuleKind rule) const = 0;

    // Whether such a declaration is removed, by its value: the text after
    // the colon up to its ";" or "}".
    virtual bool Removes(std::string_view name, std::string_view value) const = 0;
};

// [begin, end) of a text in which no removed declaration may start.
using KeptSpan = std::pair<std::size_t, std::size_t>;

// Removes the declarations that choice picks from a stylesheet's text. A
// declaration is a name, a colon right after it (no blank before the
// colon) and a value of at least one character; it ends at its ";", which
// goes with it, or at the "}" that closes its rule, which stays. One that
// meets a "{" or the end of the text first is left alone: nothing is
// removed across a block. Comments and quoted strings are passed over,
// both when looking for a declaration and when looking for its end. The
// scan knows the block each declaration stands in, rules inside @media and
// @supports included. Every byte outside a removed declaration is kept.
std::string RemoveDeclarations(std::string_view css, const DeclarationChoice& choice, std::vector<KeptSpan> kept);

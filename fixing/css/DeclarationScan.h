#pragma once

// The one scanner of a stylesheet's declarations, which removes or rewrites those a choice picks.

#include "RuleKind.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a scan does with one declaration.
enum class DeclarationEdit {
    Keep,     // left as it is
    Remove,   // removed with its ";" (one that the rule's "}" ends: up to that "}", which stays)
    Rewrite,  // its name, colon and value, up to the value's last byte that is no blank, become a new text
};

// Decides what a scan does with each declaration.
class DeclarationChoice {
public:
    virtual ~DeclarationChoice() = default;

    // Whether a declaration of name (escapes decoded, in lower case) in a
    // block of kind rule (None: between the rules) may be edited; asked
    // before its end is looked for.
    virtual bool Considers(std::string_view name, RuleKind rule) const = 0;

    // What becomes of such a declaration, by its value: the text after the
    // colon up to its ";" or "}". For Rewrite, rewritten holds the new text.
    virtual DeclarationEdit Edit(std::string_view name, std::string_view value, std::string& rewritten) const = 0;
};

// [begin, end) of a text that no edited declaration may start in or reach into.
using KeptSpan = std::pair<std::size_t, std::size_t>;

// Edits the declarations that choice picks in a stylesheet's text. A
// declaration starts after a block's "{", a ";" or a nested block's "}",
// past blanks and comments, inside a rule at any depth, or where such a
// "}" or ";" leaves the text between rules; it is a name (escapes as CSS
// reads them), blanks and comments, a colon and a value of at least one
// character. It ends at its ";", or at the "}" that closes its rule,
// outside comments, strings, unquoted urls and brackets; one that meets a
// "{" or the end of the text first is left alone: nothing is edited across
// a block. A custom property ("--name: value") is a declaration of its
// own, passed over whole as CSS reads it, and never edited. The scan knows
// the block each declaration stands in (see RuleKind). Every byte outside
// an edited declaration is kept. edited, when given, counts the
// declarations removed or rewritten.
std::string RemoveDeclarations(std::string_view css, const DeclarationChoice& choice, std::vector<KeptSpan> kept,
                               std::size_t* edited = nullptr);

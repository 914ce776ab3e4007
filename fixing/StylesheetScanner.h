#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The one reading of stylesheet text that every declaration rule shares: a
// declaration's value ends at its ";" or at the "}" that closes its rule,
// and comments, quoted strings and escapes are passed over on the way, so
// that neither a commented-out declaration nor a ";" inside a string is
// taken for CSS. It works on bytes: UTF-8 and UTF-16 decoded to UTF-8 alike.
namespace StylesheetScanner {

// Where the comment, quoted string or escape that starts at at ends, or
// nullopt when none starts there. An unclosed comment runs to the end of
// the text; a string ends at its quote or, as CSS has it, at a line break.
std::optional<std::size_t> SkipOpaque(std::string_view css, std::size_t at);

enum class DeclarationEnd { Found, Blocked, EndOfText };

// Looks for the end of the value that starts at from: just past its ";"
// (end), or at the "}" that closes the rule. Blocked when the value is
// empty or a "{" comes first (then it was a selector, not a declaration).
DeclarationEnd FindEnd(std::string_view css, std::size_t from, std::size_t& end);

}  // namespace StylesheetScanner

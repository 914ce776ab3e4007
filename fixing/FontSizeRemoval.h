#pragma once

#include <string>

// Removes every fixed font size from a stylesheet's text. A declaration is
// "font-size:" (any case, no blank before the colon) with a value of at
// least one character, and it ends at its ";", which goes with it, or at
// the "}" that closes its rule, which stays. A declaration that meets a
// "{" or the end of the text first is left alone: nothing is removed across
// a block. Comments and quoted strings are passed over, both when looking
// for a declaration and when looking for its end, so that neither a
// commented-out declaration nor a ";" inside one is taken for CSS. Every
// other byte is kept as it was.
std::string RemoveFontSizes(const std::string& css);

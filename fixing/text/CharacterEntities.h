#pragma once

// The characters behind character references and named entities.

#include <optional>
#include <string_view>

// The characters behind the references of a document's text.

// The character of a named entity (the name without "&" and ";", in its
// case): the XML five, the 253 of HTML 4 that XHTML 1 declares (Latin-1,
// the Greek letters, the mathematical symbols, the typographic dashes,
// quotes, spaces, daggers and the euro), and a few typographic ones of
// HTML that books use (&hyphen;, &mldr;, &bullet;, &rsquor; and the like).
// nullopt for any other name.
std::optional<char32_t> EntityCharacter(std::string_view name);

// For the numbers 0x80 to 0x9F, the character of Windows-1252 that an HTML
// reader shows for a reference to them; 0 where it has none, and for every
// other number.
char32_t Windows1252Character(char32_t c);

// A referenced or escaped number as a character: U+FFFD for 0, surrogates
// and numbers past U+10FFFF, as readers show them.
char32_t Sanitized(char32_t c);

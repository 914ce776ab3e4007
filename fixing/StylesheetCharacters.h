#pragma once

#include <string_view>

class BookCharacters;

// Collects the characters of the strings of every `content` and `quotes`
// declaration of a stylesheet's text (UTF-8), CSS escapes resolved: what
// a reader draws as generated content. Declarations are read by the shared
// stylesheet scanner, so that a selector such as ".content:first-child" or
// a commented-out declaration gives nothing. asciiOnly: the stylesheet
// declares another encoding, and a string's bytes past ASCII make the
// book's text unreadable.
void CollectStylesheetCharacters(std::string_view css, bool asciiOnly, BookCharacters& out);

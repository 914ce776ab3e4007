#pragma once

// The characters a stylesheet's generated content and list markers draw.

#include <string_view>

class CharacterSet;

// Where stylesheet text comes from: a stylesheet or a <style> element, or
// the value of a style attribute, where only list-style and
// list-style-type draw (an element's own declarations have no generated
// content, and define no counter style).
enum class CssSource { Stylesheet, StyleAttribute };

// Collects what the declarations of a stylesheet's text (UTF-8) draw, CSS
// escapes resolved:
// - the strings of `content` and `quotes`: generated content; the
//   attributes `content` names with attr(), whose values it draws, go to
//   CharacterSet::DrawAttribute;
// - the markers of list-style-type and list-style: their strings ("\2192 ")
//   and the predefined counter styles they name (CounterStyleCharacters),
//   as do the style arguments of counter() and counters() in `content`;
// - in an @counter-style rule, every character of its symbols,
//   additive-symbols, prefix, suffix, negative and pad, quoted or not, and
//   the predefined styles its system extends or its fallback names. A
//   style a book defines this way and names elsewhere brings nothing by
//   its name: its own rule brings its characters.
// Declarations are read by the shared stylesheet scanner, so that a
// selector such as ".content:first-child" or a commented-out declaration
// gives nothing, and a picture's address (url()) draws no text. asciiOnly:
// the stylesheet declares another encoding, and bytes past ASCII in what
// it draws make the book's text unreadable.
void CollectStylesheetCharacters(std::string_view css, bool asciiOnly, CharacterSet& out,
                                 CssSource source = CssSource::Stylesheet);

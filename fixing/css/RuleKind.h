#pragma once

// What kind of block a declaration stands in: a style rule, a page body's, @page, @font-face, a condition.

#include <string_view>

// What a block of a stylesheet is, as far as removing declarations needs
// to tell blocks apart.
enum class RuleKind : unsigned char {
    None,         // no block: the text between the rules
    Style,        // a style rule other than a page body's
    PageBody,     // a style rule whose selectors are all html or body, alone or with
                  // classes and ids, inside nothing but conditional blocks
    Page,         // @page
    FontFace,     // @font-face
    Conditional,  // @media, @supports, @layer, @container
    OtherAtRule,  // any other at-rule's block: @keyframes, a page's margin boxes
};

// The kind of the block that prelude (the text before its "{", comments
// and blanks included) opens inside a block of kind enclosing. A style
// rule nested in anything but conditional blocks is never a page body's;
// a conditional block nested in a style rule holds that rule's
// declarations, and is of its kind.
RuleKind KindOfRule(std::string_view prelude, RuleKind enclosing);

#pragma once

// The font shorthand taken apart, so that the longhands the options keep stay.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The longhands a font shorthand's value sets, each as the value writes it.
struct FontShorthand {
    struct Part {
        std::string_view longhand;  // "font-style", "font-variant", "font-weight", "font-stretch",
                                    // "font-size", "line-height" or "font-family"
        std::string_view text;      // its value: a piece of the shorthand's
    };
    std::array<Part, 7> parts{};  // in the order written
    std::size_t count = 0;
    bool important = false;  // the shorthand ends in "!important"
};

// Reads the value of a font declaration as CSS has it: [ style || variant
// || weight || stretch ]? size [ / line-height ]? family [ !important ].
// nullopt for a system font ("caption", "menu", ...), a CSS-wide keyword
// ("inherit"), var() and every other value it cannot read whole.
std::optional<FontShorthand> ReadFontShorthand(std::string_view value);

#pragma once

// The characters each predefined counter style draws as list markers.

#include <string>
#include <string_view>

// The characters past ASCII that each counter style CSS predefines draws
// in list markers and in counter() and counters(): its symbols, its
// suffix, its negative sign and what its fallback style draws beyond its
// range. name in any ASCII case, as CSS matches the predefined names;
// empty for a style drawn in ASCII alone (decimal, the Roman and Latin
// styles), for none, and for a name the table does not know (a book's
// own @counter-style, whose strings are read where it is defined).
std::u32string_view CounterStyleCharacters(std::string_view name);

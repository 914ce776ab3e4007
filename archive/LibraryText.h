#pragma once

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

// How the bindings pass texts to a library and read them back.
namespace LibraryText {

// A text never assigned goes to the library as a null pointer.
inline const char* Pointer(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

// A name array as the library takes it: one pointer per entry, null for
// entries never assigned.
template <std::size_t N>
std::vector<char*> Pointers(const std::array<std::optional<std::string>, N>& names)
{
    std::vector<char*> pointers(N, nullptr);
    for (std::size_t i = 0; i < N; ++i)
        pointers[i] = const_cast<char*>(Pointer(names[i]));
    return pointers;
}

// A library buffer read up to its first zero byte or the bound.
inline std::string Read(const char* buffer, std::size_t bound)
{
    return buffer ? std::string(buffer, strnlen(buffer, bound)) : std::string();
}

}  // namespace LibraryText

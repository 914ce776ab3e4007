// A book's characters from arbitrary bytes: the first byte says whether the
// rest is a content document, a stylesheet, or a stylesheet (its first
// half) and a content document that may hold what it draws with attr()
// (the second). Reading may not crash, and
// whatever it reads, the set is ascending, each character once, a Unicode
// scalar value each, and holds what readers draw themselves.
#include "BookCharacters.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    BookCharacters book;
    if (data[0] & 2) {
        book.AddStylesheet(bytes.substr(0, bytes.size() / 2));
        book.AddContentDocument(bytes.substr(bytes.size() / 2));
    } else if (data[0] & 1) {
        book.AddStylesheet(bytes);
    } else {
        book.AddContentDocument(bytes);
    }
    const std::vector<char32_t> found = book.Characters();
    const bool valid = std::all_of(found.begin(), found.end(),
                                   [](char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c >= 0xE000); });
    if (!std::is_sorted(found.begin(), found.end()) || std::adjacent_find(found.begin(), found.end()) != found.end() ||
        !valid || !std::binary_search(found.begin(), found.end(), U'\u2026'))
        std::abort();
    return 0;
}

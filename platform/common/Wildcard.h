#pragma once

#include <cctype>
#include <string_view>

namespace platform {

// Matches name against pattern, where '*' stands for any run of bytes and
// '?' for one byte. Iterative, so hostile patterns cannot blow the stack.
inline bool WildcardMatch(std::string_view pattern, std::string_view name, bool ignoreCase = false)
{
    auto same = [ignoreCase](char a, char b) {
        if (!ignoreCase)
            return a == b;
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], name[n])))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace platform

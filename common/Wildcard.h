#pragma once

// Name patterns as the archive libraries and the fix read them. Header
// only: the archive libraries below the core use them too.

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace wildcard {

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

// Whether name matches one of patterns.
inline bool MatchesAny(const std::vector<std::string>& patterns, std::string_view name, bool ignoreCase)
{
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& pattern) { return WildcardMatch(pattern, name, ignoreCase); });
}

}  // namespace wildcard

#pragma once

#include <algorithm>
#include <string>

// True when the last characters of name, turned to upper case, equal
// upperSuffix. A name shorter than the suffix is compared whole and so
// never matches. Only ASCII letters change case: names are bytes.
inline bool EndsWithUpper(const std::string& name, const std::string& upperSuffix)
{
    if (name.size() < upperSuffix.size())
        return false;
    return std::equal(upperSuffix.begin(), upperSuffix.end(), name.end() - static_cast<long>(upperSuffix.size()),
                      [](char s, char n) { return s == ((n >= 'a' && n <= 'z') ? static_cast<char>(n - 32) : n); });
}

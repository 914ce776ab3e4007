#pragma once

#include <string>
#include <strings.h>

// The one order of the names in a folder: compared without regard to
// case, then byte by byte to break ties. The window lists books in it, and
// the archive library packs a book's entries in it, so that an archive
// packed from a folder and one that carries entries from a book agree.
inline bool NameOrderLess(const std::string& a, const std::string& b)
{
    const int folded = ::strcasecmp(a.c_str(), b.c_str());
    return folded != 0 ? folded < 0 : a < b;
}

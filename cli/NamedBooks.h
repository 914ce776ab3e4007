#pragma once

#include "ConsoleWindow.h"

#include <string>
#include <vector>

// The books the command line's PATHs name, in the order given: a folder's
// books as the window lists them, a file as it is. A book named twice (by
// two PATHs, through a link) comes once. With a single folder its books
// are shown relative to it, as the window shows them; otherwise by path.
struct NamedBooks {
    std::vector<ConsoleBook> books;
    std::string error;  // a PATH that is neither a folder nor an EPUB file
};

NamedBooks FindNamedBooks(const std::vector<std::string>& paths);

// A folder as the run joins entries to it: without a final separator,
// unless it is the root.
std::string FolderWithoutSeparator(std::string folder);

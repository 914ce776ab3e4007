#pragma once

// The books below a folder, found and ordered as the window lists them.

#include <functional>
#include <string>
#include <vector>

// Finds every EPUB in FolderPath (ending in the separator) and below it.
// Each book is handed to addEntry as InnerPath plus its name: the books of
// a folder in listing order, then each sub-folder's, depth first. A folder
// whose name ends in ".epub" is taken for a book and not searched; hidden
// names are passed over, and folders that cannot be read list nothing.
void FindBooks(const std::string& FolderPath, const std::string& InnerPath,
               const std::function<void(const std::string&)>& addEntry);

// The entries FindBooks gives for folder, which may lack its final separator.
std::vector<std::string> ListBooks(const std::string& folder);

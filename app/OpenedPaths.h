#pragma once

#include <string>
#include <vector>

// What the window makes of the folders and books named on its command line
// or dropped on it: the folder its text box shows, the nearest that holds
// them all, and which of the books listed below it are ticked, those named
// and those in a named folder. A path that is neither a folder nor an EPUB
// file is shown as it is, as a typed one would be.
class OpenedPaths {
public:
    // Absolute paths, without "." or ".." components.
    explicit OpenedPaths(const std::vector<std::string>& paths);

    const std::string& Folder() const { return folder_; }
    bool Ticks(const std::string& entry) const;

    // Whether every path named a folder or an EPUB file.
    bool AllFound() const { return allFound_; }

private:
    std::string folder_;
    std::vector<std::string> named_;  // entries of folder_; a folder's ends in the separator, folder_'s own is ""
    bool allFound_ = true;
};

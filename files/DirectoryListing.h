#pragma once

#include <string>
#include <vector>

// The names in one folder, one at a time, for files and folders alike.
// "." and ".." come first; hidden names (those beginning with a dot) are
// left out. The rest are sorted without regard to case, then by their
// bytes, so that a folder always lists the same way.
class DirectoryListing {
public:
    // folderPath ends in the separator. A folder that cannot be read
    // raises RunTimeError.
    explicit DirectoryListing(const std::string& folderPath);

    // The next name, or the empty text when there are no more.
    std::string Next();

private:
    std::vector<std::string> names_;
    std::size_t next_ = 0;
};

// True for the names a listing leaves out.
bool IsHiddenName(const std::string& name);

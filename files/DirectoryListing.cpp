#include "DirectoryListing.h"

#include "NameOrder.h"
#include "RunTimeError.h"
#include "Translation.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>

bool IsHiddenName(const std::string& name)
{
    return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

DirectoryListing::DirectoryListing(const std::string& folderPath)
{
    DIR* dir = ::opendir(folderPath.c_str());
    if (!dir)
        throw ErrorFromErrno(
            errno == ENOENT ? ENOTDIR : errno, QT_TRANSLATE_NOOP("FileErrors", "listing folder"), folderPath);
    std::vector<std::string> found;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && !IsHiddenName(name))
            found.push_back(name);
    }
    ::closedir(dir);

    std::sort(found.begin(), found.end(), NameOrderLess);
    names_.reserve(found.size() + 2);
    names_.push_back(".");
    names_.push_back("..");
    names_.insert(names_.end(), found.begin(), found.end());
}

std::string DirectoryListing::Next()
{
    return next_ < names_.size() ? names_[next_++] : std::string();
}

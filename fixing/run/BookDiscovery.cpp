// The books below a folder, found and ordered as the window lists them.
#include "BookDiscovery.h"

#include "DirectoryListing.h"
#include "FileSystemObject.h"
#include "AsciiText.h"
#include "PathText.h"

#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

using FolderId = std::pair<dev_t, ino_t>;

void Walk(const std::string& FolderPath, const std::string& InnerPath,
          const std::function<void(const std::string&)>& addEntry, std::set<FolderId>& visited)
{
    // A folder reached twice through links would be searched for ever.
    struct stat st {};
    if (::stat(FolderPath.c_str(), &st) != 0 || !visited.insert({st.st_dev, st.st_ino}).second)
        return;
    if (::access(FolderPath.c_str(), R_OK | X_OK) != 0)
        return;

    std::vector<std::string> subfolders;
    DirectoryListing listing(FolderPath);
    for (std::string name = listing.Next(); !name.empty(); name = listing.Next()) {
        if (EndsWithIgnoringCase(name, ".epub"))
            addEntry(InnerPath + name);
        else if (name != "." && name != ".." && FileSystem().FolderExists(FolderPath + name))
            subfolders.push_back(name);
    }
    for (const std::string& name : subfolders)
        Walk(PathText::AsFolder(FolderPath + name), PathText::AsFolder(InnerPath + name), addEntry, visited);
}

}  // namespace

void FindBooks(const std::string& FolderPath, const std::string& InnerPath,
               const std::function<void(const std::string&)>& addEntry)
{
    std::set<FolderId> visited;
    Walk(FolderPath, InnerPath, addEntry, visited);
}

std::vector<std::string> ListBooks(const std::string& folder)
{
    std::vector<std::string> entries;
    FindBooks(PathText::AsFolder(folder), "", [&](const std::string& entry) { entries.push_back(entry); });
    return entries;
}

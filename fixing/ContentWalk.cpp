#include "ContentWalk.h"

#include "ContainerRootfiles.h"
#include "DirectoryListing.h"
#include "FileSystemObject.h"
#include "NameSuffix.h"
#include "PackageDocument.h"
#include "PathText.h"
#include "Stylesheet.h"
#include "UserPrompter.h"

#include <set>
#include <vector>

namespace {

// One folder of the book: where it is on disk, its path inside the book
// ("" at the top, else ending in "/"), and the way from it up to the top.
struct Folder {
    std::string path;
    std::string inBook;
    std::string upToTop;
};

bool Walk(const Folder& folder, const std::set<std::string>& rootfiles, const FixOptions& options)
{
    bool changed = false;
    std::vector<std::string> subfolders;
    DirectoryListing listing(folder.path);
    for (std::string name = listing.Next(); !name.empty(); name = listing.Next()) {
        Prompter().ProcessPendingEvents();  // the window stays alive through a large book
        const std::string path = folder.path + name;
        if (EndsWithUpper(name, ".CSS")) {
            if (!options.deleteCSS) {
                changed |= StripCSSFonts(path, folder.upToTop, options);
            } else if (FileSystem().FileExists(path)) {
                FileSystem().DeleteFile(path, true);
                changed = true;
            }
        } else if (EndsWithUpper(name, "CONTENT.OPF") ||
                   (rootfiles.count(folder.inBook + name) && !FileSystem().FolderExists(path))) {
            if (options.intlFonts)
                changed |= AlterContentOpf(path, folder.upToTop);
        } else if (name == "." || name == "..") {
            // the folder itself and its parent
        } else if (FileSystem().FolderExists(path)) {
            subfolders.push_back(name);
        }
    }
    for (const std::string& name : subfolders)
        changed |= Walk({PathText::AsFolder(folder.path + name), folder.inBook + name + "/", "../" + folder.upToTop},
                        rootfiles, options);
    return changed;
}

}  // namespace

bool FindCSS(const std::string& FolderPath, const FixOptions& options)
{
    return Walk({FolderPath, "", ""}, ContainerRootfiles(FolderPath), options);
}

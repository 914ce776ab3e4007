#include "ContentWalk.h"

#include "DirectoryListing.h"
#include "FileSystemObject.h"
#include "NameSuffix.h"
#include "PackageDocument.h"
#include "PathText.h"
#include "SettingsStore.h"
#include "Stylesheet.h"
#include "UserPrompter.h"

#include <vector>

bool FindCSS(const std::string& FolderPath, const std::string& fontFolder)
{
    bool changed = false;
    std::vector<std::string> subfolders;
    DirectoryListing listing(FolderPath);
    for (std::string name = listing.Next(); !name.empty(); name = listing.Next()) {
        Prompter().ProcessPendingEvents();  // the window stays alive through a large book
        const std::string path = FolderPath + name;
        if (EndsWithUpper(name, ".CSS")) {
            if (!SettingsStore::IsOptionOn(OptionKey::DeleteCSS)) {
                changed |= StripCSSFonts(path, fontFolder);
            } else if (FileSystem().FileExists(path)) {
                FileSystem().DeleteFile(path, true);
                changed = true;
            }
        } else if (EndsWithUpper(name, "CONTENT.OPF")) {
            if (SettingsStore::IsOptionOn(OptionKey::IntlFonts))
                changed |= AlterContentOpf(path, fontFolder);
        } else if (name == "." || name == "..") {
            // the folder itself and its parent
        } else if (FileSystem().FolderExists(path)) {
            subfolders.push_back(name);
        }
    }
    for (const std::string& name : subfolders)
        changed |= FindCSS(PathText::AsFolder(FolderPath + name), "../" + fontFolder);
    return changed;
}

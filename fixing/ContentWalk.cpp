#include "ContentWalk.h"

#include "DirectoryListing.h"
#include "FileSystemObject.h"
#include "NameSuffix.h"
#include "PackageDocument.h"
#include "PathText.h"
#include "SettingsStore.h"
#include "Stylesheet.h"

#include <vector>

void FindCSS(const std::string& FolderPath, const std::string& fontFolder)
{
    std::vector<std::string> subfolders;
    DirectoryListing listing(FolderPath);
    for (std::string name = listing.Next(); !name.empty(); name = listing.Next()) {
        const std::string path = FolderPath + name;
        if (EndsWithUpper(name, ".CSS")) {
            if (SettingsStore::IsOptionOn(OptionKey::DeleteCSS))
                DeleteFileIfExists(path);
            else
                StripCSSFonts(path, fontFolder);
        } else if (EndsWithUpper(name, "CONTENT.OPF")) {
            if (SettingsStore::IsOptionOn(OptionKey::IntlFonts))
                AlterContentOpf(path, fontFolder);
        } else if (name == "." || name == "..") {
            // the folder itself and its parent
        } else if (FileSystem().FolderExists(path)) {
            subfolders.push_back(name);
        }
    }
    for (const std::string& name : subfolders)
        FindCSS(PathText::AsFolder(FolderPath + name), "../" + fontFolder);
}

// The walk of an unpacked book: its stylesheets and package documents, edited or deleted as the options say.
#include "ContentWalk.h"

#include "ContainerRootfiles.h"
#include "DirectoryListing.h"
#include "FileSystemObject.h"
#include "ContentDocuments.h"
#include "PackageDocument.h"
#include "PathText.h"
#include "Stylesheet.h"
#include "StylesheetReferences.h"
#include "TextFile.h"
#include "Translation.h"
#include "UserPrompter.h"

#include <set>
#include <vector>

namespace {

// One folder of the book: where it is on disk, and its path inside the
// book ("" at the top, else ending in "/").
struct Folder {
    std::string path;
    std::string inBook;
};

void Walk(const Folder& folder, const std::set<std::string>& rootfiles, std::vector<EditedFile>& found)
{
    std::vector<std::string> subfolders;
    DirectoryListing listing(folder.path);
    for (std::string name = listing.Next(); !name.empty(); name = listing.Next()) {
        Prompter().ProcessPendingEvents();  // the window stays alive through a large book
        const std::string path = folder.path + name;
        if (IsStylesheetName(name)) {
            found.push_back({folder.inBook + name, EditedFile::Stylesheet});
        } else if (IsPackageDocumentName(name) ||
                   (rootfiles.count(folder.inBook + name) && !FileSystem().FolderExists(path))) {
            found.push_back({folder.inBook + name, EditedFile::PackageDocument});
        } else if (name == "." || name == "..") {
            // the folder itself and its parent
        } else if (FileSystem().FolderExists(path)) {
            subfolders.push_back(name);
        }
    }
    for (const std::string& name : subfolders)
        Walk({PathText::AsFolder(folder.path + name), folder.inBook + name + "/"}, rootfiles, found);
}

// The way from an entry's folder up to the book's top folder.
std::string UpToTop(const std::string& name)
{
    std::string up;
    for (const char c : name)
        if (c == '/')
            up += "../";
    return up;
}

}  // namespace

std::vector<EditedFile> FindEditedFiles(const std::string& FolderPath)
{
    std::vector<EditedFile> found;
    Walk({FolderPath, ""}, ContainerRootfiles(FolderPath), found);
    return found;
}

WalkResult FindCSS(const std::string& FolderPath, const FixOptions& options, FixRecord* record)
{
    FixRecord unused;
    FixRecord& counted = record ? *record : unused;
    WalkResult walk;
    std::vector<std::string> packages;
    for (const EditedFile& file : FindEditedFiles(FolderPath)) {
        const std::string path = FolderPath + file.name;
        if (file.kind == EditedFile::PackageDocument) {
            packages.push_back(file.name);
            if (options.intlFonts && AlterContentOpf(path, UpToTop(file.name))) {
                walk.changed = true;
                ++counted.packageDocumentsEdited;
            }
        } else if (!options.deleteCSS) {
            const StylesheetEdit edit = StripCSSFonts(path, UpToTop(file.name), options);
            if (!edit.uneditable.empty()) {
                //: %1 is a stylesheet's name in the book, %2 the encoding its @charset rule names.
                walk.leftAlone = Words::Fill(
                    Words::translate("ContentWalk", "%1 is in %2, which the fix does not edit"),
                    {file.name, edit.uneditable});
                return walk;
            }
            walk.changed |= edit.rewritten;
            counted.stylesheetsEdited += edit.rewritten ? 1 : 0;
            counted.declarationsEdited += edit.declarationsEdited;
        } else if (FileSystem().FileExists(path)) {
            FileSystem().DeleteFile(path, true);
            walk.deletedStylesheets.insert(file.name);
            walk.changed = true;
            ++counted.stylesheetsDeleted;
        }
    }
    if (walk.deletedStylesheets.empty())
        return walk;
    // The deleted stylesheets' items go, so that the manifest names no
    // file the book lacks.
    for (const std::string& name : packages) {
        const std::string path = FolderPath + name;
        if (!FileSystem().FileExists(path))
            continue;
        const ReferencesRemoved removed = WithoutStylesheetItems(ReadTextFile(path), name, walk.deletedStylesheets);
        if (removed.kind == ReferencesRemoved::Unreadable) {
            walk.leftAlone = KeptStylesheetsReason(name);
            break;
        }
        if (removed.kind == ReferencesRemoved::Edited) {
            WriteWholeFile(path, removed.document);
            ++counted.packageDocumentsEdited;
        }
    }
    return walk;
}

#include "NamedBooks.h"

#include "BookDiscovery.h"
#include "FileSystemObject.h"
#include "AsciiText.h"
#include "PathText.h"
#include "Translation.h"

#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

// What makes two names the same book: the file they lead to.
class SeenBooks {
public:
    bool FirstTime(const std::string& path)
    {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
            return files_.insert({st.st_dev, st.st_ino}).second;
        return names_.insert(path).second;
    }

private:
    std::set<std::pair<dev_t, ino_t>> files_;
    std::set<std::string> names_;
};

}  // namespace

std::string FolderWithoutSeparator(std::string folder)
{
    while (folder.size() > 1 && folder.back() == PathText::Separator)
        folder.pop_back();
    return folder;
}

NamedBooks FindNamedBooks(const std::vector<std::string>& paths)
{
    NamedBooks found;
    SeenBooks seen;
    const bool relative = paths.size() == 1 && FileSystem().FolderExists(paths[0]);
    for (const std::string& path : paths) {
        if (FileSystem().FolderExists(path)) {
            const std::string folder = FolderWithoutSeparator(path);
            for (const std::string& entry : ListBooks(folder)) {
                const std::string book = PathText::Join(folder, entry);
                if (seen.FirstTime(book))
                    found.books.push_back({relative ? entry : book, book});
            }
        } else if (FileSystem().FileExists(path) && EndsWithIgnoringCase(path, ".epub")) {
            if (seen.FirstTime(path))
                found.books.push_back({path, path});
        } else {
            found.error = Words::Fill(Words::translate("Console", "%1 is neither a folder nor an EPUB file"), {path});
            return found;
        }
    }
    return found;
}

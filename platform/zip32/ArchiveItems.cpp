#include "ArchiveItems.h"

#include "NameOrder.h"
#include "Wildcard.h"

#include <algorithm>
#include <ctime>
#include <dirent.h>
#include <set>

namespace platform {
namespace {

constexpr char MimetypeName[] = "mimetype";

class Walker {
public:
    Walker(const std::optional<std::string>& root, WalkRules rules, const CarriedEntries* carried,
           std::pair<dev_t, ino_t> archive, const std::function<void(const std::string&)>& warn)
        : root_(root), rules_(rules), carried_(carried), archive_(archive), warn_(warn)
    {
    }

    void Collect(const std::string& pattern);
    ArchiveItems Finish();

private:
    bool Find(const std::string& relative, Item& item);
    void AddPath(const std::string& relative, bool topLevel);
    std::vector<std::string> SortedNames(const std::string& relative);

    const std::optional<std::string>& root_;
    WalkRules rules_;
    const CarriedEntries* carried_;
    std::pair<dev_t, ino_t> archive_;
    const std::function<void(const std::string&)>& warn_;
    ArchiveItems out_;
    std::set<std::string> names_;
    std::set<std::string> onDisk_;  // paths below the root that the folders listed, while carrying
    std::time_t startTime_ = std::time(nullptr);  // carried folders' time, as unpacking would give it
};

// Adds the entries a name pattern matches, relative to the root.
void Walker::Collect(const std::string& pattern)
{
    const auto cut = pattern.find_last_of('/');
    const std::string folder = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
    const std::string namePattern = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
    for (const std::string& name : SortedNames(folder.empty() ? folder : folder.substr(0, folder.size() - 1)))
        if (wildcard::WildcardMatch(namePattern, name))
            AddPath(folder + name, true);
}

ArchiveItems Walker::Finish()
{
    std::vector<Item>& items = out_.items;
    const auto it = std::find_if(items.begin(), items.end(),
                                 [](const Item& i) { return !i.folder && i.name == MimetypeName; });
    if (it != items.end())
        std::rotate(items.begin(), it, it + 1);
    return std::move(out_);
}

// What is at relative: the file or folder there, else a carried entry (a
// folder as unpacking would have made it). False when nothing is.
bool Walker::Find(const std::string& relative, Item& item)
{
    item.path = root_ ? *root_ + "/" + relative : relative;
    const CarriedEntry* carried = carried_ ? carried_->Find(relative) : nullptr;
    // Only names the folder listed can be there: a carried one is not
    // looked for.
    if (root_ && (!carried || onDisk_.count(relative)) && ::lstat(item.path.c_str(), &item.st) == 0) {
        // A file of the folder stands for the carried entry of its name.
        if (carried && carried->folder != S_ISDIR(item.st.st_mode))
            out_.clash = relative;
        return true;
    }
    if (!carried)
        return false;
    item.carried = carried;
    item.st = {};
    item.st.st_mode = carried->folder ? S_IFDIR | carried_->folderMode() : S_IFREG | carried_->fileMode();
    item.st.st_mtime = carried->folder ? startTime_ : carried->entry.mtime;
    item.st.st_size = carried->folder ? 0 : static_cast<off_t>(carried->entry.size);
    return true;
}

void Walker::AddPath(const std::string& relative, bool topLevel)
{
    Item item;
    if (!Find(relative, item))
        return;
    if (S_ISLNK(item.st.st_mode)) {
        warn_("zip warning: skipping symbolic link " + relative + "\n");
        return;
    }
    if (!item.carried && std::pair(item.st.st_dev, item.st.st_ino) == archive_)
        return;  // never the archive itself
    item.folder = S_ISDIR(item.st.st_mode);
    if (!item.folder && !S_ISREG(item.st.st_mode))
        return;
    item.name = rules_.junkFolders ? relative.substr(relative.find_last_of('/') + 1) : relative;
    if (item.folder && (topLevel || rules_.recurse)) {
        if (rules_.folderEntries && !rules_.junkFolders && names_.insert(item.name + "/").second)
            out_.items.push_back(Item{item.path, item.name + "/", true, item.st, item.carried});
        if (rules_.recurse)
            for (const std::string& name : SortedNames(relative))
                AddPath(relative + "/" + name, false);
        return;
    }
    if (!item.folder && names_.insert(item.name).second)
        out_.items.push_back(item);
}

// The names in a folder below the root ("" for the root itself) and those
// carried into it, in the order they are packed.
std::vector<std::string> Walker::SortedNames(const std::string& relative)
{
    std::vector<std::string> names;
    if (carried_)
        names = carried_->NamesIn(relative);
    if (DIR* dir = root_ ? ::opendir((relative.empty() ? *root_ : *root_ + "/" + relative).c_str()) : nullptr) {
        while (dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            names.push_back(name);
            if (carried_)
                onDisk_.insert(relative.empty() ? name : relative + "/" + name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end(), NameOrderLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace

ArchiveItems WalkArchiveItems(const std::optional<std::string>& root, const std::vector<std::string>& patterns,
                              WalkRules rules, const CarriedEntries* carried, std::pair<dev_t, ino_t> archive,
                              const std::function<void(const std::string&)>& warn)
{
    Walker walker(root, rules, carried, archive, warn);
    for (const std::string& pattern : patterns)
        walker.Collect(pattern);
    return walker.Finish();
}

std::vector<PackJob> JobsFor(const std::vector<Item>& items, int level, const ReferenceIndex& index,
                             const std::vector<std::string>& seen)
{
    std::vector<PackJob> jobs;
    for (const Item& item : items) {
        if (item.folder)
            continue;
        const int entryLevel = item.name == MimetypeName ? 0 : level;
        if (!item.carried) {
            jobs.push_back({item.path, item.name, entryLevel, index.Find(item.name), false, false, {}, {}});
            continue;
        }
        jobs.push_back({{}, item.name, entryLevel, item.carried->entry, true, wildcard::MatchesAny(seen, item.name, true),
                        item.carried->prefix, item.carried->transform});
    }
    return jobs;
}

}  // namespace platform

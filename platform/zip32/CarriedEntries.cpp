#include "CarriedEntries.h"

#include "CreationMask.h"
#include "Wildcard.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <sys/stat.h>

namespace platform {
namespace {

// Whether name is a path that unpacking keeps exactly: relative, with '/'
// only between non-empty parts that are neither "." nor "..".
bool IsPlainName(const std::string& name)
{
    if (name.empty() || name.find('\\') != std::string::npos ||
        (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]))))
        return false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part(name.data() + start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        if (end == name.size())
            return true;
        start = end + 1;
    }
}

bool IsSymbolicLink(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    return zip_file_get_external_attributes(archive, index, 0, &system, &attributes) == 0 &&
           system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// Readers show a name decoded, as CP437 unless the entry says UTF-8: two
// files whose names decode alike are one name to them, and only one of
// the two could be packed. Such a book is unpacked, which refuses it.
bool DecodesUniquely(zip_t* archive, zip_uint64_t index, const std::string& raw, std::set<std::string>& shown)
{
    if (!raw.empty() && raw.back() == '/')
        return true;  // folders hold no bytes to lose
    const char* decoded = zip_get_name(archive, index, ZIP_FL_ENC_STRICT);
    return decoded && shown.insert(decoded).second;
}

std::string FolderPart(const std::string& path)
{
    const std::size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

}  // namespace

std::optional<CarriedEntries> CarriedEntries::Read(const std::string& path, const std::vector<std::string>& allBut)
{
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    if (!archive)
        return std::nullopt;
    CarriedEntries out;
    const mode_t mask = CreationMask();
    out.fileMode_ = 0666 & ~mask;
    out.folderMode_ = 0777 & ~mask;
    bool exact = true;
    std::set<std::string> shown;  // file names as readers decode them
    out.index_.emplace(path, archive,
                       [&](zip_uint64_t index, const zip_stat_t& st, const std::optional<ReferenceEntry>& entry) {
                           exact = st.name && DecodesUniquely(archive, index, st.name, shown) &&
                                   out.Take(archive, index, st.name, entry, allBut);
                           return exact;
                       });
    zip_discard(archive);
    if (!exact)
        return std::nullopt;
    return out;
}

// Takes the entry at index when it is to be carried; false when it cannot
// be carried exactly.
bool CarriedEntries::Take(zip_t* archive, zip_uint64_t index, std::string name,
                          const std::optional<ReferenceEntry>& entry, const std::vector<std::string>& allBut)
{
    if (wildcard::MatchesAny(allBut, name, true))
        return true;
    CarriedEntry carried;
    carried.folder = !name.empty() && name.back() == '/';
    if (carried.folder)
        name.pop_back();
    if (!IsPlainName(name) || IsSymbolicLink(archive, index) || (!carried.folder && !entry))
        return false;
    if (!carried.folder)
        carried.entry = *entry;
    carried.name = std::move(name);
    return Add(std::move(carried));
}

// Adds carried and the folders its name goes through; false when a name
// is already a file, or a file's name already a folder.
bool CarriedEntries::Add(CarriedEntry carried)
{
    for (std::string folder = FolderPart(carried.name);; folder = FolderPart(folder)) {
        const std::string name = folder;
        const auto [it, fresh] = byPath_.try_emplace(name, CarriedEntry{name, true, {}, {}, {}});
        if (!it->second.folder)
            return false;
        if (name.empty() || !fresh)
            break;
        children_[FolderPart(name)].insert(name.substr(name.find_last_of('/') + 1));
    }
    const std::string name = carried.name;
    const bool folder = carried.folder;
    const auto [it, fresh] = byPath_.try_emplace(name, std::move(carried));
    if (!fresh)
        return folder && it->second.folder;
    files_ += folder ? 0 : 1;
    children_[FolderPart(name)].insert(name.substr(name.find_last_of('/') + 1));
    return true;
}

const CarriedEntry* CarriedEntries::Find(const std::string& relative) const
{
    const auto it = byPath_.find(relative);
    return it == byPath_.end() || relative.empty() ? nullptr : &it->second;
}

std::size_t CarriedEntries::SetTransform(const std::vector<std::string>& patterns, const SharedTransform& transform)
{
    std::size_t count = 0;
    for (auto& [path, carried] : byPath_)
        if (!carried.folder && wildcard::MatchesAny(patterns, carried.name, true)) {
            carried.transform = transform;
            ++count;
        }
    return count;
}

bool CarriedEntries::SetPrefix(const std::string& name, std::string prefix)
{
    const auto it = byPath_.find(name);
    if (it == byPath_.end() || it->second.folder)
        return false;
    it->second.prefix = std::move(prefix);
    return true;
}

std::vector<std::string> CarriedEntries::NamesIn(const std::string& folder) const
{
    const auto it = children_.find(folder);
    return it == children_.end() ? std::vector<std::string>() : std::vector<std::string>(it->second.begin(), it->second.end());
}

}  // namespace platform

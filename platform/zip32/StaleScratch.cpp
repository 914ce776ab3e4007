#include "StaleScratch.h"

#include <cctype>
#include <dirent.h>
#include <map>
#include <mutex>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::size_t ScratchSuffixLength = 6;

bool IsScratchOf(const std::string& name, const std::string& archiveName)
{
    if (name.size() != archiveName.size() + 1 + ScratchSuffixLength || name.compare(0, archiveName.size(), archiveName) != 0 ||
        name[archiveName.size()] != '.')
        return false;
    for (std::size_t i = archiveName.size() + 1; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

// The names in a folder that may be scratch files, read once per folder
// in this process: a library's folder may hold thousands of books, and
// reading it again for each of them would cost more than fixing them.
// Scratch files that this process leaves are removed where they are made,
// so only those found at the first reading can be stale.
std::vector<std::string>& Candidates(const std::string& folder)
{
    static std::map<std::string, std::vector<std::string>> byFolder;
    const auto [it, fresh] = byFolder.try_emplace(folder);
    if (!fresh)
        return it->second;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() > ScratchSuffixLength + 1 && name[name.size() - ScratchSuffixLength - 1] == '.')
                it->second.push_back(name);
        }
        ::closedir(dir);
    }
    return it->second;
}

}  // namespace

void RemoveStaleScratchFiles(const std::string& archivePath)
{
    const auto cut = archivePath.find_last_of('/');
    const std::string folder = cut == std::string::npos ? "." : archivePath.substr(0, cut + 1);
    const std::string archiveName = cut == std::string::npos ? archivePath : archivePath.substr(cut + 1);
    static std::mutex mutex;
    std::lock_guard<std::mutex> hold(mutex);
    std::vector<std::string>& candidates = Candidates(folder);
    for (auto it = candidates.begin(); it != candidates.end();) {
        if (!IsScratchOf(*it, archiveName)) {
            ++it;
            continue;
        }
        const std::string path = (cut == std::string::npos ? "" : folder) + *it;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(path.c_str());
        it = candidates.erase(it);
    }
}

}  // namespace platform

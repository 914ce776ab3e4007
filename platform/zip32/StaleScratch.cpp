#include "StaleScratch.h"

#include <cctype>
#include <dirent.h>
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

}  // namespace

void RemoveStaleScratchFiles(const std::string& archivePath)
{
    const auto cut = archivePath.find_last_of('/');
    const std::string folder = cut == std::string::npos ? "." : archivePath.substr(0, cut + 1);
    const std::string archiveName = cut == std::string::npos ? archivePath : archivePath.substr(cut + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsScratchOf(name, archiveName))
            continue;
        const std::string path = (cut == std::string::npos ? "" : folder) + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace platform

#include "RealFilePath.h"

#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

std::string RealFilePath(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

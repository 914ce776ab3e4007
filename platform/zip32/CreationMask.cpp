// The process's file mode creation mask, read once for the whole library.
#include "CreationMask.h"

#include <fstream>
#include <string>
#include <sys/stat.h>

namespace platform {
namespace {

mode_t ReadMask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

}  // namespace

mode_t CreationMask()
{
    static const mode_t mask = ReadMask();
    return mask;
}

}  // namespace platform

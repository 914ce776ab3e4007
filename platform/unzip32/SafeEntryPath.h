#pragma once

#include <string>

namespace platform {

// An archive entry's name cut back to a relative path that stays inside
// the target folder: backslashes become slashes, a drive letter and leading
// slashes go, "." and ".." components go.
struct SafeEntryPath {
    std::string path;     // relative, '/'-separated; empty when nothing is left
    bool isFolder = false; // the name ended in a slash
    std::string warning;  // what was cut, for the user; empty when nothing was
};

SafeEntryPath MakeSafeEntryPath(const std::string& entryName);

}  // namespace platform

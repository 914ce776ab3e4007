#include "SafeEntryPath.h"

#include <vector>

namespace platform {

SafeEntryPath MakeSafeEntryPath(const std::string& entryName)
{
    SafeEntryPath out;
    std::string name = entryName;
    bool backslashes = false, absolute = false, parents = false;

    for (char& c : name)
        if (c == '\\') {
            c = '/';
            backslashes = true;
        }
    if (name.size() >= 2 && name[1] == ':' &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'))) {
        name.erase(0, 2);
        absolute = true;
    }
    out.isFolder = !name.empty() && name.back() == '/';

    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && name[i] != '/')
            continue;
        const std::string part = name.substr(start, i - start);
        start = i + 1;
        if (part.empty() || part == ".") {
            if (part.empty() && parts.empty() && i == 0)
                absolute = true;
            continue;
        }
        if (part == "..") {
            parents = true;
            continue;
        }
        parts.push_back(part);
    }
    for (const std::string& part : parts)
        out.path += (out.path.empty() ? "" : "/") + part;

    if (absolute)
        out.warning += "warning:  stripped the absolute part of the path from " + entryName + "\n";
    if (parents)
        out.warning += "warning:  skipped \"../\" path component(s) in " + entryName + "\n";
    if (backslashes)
        out.warning += "warning:  " + entryName + " appears to use backslashes as path separators\n";
    return out;
}

}  // namespace platform

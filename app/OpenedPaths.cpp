#include "OpenedPaths.h"

#include "FileSystemObject.h"
#include "AsciiText.h"
#include "PathText.h"

#include <algorithm>

namespace {

std::vector<std::string> Components(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find(PathText::Separator, start), path.size());
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Joined(const std::vector<std::string>& parts, std::size_t count)
{
    std::string path;
    for (std::size_t i = 0; i < count; ++i)
        path += PathText::Separator + parts[i];
    return path.empty() ? std::string(1, PathText::Separator) : path;
}

}  // namespace

OpenedPaths::OpenedPaths(const std::vector<std::string>& paths)
{
    // Each path's folder: a folder is its own, a book's is the one it is in.
    std::vector<std::vector<std::string>> folders;
    std::vector<std::string> names;  // a book's name; empty for a folder
    for (const std::string& path : paths) {
        std::vector<std::string> parts = Components(path);
        if (FileSystem().FolderExists(path)) {
            names.emplace_back();
        } else if (FileSystem().FileExists(path) && EndsWithIgnoringCase(path, ".epub") && !parts.empty()) {
            names.push_back(parts.back());
            parts.pop_back();
        } else {
            // The first path that names nothing goes in the text box, which
            // then lists nothing, as for a typed one.
            folder_ = path;
            allFound_ = false;
            return;
        }
        folders.push_back(std::move(parts));
    }
    if (folders.empty())
        return;

    std::size_t shared = folders.front().size();
    for (const auto& folder : folders) {
        const auto differ = std::mismatch(folder.begin(), folder.begin() + std::min(shared, folder.size()),
                                          folders.front().begin());
        shared = static_cast<std::size_t>(differ.first - folder.begin());
    }
    folder_ = Joined(folders.front(), shared);
    for (std::size_t i = 0; i < folders.size(); ++i) {
        std::string entry;
        for (std::size_t part = shared; part < folders[i].size(); ++part)
            entry += folders[i][part] + PathText::Separator;
        named_.push_back(entry + names[i]);
    }
}

bool OpenedPaths::Ticks(const std::string& entry) const
{
    return std::any_of(named_.begin(), named_.end(), [&](const std::string& named) {
        const bool folder = named.empty() || named.back() == PathText::Separator;
        return folder ? entry.rfind(named, 0) == 0 : entry == named;
    });
}

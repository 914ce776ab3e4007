#pragma once

#include <filesystem>
#include <string>

// The one place that knows the platform's path separator. Callers join
// paths through these helpers and never write a separator themselves.
namespace PathText {

inline constexpr char Separator = static_cast<char>(std::filesystem::path::preferred_separator);

// "a" and "b" become "a<sep>b"; the same as a + Separator + b.
inline std::string Join(const std::string& folder, const std::string& name)
{
    return folder + Separator + name;
}

// The folder path as a walk wants it: ending in one separator.
inline std::string AsFolder(const std::string& folder)
{
    return folder + Separator;
}

// The folder that holds path: the text before the last separator, "/" for
// a name at the root, "." for a bare name.
inline std::string FolderOf(const std::string& path)
{
    const auto cut = path.find_last_of(Separator);
    return cut == std::string::npos ? "." : cut == 0 ? std::string(1, Separator) : path.substr(0, cut);
}

// The last component of a path (the text after the last separator).
inline std::string FileName(const std::string& path)
{
    const auto cut = path.find_last_of(Separator);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace PathText

#pragma once

#include <string>
#include <sys/stat.h>
#include <tuple>

// One version of a file on disk. Another program that writes the file, or
// puts another file in its place, changes at least one of these. Header
// only: the archive libraries below the core use it too.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};  // the inode's change time: moves with every write, also within one clock tick of mtime

    static FileIdentity Of(const struct stat& st) { return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }

    auto Key() const
    {
        return std::tuple(exists, device, inode, size, modified.tv_sec, modified.tv_nsec, changed.tv_sec,
                          changed.tv_nsec);
    }
    bool operator==(const FileIdentity& other) const { return Key() == other.Key(); }
    bool operator<(const FileIdentity& other) const { return Key() < other.Key(); }
};

// The identity of the file path leads to (links followed); one that does
// not exist has none.
inline FileIdentity IdentityOf(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? FileIdentity::Of(st) : FileIdentity{};
}

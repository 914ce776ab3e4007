#pragma once

#include <string>
#include <sys/stat.h>

// One version of a file on disk. Another program that writes the file, or
// puts another file in its place, changes at least one of these.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};  // the inode's change time: moves with every write, also within one clock tick of mtime

    bool operator==(const FileIdentity& other) const;
};

// The identity of the file path leads to (links followed).
FileIdentity IdentityOf(const std::string& path);

// The file a path leads to: the path itself, or, when its last part is a
// symbolic link, the file the link points at. A link whose target does not
// exist is returned as it is.
std::string RealFilePath(const std::string& path);

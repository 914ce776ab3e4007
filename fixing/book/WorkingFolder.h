#pragma once

// The private working folder books are unpacked into, and the lock that keeps two runs out of it.

#include <string>

// The folder each book is unpacked into: a private temporary folder of
// this user's, followed by "Bindwell". When the platform gives no
// temporary folder, "Bindwell" in the current directory. Raises
// RunTimeError when the temporary folder is not this user's own.
std::string WorkingFolderPath();

// Keeps two runs of the same user from sharing the working folder. The
// lock lives beside the folder and goes with the process, however it ends.
class WorkingFolderLock {
public:
    WorkingFolderLock() = default;
    ~WorkingFolderLock();
    WorkingFolderLock(const WorkingFolderLock&) = delete;
    WorkingFolderLock& operator=(const WorkingFolderLock&) = delete;

    // False when another run holds it. Raises RunTimeError when the lock
    // file cannot be made.
    bool Acquire(const std::string& workingFolder);
    void Release();

private:
    int fd_ = -1;
    std::string path_;
};

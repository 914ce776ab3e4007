#pragma once

#include <cstddef>
#include <string>

// An open file descriptor, closed when it goes, and the one read and write
// loop of the file services: both go on where a signal interrupted them.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int get() const { return fd_; }
    // Closes now; raises RunTimeError (for path) when the close reports a
    // failed write.
    void Close(const std::string& path);

    // Reads until size bytes are in or the file ends; returns the count.
    // A read error raises RunTimeError for path.
    std::size_t ReadUpTo(char* data, std::size_t size, const std::string& path);

    // Writes every byte; a write error raises RunTimeError for path.
    void WriteAll(const char* data, std::size_t size, const std::string& path);

private:
    int fd_;
};

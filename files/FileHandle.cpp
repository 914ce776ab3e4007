#include "FileHandle.h"

#include "RunTimeError.h"
#include "Translation.h"

#include <cerrno>
#include <unistd.h>

FileHandle::~FileHandle()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void FileHandle::Close(const std::string& path)
{
    const int fd = fd_;
    fd_ = -1;
    if (fd >= 0 && ::close(fd) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "writing"), path);
}

std::size_t FileHandle::ReadUpTo(char* data, std::size_t size, const std::string& path)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd_, data + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "reading"), path);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void FileHandle::WriteAll(const char* data, std::size_t size, const std::string& path)
{
    while (size > 0) {
        const ssize_t put = ::write(fd_, data, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "writing"), path);
        data += put;
        size -= static_cast<std::size_t>(put);
    }
}

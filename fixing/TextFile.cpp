#include "TextFile.h"

#include "RunTimeError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

void WriteAll(int fd, const char* data, std::size_t size, const std::string& path)
{
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throw ErrorFromErrno(errno, "writing", path);
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
}

}  // namespace

std::string ReadTextFile(const std::string& path)
{
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        throw ErrorFromErrno(errno, "opening", path);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        throw ErrorFromErrno(errno, "opening", path);
    if (S_ISDIR(st.st_mode))
        throw ErrorFromErrno(EISDIR, "opening", path);

    std::string text(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got = ::read(file.get(), text.data() + done, text.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw ErrorFromErrno(errno, "reading", path);
        }
        if (got == 0)
            break;  // the file shrank meanwhile: keep what is there
        done += static_cast<std::size_t>(got);
    }
    text.resize(done);
    return text;
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    FileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0)
        throw ErrorFromErrno(errno, "opening for writing", path);
    WriteAll(file.get(), text.data(), text.size(), path);
    WriteAll(file.get(), LineBreak, 2, path);
    if (::close(file.release()) != 0)
        throw ErrorFromErrno(errno, "writing", path);
}

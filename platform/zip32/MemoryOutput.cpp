#include "MemoryOutput.h"

#include "CreationMask.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

MemoryOutput::~MemoryOutput()
{
    if (source_)
        zip_source_free(source_);
}

zip_t* MemoryOutput::Open(int& code)
{
    zip_error_t error;
    zip_error_init(&error);
    source_ = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = source_ ? zip_open_from_source(source_, ZIP_CREATE | ZIP_TRUNCATE, &error) : nullptr;
    if (archive)
        zip_source_keep(source_);  // read back once the archive is closed
    code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    return archive;
}

namespace {

// Renames without replacing anything that appeared at the path meanwhile.
int RenameNoReplace(const std::string& from, const std::string& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
    if (::access(to.c_str(), F_OK) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace

int MemoryOutput::WriteTo(const std::string& path, const std::function<void()>& progress)
{
    if (!source_ || zip_source_open(source_) != 0)
        return ENOMEM;
    std::string scratch = path + ".XXXXXX";
    const int fd = ::mkostemp(scratch.data(), O_CLOEXEC);
    if (fd < 0) {
        zip_source_close(source_);
        return errno;
    }
    ::fchmod(fd, 0666 & ~CreationMask());  // as a file the program created itself

    int failure = 0;
    std::vector<char> piece(1u << 20);
    for (zip_int64_t got; failure == 0 && (got = zip_source_read(source_, piece.data(), piece.size())) != 0;) {
        progress();
        if (got < 0) {
            failure = EIO;
            break;
        }
        for (const char* at = piece.data(); failure == 0 && got > 0;) {
            const ssize_t put = ::write(fd, at, static_cast<std::size_t>(got));
            if (put < 0 && errno != EINTR)
                failure = errno;
            if (put > 0) {
                at += put;
                got -= put;
            }
        }
    }
    zip_source_close(source_);
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0)
        failure = RenameNoReplace(scratch, path);
    if (failure != 0)
        ::unlink(scratch.c_str());
    return failure;
}

}  // namespace platform

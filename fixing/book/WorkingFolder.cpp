// The private working folder books are unpacked into, and the lock that keeps two runs out of it.
#include "WorkingFolder.h"

#include "FileSystemObject.h"
#include "PathText.h"
#include "RunTimeError.h"
#include "Translation.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char WorkingFolderName[] = "Bindwell";

// True when path is a real folder (not a link) that only this user can use.
bool IsPrivateFolder(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

// The user's private temporary folder, ending in the separator; empty when
// the platform gives no temporary folder at all.
std::string PrivateTemporaryFolder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == PathText::Separator &&
                                                                 IsPrivateFolder(runtime))
        return PathText::AsFolder(runtime);

    std::error_code ec;
    const std::filesystem::path system = std::filesystem::temp_directory_path(ec);
    if (ec || system.empty())
        return {};
    const std::string mine = PathText::Join(system.string(), "bindwell-" + std::to_string(::getuid()));
    if (::mkdir(mine.c_str(), 0700) != 0 && errno != EEXIST)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "creating the private temporary folder"), mine);
    if (!IsPrivateFolder(mine))
        throw RunTimeError(ErrorNumber::PermissionDenied,
                           Words::Fill(Words::translate("BatchRun", "Permission denied (the temporary folder \"%1\" "
                                                                    "is a link, another user's, or open to others; "
                                                                    "remove it and start again)"),
                                       {mine}));
    return PathText::AsFolder(mine);
}

}  // namespace

std::string WorkingFolderPath()
{
    return PrivateTemporaryFolder() + WorkingFolderName;
}

WorkingFolderLock::~WorkingFolderLock()
{
    Release();
}

bool WorkingFolderLock::Acquire(const std::string& workingFolder)
{
    Release();
    const std::string path = workingFolder + ".lock";
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "creating the lock"), path);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return false;
        }
        // The holder before us may have removed the file just as we opened
        // it; the lock counts only when it is on the file at the path.
        struct stat held {}, current {};
        if (::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &current) == 0 && held.st_ino == current.st_ino &&
            held.st_dev == current.st_dev) {
            fd_ = fd;
            path_ = path;
            return true;
        }
        ::close(fd);
    }
}

void WorkingFolderLock::Release()
{
    if (fd_ < 0)
        return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

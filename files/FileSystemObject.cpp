#include "FileSystemObject.h"

#include "FileHandle.h"
#include "PathText.h"
#include "RunTimeError.h"
#include "Translation.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

bool StatIs(const std::string& path, mode_t kind)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

// Removes everything below and including folder without following links.
// With force, folders are made writable first so that their entries can go.
void RemoveTree(const std::string& folder, bool force)
{
    if (force)
        ::chmod(folder.c_str(), S_IRWXU);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "deleting folder"), folder);
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);

    for (const std::string& name : names) {
        const std::string path = PathText::Join(folder, name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "deleting"), path);
        if (S_ISDIR(st.st_mode))
            RemoveTree(path, force);
        else if (::unlink(path.c_str()) != 0)
            throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "deleting file"), path);
    }
    if (::rmdir(folder.c_str()) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "deleting folder"), folder);
}

void CopyBytes(const std::string& source, const std::string& destination)
{
    FileHandle in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "copying"), source);
    FileHandle out(::open(destination.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (out.get() < 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "copying to"), destination);
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const std::size_t got = in.ReadUpTo(buffer.data(), buffer.size(), source);
        out.WriteAll(buffer.data(), got, destination);
        if (got < buffer.size())
            break;
    }
    out.Close(destination);
}

}  // namespace

bool FileSystemObject::FileExists(const std::string& path) const
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FileSystemObject::FolderExists(const std::string& path) const
{
    return StatIs(path, S_IFDIR);
}

void FileSystemObject::DeleteFile(const std::string& path, bool /*force*/) const
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "deleting file"), path);
    if (S_ISDIR(st.st_mode))
        throw ErrorFromErrno(ENOENT, QT_TRANSLATE_NOOP("FileErrors", "deleting file (it is a folder)"), path);
    // Unlinking needs no write permission on the file itself, so a read-only
    // file goes as the force flag asks.
    if (::unlink(path.c_str()) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "deleting file"), path);
}

void FileSystemObject::DeleteFolder(const std::string& path, bool force) const
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        throw ErrorFromErrno(
            errno == ENOENT ? ENOTDIR : errno, QT_TRANSLATE_NOOP("FileErrors", "deleting folder"), path);
    if (!S_ISDIR(st.st_mode))
        throw ErrorFromErrno(ENOTDIR, QT_TRANSLATE_NOOP("FileErrors", "deleting folder"), path);
    RemoveTree(path, force);
}

void FileSystemObject::CreateFolder(const std::string& path) const
{
    if (::mkdir(path.c_str(), 0777) != 0)
        throw ErrorFromErrno(
            errno == ENOENT ? ENOTDIR : errno, QT_TRANSLATE_NOOP("FileErrors", "creating folder"), path);
}

void FileSystemObject::CopyFile(const std::string& source, const std::string& destinationFolder, bool overwrite) const
{
    if (!FileExists(source))
        throw ErrorFromErrno(ENOENT, QT_TRANSLATE_NOOP("FileErrors", "copying"), source);
    if (!FolderExists(destinationFolder))
        throw ErrorFromErrno(ENOTDIR, QT_TRANSLATE_NOOP("FileErrors", "copying to"), destinationFolder);
    const std::string destination = destinationFolder + PathText::FileName(source);
    if (!overwrite && FileExists(destination))
        throw ErrorFromErrno(EEXIST, QT_TRANSLATE_NOOP("FileErrors", "copying to"), destination);
    CopyBytes(source, destination);
}

void FileSystemObject::MoveFile(const std::string& source, const std::string& destination) const
{
    struct stat st {};
    if (::lstat(source.c_str(), &st) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "moving"), source);
    if (::lstat(destination.c_str(), &st) == 0)
        throw ErrorFromErrno(EEXIST, QT_TRANSLATE_NOOP("FileErrors", "moving to"), destination);
    if (::rename(source.c_str(), destination.c_str()) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "moving to"), destination);
}

void FileSystemObject::PrepareReplacement(const std::string& source, const std::string& destination) const
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "opening"), source);
    struct stat old {};
    if (::stat(destination.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    const bool flushed = ::fsync(fd) == 0;
    const int flushError = errno;
    ::close(fd);
    if (!flushed)
        throw ErrorFromErrno(flushError, QT_TRANSLATE_NOOP("FileErrors", "flushing"), source);
}

void FileSystemObject::ReplaceFile(const std::string& source, const std::string& destination,
                                   FolderFlush folderFlush) const
{
    PrepareReplacement(source, destination);
    if (::rename(source.c_str(), destination.c_str()) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "replacing"), destination);

    // Make the rename itself last: flush the folder that holds both names.
    if (folderFlush == FolderFlush::Now)
        FlushFolder(PathText::FolderOf(destination));
}

void FileSystemObject::FlushFolder(const std::string& folder) const
{
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void FileSystemObject::BeginFlush(const std::string& path) const
{
#ifdef SYNC_FILE_RANGE_WRITE
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    ::close(fd);
#else
    (void)path;
#endif
}

FileSystemObject& FileSystem()
{
    static FileSystemObject instance;
    return instance;
}

void DeleteFileIfExists(const std::string& path)
{
    if (FileSystem().FileExists(path))
        FileSystem().DeleteFile(path, true);
}

void DeleteFolderIfExists(const std::string& path)
{
    if (FileSystem().FolderExists(path))
        FileSystem().DeleteFolder(path, true);
}

void RecreateFolder(const std::string& path)
{
    DeleteFolderIfExists(path);
    FileSystem().CreateFolder(path);
}

#include "Trash.h"

#include "FileHandle.h"
#include "FileSystemObject.h"
#include "PathText.h"
#include "RunTimeError.h"
#include "Translation.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr char FilesFolder[] = "files";
constexpr char InfoFolder[] = "info";
constexpr char InfoSuffix[] = ".trashinfo";

std::string Uid()
{
    return std::to_string(::getuid());
}

// A folder of this user's own at path, made with mode 0700 where it is
// missing; a link, a file or another user's folder there raises.
void PrivateFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "creating the Trash folder"), path);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "opening the Trash folder"), path);
    if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        throw RunTimeError(ErrorNumber::PermissionDenied,
                           Words::Fill(Words::translate("Trash", "Permission denied (the Trash folder \"%1\" is a "
                                                                 "link, a file or another user's folder)"),
                                       {path}));
}

bool DeviceOf(const std::string& path, dev_t& device)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    device = st.st_dev;
    return true;
}

// The folder at the top of the filesystem that holds folder: the last one
// on the way up before the device changes.
std::string TopFolderOf(const std::string& folder)
{
    fs::path top = fs::path(folder).lexically_normal();
    dev_t device = 0;
    if (!DeviceOf(top.string(), device))
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "finding the filesystem of"), folder);
    while (top.has_relative_path()) {
        const fs::path parent = top.parent_path();
        dev_t above = 0;
        if (!DeviceOf(parent.string(), above) || above != device)
            break;
        top = parent;
    }
    return top.string();
}

// Whether the home trash is on the same filesystem as folder: judged by
// the nearest folder of it that exists, so that nothing is made to judge.
bool OnHomeFilesystem(const std::string& homeTrash, dev_t device)
{
    for (fs::path at = homeTrash; !at.empty(); at = at.parent_path()) {
        dev_t there = 0;
        if (DeviceOf(at.string(), there))
            return there == device;
        if (at == at.parent_path())
            break;
    }
    return false;
}

std::string NotTrashed(const std::string& path, const std::string& trash, const std::string& why)
{
    return Words::Fill(Words::translate("Trash", "The original of \"%1\" could not be put in the Trash \"%2\", so "
                                                 "it was left as it was: %3"),
                       {path, trash, why});
}

bool NoHardLinks(int err)
{
    return err == EPERM || err == ENOSYS || err == ENOTSUP || err == EOPNOTSUPP || err == EMLINK;
}

// "book.epub", "book.2.epub", "book.3.epub", ...
std::string Candidate(const std::string& name, int number)
{
    if (number == 1)
        return name;
    const auto dot = name.find_last_of('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos || dot == 0 ? "" : name.substr(dot);
    return stem + "." + std::to_string(number) + extension;
}

std::string PercentEncoded(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '_' ||
            b == '.' || b == '~' || b == '/') {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

// The top folder of a top folder's trash ($topdir/.Trash-$uid or
// $topdir/.Trash/$uid); empty for any other trash folder.
std::string TopFolderOfTrash(const std::string& trashFolder)
{
    const fs::path folder = fs::path(trashFolder).lexically_normal();
    if (folder.filename() == ".Trash-" + Uid())
        return folder.parent_path().string();
    if (folder.filename() == Uid() && folder.parent_path().filename() == ".Trash")
        return folder.parent_path().parent_path().string();
    return {};
}

}  // namespace

std::string HomeTrash()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return PathText::Join(data, "Trash");
    const char* home = std::getenv("HOME");
    return PathText::Join(PathText::Join(PathText::Join(home && home[0] ? home : "/", ".local"), "share"), "Trash");
}

std::string TopFolderTrash(const std::string& topFolder)
{
    const std::string shared = PathText::Join(topFolder, ".Trash");
    struct stat st {};
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const std::string mine = PathText::Join(shared, Uid());
        PrivateFolder(mine);
        return mine;
    }
    const std::string mine = PathText::Join(topFolder, ".Trash-" + Uid());
    PrivateFolder(mine);
    return mine;
}

std::string PathInTrashInfo(const std::string& trashFolder, const std::string& absolutePath)
{
    // The filesystem may be mounted elsewhere next time (an e-reader
    // plugged in again): its own trash names the file from its top folder.
    const std::string top = TopFolderOfTrash(trashFolder);
    if (top.empty())
        return absolutePath;
    const fs::path relative = fs::path(absolutePath).lexically_relative(top);
    if (relative.empty() || *relative.begin() == "..")
        return absolutePath;
    return relative.string();
}

std::string TrashInfo(const std::string& path, long long secondsSinceEpoch)
{
    const std::time_t when = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local {};
    ::localtime_r(&when, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + PercentEncoded(path) + "\nDeletionDate=" + date + "\n";
}

Trash Trash::For(const std::string& path)
{
    const std::string folder = PathText::FolderOf(fs::absolute(path).string());
    dev_t device = 0;
    if (!DeviceOf(folder, device))
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "finding the filesystem of"), path);
    const std::string home = HomeTrash();
    if (OnHomeFilesystem(home, device)) {
        std::error_code ec;
        fs::create_directories(fs::path(home).parent_path(), ec);
        PrivateFolder(home);
        return Trash(home);
    }
    return Trash(TopFolderTrash(TopFolderOf(folder)));
}

Trash::Trash(std::string folder, HardLinks links) : folder_(std::move(folder)), links_(links) {}

std::string Trash::ReserveName(const std::string& path) const
{
    const std::string info = PathText::Join(folder_, InfoFolder), files = PathText::Join(folder_, FilesFolder);
    PrivateFolder(folder_);
    PrivateFolder(info);
    PrivateFolder(files);
    const std::string text = TrashInfo(PathInTrashInfo(folder_, path), static_cast<long long>(std::time(nullptr)));
    const std::string name = PathText::FileName(path);
    for (int number = 1;; ++number) {
        const std::string candidate = Candidate(name, number);
        const std::string infoFile = PathText::Join(info, candidate + InfoSuffix);
        // O_EXCL: a name another run took between two looks stays its own.
        FileHandle file(::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (file.get() < 0) {
            if (errno == EEXIST)
                continue;
            throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "creating"), infoFile);
        }
        struct stat st {};
        if (::lstat(PathText::Join(files, candidate).c_str(), &st) == 0) {
            ::unlink(infoFile.c_str());  // a file without its info holds this name
            continue;
        }
        try {
            file.WriteAll(text.data(), text.size(), infoFile);
            file.Close(infoFile);
        } catch (const RunTimeError&) {
            ::unlink(infoFile.c_str());
            throw;
        }
        return candidate;
    }
}

std::string Trash::ReserveNameFor(const std::string& path) const
{
    try {
        return ReserveName(fs::absolute(path).lexically_normal().string());
    } catch (const RunTimeError& e) {
        throw RunTimeError(e.number(), NotTrashed(path, folder_, e.description()));
    }
}

std::string Trash::ReplaceKeepingOriginal(const std::string& replacement, const std::string& path,
                                          FileSystemObject::FolderFlush folderFlush) const
{
    const std::string name = ReserveNameFor(path);
    const std::string filesFolder = PathText::Join(folder_, FilesFolder);
    const std::string kept = PathText::Join(filesFolder, name);
    const std::string infoFile = PathText::Join(PathText::Join(folder_, InfoFolder), name + InfoSuffix);
    const auto fail = [&](int err, const char* action, const std::string& where) {
        ::unlink(infoFile.c_str());  // the original did not arrive
        const RunTimeError e = ErrorFromErrno(err, action, where);
        return RunTimeError(e.number(), NotTrashed(path, folder_, e.description()));
    };

    FileSystem().PrepareReplacement(replacement, path);
    const bool linked = links_ == HardLinks::Try && ::link(path.c_str(), kept.c_str()) == 0;
    if (!linked && links_ == HardLinks::Try && !NoHardLinks(errno))
        throw fail(errno, QT_TRANSLATE_NOOP("FileErrors", "linking into the Trash"), kept);
    if (linked) {
        // No flush between the link and the rename: a journalling
        // filesystem commits the two in order, and the flush of the book's
        // folder after the rename makes both last.
        if (::rename(replacement.c_str(), path.c_str()) != 0) {
            const int err = errno;
            ::unlink(kept.c_str());
            throw fail(err, QT_TRANSLATE_NOOP("FileErrors", "replacing"), path);
        }
    } else {
        // No hard links: for this instant the book is whole in the Trash,
        // with its .trashinfo, though not at its path.
        if (::rename(path.c_str(), kept.c_str()) != 0)
            throw fail(errno, QT_TRANSLATE_NOOP("FileErrors", "moving into the Trash"), kept);
        FileSystem().FlushFolder(filesFolder);
        if (::rename(replacement.c_str(), path.c_str()) != 0) {
            const int err = errno;
            if (::rename(kept.c_str(), path.c_str()) != 0)
                throw RunTimeError(ErrorFromErrno(err, QT_TRANSLATE_NOOP("FileErrors", "replacing"), path).number(),
                                   Words::Fill(Words::translate("Trash", "The book \"%1\" could not be replaced, "
                                                                         "and its original is in the Trash as \"%2\"."),
                                               {path, kept}));
            throw fail(err, QT_TRANSLATE_NOOP("FileErrors", "replacing"), path);
        }
    }
    if (folderFlush == FileSystemObject::FolderFlush::Now)
        FileSystem().FlushFolder(PathText::FolderOf(path));
    return kept;
}

std::string Trash::MoveIn(const std::string& path) const
{
    const std::string name = ReserveNameFor(path);
    const std::string filesFolder = PathText::Join(folder_, FilesFolder);
    const std::string kept = PathText::Join(filesFolder, name);
    if (::rename(path.c_str(), kept.c_str()) != 0) {
        const int err = errno;
        ::unlink(PathText::Join(PathText::Join(folder_, InfoFolder), name + InfoSuffix).c_str());
        const RunTimeError e = ErrorFromErrno(err, QT_TRANSLATE_NOOP("FileErrors", "moving into the Trash"), kept);
        throw RunTimeError(e.number(), NotTrashed(path, folder_, e.description()));
    }
    FileSystem().FlushFolder(filesFolder);
    return kept;
}

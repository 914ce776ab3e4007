// Putting new books in their places, in order and flushed, the originals to the Trash where asked.
#include "BookReplacement.h"

#include "FileSystemObject.h"
#include "PathText.h"
#include "Trash.h"
#include "Translation.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How much may wait before the archives go in their places, and for how
// long: enough to hand the disk many books at once, little enough that a
// book is soon counted as fixed.
constexpr std::uint64_t GroupBytes = 64ull << 20;
constexpr auto GroupAge = std::chrono::milliseconds(250);

}  // namespace

BookReplacer::~BookReplacer()
{
    try {
        Discard();
    } catch (const RunTimeError&) {
        // what cannot be removed stays beside its book, a .tmp file
    }
}

void BookReplacer::Hand(NewArchive archive)
{
    FileSystem().BeginFlush(archive.archive);
    std::error_code ec;
    const std::uint64_t bytes = std::filesystem::file_size(archive.archive, ec);
    waitingBytes_ += ec ? 0 : bytes;
    waiting_.push_back({std::move(archive), ec ? 0 : bytes, std::chrono::steady_clock::now()});
}

bool BookReplacer::Due() const
{
    return !waiting_.empty() &&
           (waitingBytes_ >= GroupBytes || std::chrono::steady_clock::now() - waiting_.front().handed >= GroupAge);
}

Replacement BookReplacer::PutNextInPlace()
{
    const NewArchive next = std::move(waiting_.front().archive);
    waitingBytes_ -= waiting_.front().bytes;
    waiting_.pop_front();
    Replacement done;
    done.index = next.index;
    done.bookPath = next.bookPath;
    try {
        // Only the file that was unpacked is replaced: one that another
        // program wrote meanwhile stays as that program left it.
        if (!(IdentityOf(next.book) == next.asUnpacked)) {
            done.result = Replacement::Result::ChangedOnDisk;
            DeleteFileIfExists(next.archive);
        } else {
            constexpr auto later = FileSystemObject::FolderFlush::Later;
            if (!next.renameTo.empty())
                PlaceUnderNewName(next, done);
            else if (next.keepOriginal)
                done.keptOriginal = Trash::For(next.book).ReplaceKeepingOriginal(next.archive, next.book, later);
            else
                FileSystem().ReplaceFile(next.archive, next.book, later);
            foldersToFlush_.insert(PathText::FolderOf(next.book));
        }
        if (waiting_.empty())
            FlushFolders();
    } catch (const RunTimeError& e) {
        done.result = Replacement::Result::Failed;
        done.error = e;
        try {
            DeleteFileIfExists(next.archive);
        } catch (const RunTimeError&) {
            // the failure that counts is the one above
        }
    }
    return done;
}

void BookReplacer::PlaceUnderNewName(const NewArchive& next, Replacement& done)
{
    // The new book, whole and flushed, takes its new name; the folder is
    // flushed before the book goes, so that no crash loses both.
    FileSystem().PrepareReplacement(next.archive, next.book);
    RenameNoReplace(next.archive, next.renameTo);
    const std::string folder = PathText::FolderOf(next.book);
    FileSystem().FlushFolder(folder);
    done.renamedTo = next.renameTo;
    if (next.keepOriginal)
        done.keptOriginal = Trash::For(next.book).MoveIn(next.book);
    else
        FileSystem().DeleteFile(next.book, true);
}

void BookReplacer::FlushFolders()
{
    const std::set<std::string> folders = std::move(foldersToFlush_);
    foldersToFlush_.clear();
    for (const std::string& folder : folders)
        FileSystem().FlushFolder(folder);
}

void BookReplacer::Discard()
{
    std::optional<RunTimeError> failure;
    auto attempt = [&](const auto& step) {
        try {
            step();
        } catch (const RunTimeError& e) {
            if (!failure)
                failure = e;
        }
    };
    attempt([&] { FlushFolders(); });
    while (!waiting_.empty()) {
        const std::string archive = std::move(waiting_.front().archive.archive);
        waiting_.pop_front();
        attempt([&] { DeleteFileIfExists(archive); });
    }
    waitingBytes_ = 0;
    if (failure)
        throw *failure;
}

std::optional<std::string> KoboBookName(const std::string& path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    const auto endsWith = [&](std::string_view end) {
        if (name.size() < end.size())
            return false;
        for (std::size_t i = 0; i < end.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(name[name.size() - end.size() + i])) != end[i])
                return false;
        return true;
    };
    if (endsWith(".kepub.epub"))
        return std::nullopt;
    const std::string stem = endsWith(".epub") ? name.substr(0, name.size() - 5) : name;
    return stem + ".kepub.epub";
}

bool InCalibreLibrary(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder = fs::absolute(path, ec).lexically_normal().parent_path();
    while (!folder.empty()) {
        if (fs::exists(folder / "metadata.db", ec))
            return true;
        if (folder == folder.root_path() || folder.parent_path() == folder)
            break;
        folder = folder.parent_path();
    }
    return false;
}

void RenameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "renaming"), to);
    // A link fails where to exists, as the rename would have.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) != 0)
            throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "renaming"), from);
        return;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "renaming"), to);
    struct stat taken;
    if (::lstat(to.c_str(), &taken) == 0)
        throw ErrorFromErrno(EEXIST, QT_TRANSLATE_NOOP("FileErrors", "renaming"), to);
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "renaming"), to);
}

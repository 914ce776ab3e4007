// Putting new books in their places, in order and flushed, the originals to the Trash where asked.
#include "BookReplacement.h"

#include "FileSystemObject.h"
#include "PathText.h"
#include "Trash.h"

#include <filesystem>

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
            if (next.keepOriginal)
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

#include "BookReplacement.h"

#include "FileSystemObject.h"
#include "LineBreak.h"
#include "PathText.h"
#include "Trash.h"
#include "Translation.h"

#include <filesystem>

namespace {

// How much may wait before the archives go in their places, and for how
// long: enough to hand the disk many books at once, little enough that a
// book is soon counted as fixed.
constexpr std::uint64_t GroupBytes = 64ull << 20;
constexpr auto GroupAge = std::chrono::milliseconds(250);

}  // namespace

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

std::optional<ReplacementFailure> BookReplacer::Finish()
{
    if (waiting_.empty())
        return std::nullopt;
    inHand_ = std::move(waiting_.front().archive);
    waitingBytes_ -= waiting_.front().bytes;
    waiting_.pop_front();
    // Only the file that was unpacked is replaced: one that another
    // program wrote meanwhile stays as that program left it.
    if (!(IdentityOf(inHand_.book) == inHand_.asUnpacked)) {
        DeleteFileIfExists(inHand_.archive);
        inHand_.archive.clear();
        if (waiting_.empty())
            FlushFolders();
        return ReplacementFailure{inHand_.bookPath,
                                  inHand_.bookPath + LineBreak +
                                      Words::translate("BookFix", "The book changed on disk while Bindwell was "
                                                                  "fixing it, so Bindwell left it as the other "
                                                                  "program wrote it.")};
    }
    constexpr auto later = FileSystemObject::FolderFlush::Later;
    if (inHand_.keepOriginal)
        keptOriginal_ = Trash::For(inHand_.book).ReplaceKeepingOriginal(inHand_.archive, inHand_.book, later);
    else
        FileSystem().ReplaceFile(inHand_.archive, inHand_.book, later);
    foldersToFlush_.insert(PathText::FolderOf(inHand_.book));
    inHand_.archive.clear();
    if (waiting_.empty())
        FlushFolders();
    return std::nullopt;
}

void BookReplacer::FlushFolders()
{
    for (const std::string& folder : foldersToFlush_)
        FileSystem().FlushFolder(folder);
    foldersToFlush_.clear();
}

void BookReplacer::DiscardInHand()
{
    if (!inHand_.archive.empty())
        DeleteFileIfExists(inHand_.archive);
    inHand_.archive.clear();
}

void BookReplacer::Discard()
{
    FlushFolders();
    DiscardInHand();
    while (!waiting_.empty()) {
        const std::string archive = std::move(waiting_.front().archive.archive);
        waiting_.pop_front();
        DeleteFileIfExists(archive);
    }
    waitingBytes_ = 0;
}

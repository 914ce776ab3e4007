#pragma once

// Putting new books in their places, in order and flushed, the originals to the Trash where asked.

#include "FileIdentity.h"
#include "RunTimeError.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>

// A fixed book's new archive, beside the book, waiting to take its place.
struct NewArchive {
    std::size_t index = 0;  // the book's entry in the run's list
    std::string bookPath;   // as the run names the book, for messages
    std::string book;       // the file it replaces (links followed)
    std::string archive;
    FileIdentity asUnpacked;    // the book as it was when it was unpacked
    bool keepOriginal = false;  // the original goes to the Trash (KeepOriginals when the book began)
    // Where not empty, the new book takes this name beside the book (a Kobo
    // book's NAME.kepub.epub), never replacing a file, and the book goes.
    std::string renameTo;
};

// How putting one waiting book in its place ended.
struct Replacement {
    enum class Result {
        Placed,         // the new book is in its place
        ChangedOnDisk,  // another program wrote the book meanwhile: left as that program wrote it
        Failed,         // the file services failed: error says how; the book is as it was
    };
    std::size_t index = 0;
    std::string bookPath;
    Result result = Result::Placed;
    std::string keptOriginal;           // Placed: where its original went; empty when not kept
    std::string renamedTo;              // Placed: the book's new path, where it took a new name
    std::optional<RunTimeError> error;  // Failed
};

// Puts new archives in their books' places. Archives wait, their writing to
// disk already under way, while the next books are fixed, so that the disk
// and the processor work at once; they go in their places together, in the
// order they were handed, once they hold many megabytes or the first has
// waited a quarter of a second, and the folders that hold their books are
// flushed once for all of them. Whatever is still waiting when the
// replacer goes is removed, and never put anywhere.
class BookReplacer {
public:
    BookReplacer() = default;
    ~BookReplacer();
    BookReplacer(const BookReplacer&) = delete;
    BookReplacer& operator=(const BookReplacer&) = delete;

    // Starts writing archive to disk and lets it wait behind the others.
    void Hand(NewArchive archive);

    // Whether the archives that wait should go in their places now.
    bool Due() const;
    bool Waiting() const { return !waiting_.empty(); }

    // Puts the first archive that waits in its book's place: flushed to
    // disk and renamed over the book, but only while the book is still the
    // file that was unpacked. One with a new name (renameTo) is renamed to
    // it without replacing anything, the folder flushed, and only then the
    // book removed: at every moment one of the two names holds the whole
    // book, and a crash between the steps leaves both. With keepOriginal the book that was there
    // goes to the desktop's Trash (see Trash), and a failure to put it
    // there leaves the book as it was. A book not placed has its archive
    // removed. The books' folders are flushed once none waits.
    Replacement PutNextInPlace();

    // Removes the archives that wait, without putting them anywhere, and
    // flushes the folders of the books already replaced. A failure of the
    // file services raises RunTimeError, once all was tried.
    void Discard();

private:
    void FlushFolders();
    void PlaceUnderNewName(const NewArchive& next, Replacement& done);

    struct WaitingArchive {
        NewArchive archive;
        std::uint64_t bytes = 0;
        std::chrono::steady_clock::time_point handed;
    };
    std::deque<WaitingArchive> waiting_;
    std::uint64_t waitingBytes_ = 0;
    std::set<std::string> foldersToFlush_;
};

// The name a Kobo book takes: NAME.kepub.epub for the book at path's
// NAME.epub, as Kobo's readers need to open it with their own renderer;
// nullopt where its name ends in ".kepub.epub" already.
std::optional<std::string> KoboBookName(const std::string& path);

// Whether the book at path is in a calibre library: a metadata.db in its
// folder or a folder above it. calibre would lose a book renamed there.
bool InCalibreLibrary(const std::string& path);

// Renames from to to, in one step, failing (EEXIST) where to exists: a
// file is never replaced. Where the filesystem cannot do that in one step
// (FAT, exFAT through FUSE), to is linked to from and from removed;
// without links either, it is renamed once nothing is found at to.
void RenameNoReplace(const std::string& from, const std::string& to);

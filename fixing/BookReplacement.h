#pragma once

#include "FileIdentity.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <utility>

// A fixed book's new archive, beside the book, waiting to take its place.
struct NewArchive {
    std::string bookPath;  // as the run names the book, for messages
    std::string book;      // the file it replaces (links followed)
    std::string archive;
    FileIdentity asUnpacked;  // the book as it was when it was unpacked
    bool keepOriginal = false;  // the original goes to the Trash (KeepOriginals when the book began)
};

struct ReplacementFailure {
    std::string bookPath;
    std::string message;
};

// Puts new archives in their books' places. Archives wait, their writing to
// disk already under way, while the next books are fixed, so that the disk
// and the processor work at once; they go in their places together, in the
// order they were handed, once they hold many megabytes or the first has
// waited a quarter of a second, and the folders that hold their books are
// flushed once for all of them.
class BookReplacer {
public:
    // Starts writing archive to disk and lets it wait behind the others.
    void Hand(NewArchive archive);

    // Whether the archives that wait should go in their places now.
    bool Due() const;
    bool Waiting() const { return !waiting_.empty(); }

    // Puts the first archive that waits, if any, in its book's place:
    // flushed to disk and renamed over the book, but only while the book is
    // still the file that was unpacked. With keepOriginal the book that
    // was there goes to the desktop's Trash (see Trash), and a
    // failure to put it there leaves the book as it was. The failure, with
    // the archive removed, when another program wrote the book meanwhile.
    // The books' folders are flushed once none waits. A failure of the file
    // services raises RunTimeError; Discard then removes the archive.
    std::optional<ReplacementFailure> Finish();

    // The book whose archive Finish was putting in place when it failed.
    const std::string& BookInHand() const { return inHand_.bookPath; }

    // Where the last book Finish replaced keeps its original, once; empty
    // when it was not kept.
    std::string TakeKeptOriginal() { return std::exchange(keptOriginal_, {}); }

    // Removes the archive Finish failed to put in place; the others wait on.
    void DiscardInHand();

    // Removes the archives that wait, and the one Finish failed to put in
    // place, without putting them anywhere; flushes the folders of the
    // books already replaced.
    void Discard();

private:
    void FlushFolders();

    struct WaitingArchive {
        NewArchive archive;
        std::uint64_t bytes = 0;
        std::chrono::steady_clock::time_point handed;
    };
    std::deque<WaitingArchive> waiting_;
    std::uint64_t waitingBytes_ = 0;
    NewArchive inHand_;
    std::string keptOriginal_;
    std::set<std::string> foldersToFlush_;
};

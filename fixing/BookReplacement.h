#pragma once

#include "FileIdentity.h"

#include <optional>
#include <string>
#include <utility>

// A fixed book's new archive, beside the book, waiting to take its place.
struct NewArchive {
    std::string bookPath;  // as the run names the book, for messages
    std::string book;      // the file it replaces (links followed)
    std::string archive;
    FileIdentity asUnpacked;  // the book as it was when it was unpacked
};

struct ReplacementFailure {
    std::string bookPath;
    std::string message;
};

// Puts new archives in their books' places. An archive waits while the next
// book is fixed, its writing to disk already under way, so that the disk
// and the processor work at once; one archive waits at a time.
class BookReplacer {
public:
    // Starts writing archive to disk and lets it wait. Finish whatever
    // waited before first.
    void Hand(NewArchive archive);

    // Puts the waiting archive, if any, in its book's place: flushed to disk
    // and renamed over the book, but only while the book is still the file
    // that was unpacked. With the option KeepOriginals the book that was
    // there goes to the desktop's Trash (see Trash), and a failure to put it
    // there leaves the book as it was. The failure, with the archive removed, when
    // another program wrote the book meanwhile. A failure of the file
    // services raises RunTimeError; Discard then removes the archive.
    std::optional<ReplacementFailure> Finish();

    // The book whose archive Finish was putting in place when it failed.
    const std::string& BookInHand() const { return inHand_.bookPath; }

    // Where the last book Finish replaced keeps its original, once; empty
    // when it was not kept.
    std::string TakeKeptOriginal() { return std::exchange(keptOriginal_, {}); }

    // Removes the archive that waits, or that Finish failed to put in
    // place, without putting it anywhere.
    void Discard();

private:
    std::optional<NewArchive> waiting_;
    NewArchive inHand_;
    std::string keptOriginal_;
};

#pragma once

// One book's fix: unpacking what it edits, the edits, and packing the new book beside it.

#include "BookReplacement.h"
#include "FixOptions.h"
#include "FixRecord.h"
#include "FontFiles.h"

#include <functional>
#include <optional>
#include <string>

// What one book's fix leaves on disk while it goes on, so that the run
// can remove it whatever ends the fix.
struct BookScratch {
    std::string workingFolder;
    std::string temporaryArchive;  // set while a new archive may exist beside the book (or in packInto)
    // Where not empty, the new archive is packed here instead of beside
    // the book: a dry run, which puts no book anywhere and leaves the
    // book's folder as it was.
    std::string packInto;
    FontStock fonts{""};           // the run's copies of the four fonts, beside the working folder
};

struct BookResult {
    enum Kind {
        Fixed,         // packed anew: newArchive waits beside the book
        AlreadyFixed,  // the fix would change nothing: the book was not touched
        LeftAlone,     // the fix cannot edit it safely: not touched; message says why
        Failed,        // left as it was; message says why
    } kind = Failed;
    std::string message;
    std::optional<NewArchive> newArchive;
    FixRecord record;  // Fixed or AlreadyFixed: what the fix did, and what the run says of the book
};

// Unpacks, fixes and packs the book at bookPath into a new archive beside
// it, as options say; the new archive (also in scratch.temporaryArchive)
// is for a BookReplacer to put in the book's place. A book that is a
// symbolic link is fixed where it really is, and the link stays. Failures
// of the archive libraries come back as Failed; failures of the file
// services raise RunTimeError. packing is called once the book is to be
// packed anew, before it is: the run checks the next book ahead meanwhile.
BookResult FixBook(const std::string& bookPath, BookScratch& scratch, const FixOptions& options,
                   const std::function<void()>& packing = {});

// Begins checking ahead, on idle cores, the entries of the book at bookPath
// that its fix with options would carry over untouched, so that they are
// ready when it is packed (and, where options read its content documents,
// when they are read); used only if that book is still the same file then.
void CheckBookAhead(const std::string& bookPath, const FixOptions& options);

// Drops what was checked ahead for books the run did not reach.
void DropBooksCheckedAhead();

#pragma once

#include "BookReplacement.h"
#include "FixOptions.h"
#include "FontFiles.h"

#include <optional>
#include <string>

// What one book's fix leaves on disk while it goes on, so that the run
// can remove it whatever ends the fix.
struct BookScratch {
    std::string workingFolder;
    std::string temporaryArchive;  // set while a new archive may exist beside the book
    FontStock fonts{""};           // the run's copies of the four fonts, beside the working folder
    std::string nextBook;          // the book the run fixes next, if any: its entries are checked ahead
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
};

// Unpacks, fixes and packs the book at bookPath into a new archive beside
// it, as options say; the new
// archive (also in scratch.temporaryArchive) is for a BookReplacer to put
// in the book's place. A book that is a symbolic link is fixed where it
// really is, and the link stays. Failures of the archive libraries come
// back as Failed; failures of the file services raise RunTimeError.
BookResult FixBook(const std::string& bookPath, BookScratch& scratch, const FixOptions& options);

// Drops what was checked ahead for a next book that the run did not reach.
void DropCheckedAhead();

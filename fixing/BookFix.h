#pragma once

#include <string>

// What one book's fix leaves on disk while it goes on, so that the run
// can remove it whatever ends the fix.
struct BookScratch {
    std::string workingFolder;     // set by the run
    std::string temporaryArchive;  // set while a new archive may exist beside the book
};

struct BookResult {
    enum Kind {
        Fixed,         // packed anew and put in the book's place
        AlreadyFixed,  // the fix would change nothing: the book was not touched
        Failed,        // left as it was; message says why
    } kind;
    std::string message;
};

// Unpacks, fixes, packs and replaces the book at bookPath, as the fix
// options say at the moment each step reads them. A book that is a
// symbolic link is fixed where it really is, and the link stays. Failures
// of the archive libraries and of a book that changed on disk meanwhile
// come back as Failed; failures of the file services raise RunTimeError.
BookResult FixBook(const std::string& bookPath, BookScratch& scratch);

#pragma once

// The batch run: every ticked book through unpack, fix and repack, and the summary at the end.

#include "BatchWindow.h"

#include <cstdint>
#include <string>

// How a run ended.
enum class RunOutcome {
    Summary,          // every ticked book fixed; the count was shown
    NoBooksSelected,  // nothing ticked, or the list empty
    EmptyFolderText,  // no folder named
    Busy,             // another run holds the working folder
    Failure,          // a book failed; the run ended with a message
    Stopped,          // the window asked the run to stop after a book
};

struct RunPolicy {
    // A book that fails is reported, left as it was, and the run goes on;
    // the failed books are listed at the end.
    bool keepGoing = false;
    // Every book goes through the fix as in a run and is packed, but into
    // a scratch file beside the working folder, removed at once: no book
    // takes a new place, nothing goes to the Trash, and the window hears of
    // each book as a run would tell it, what it would do in the words of
    // its record, and the summary in the conditional.
    bool dryRun = false;
};

// The Start button: takes every ticked book of the window through unpack,
// fix and repack, reports the count or the first failure, and always
// cleans up. A refused UnZip library ends the program (ProgramEndRequest).
RunOutcome StartBatchRun(BatchWindow& window, const RunPolicy& policy = {});

// What the box at the end of a run counts.
struct RunTally {
    long long fixed = 0;       // books fixed, those already as the options ask among them
    long long untouched = 0;   // of those, already as the options ask: left untouched
    long long leftAlone = 0;   // left as they were: they cannot be fixed safely
    long long unnamed = 0;     // of the books fixed, those whose language was not found
    bool originalsKept = false;
    bool stopped = false;      // the user stopped the run
    bool dryRun = false;       // what a run would do: said in the conditional
    std::uint64_t picturesBefore = 0;  // the bytes of the pictures fitted, before and after
    std::uint64_t picturesAfter = 0;
};

// The message a run shows at its end when a book was fixed or left alone,
// or when the user stopped it: the count, then a sentence for each count
// that is not zero, and a last one that says where the originals went.
std::string SummaryText(const RunTally& tally);

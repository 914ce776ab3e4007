#pragma once

#include "BatchWindow.h"

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
};

// The Start button: takes every ticked book of the window through unpack,
// fix and repack, reports the count or the first failure, and always
// cleans up. A refused UnZip library ends the program (ProgramEndRequest).
RunOutcome StartBatchRun(BatchWindow& window, const RunPolicy& policy = {});

// The message a run shows at its end when a book was fixed or left alone,
// or when the user stopped it; further sentences count the books among
// those fixed that were already as the options ask, and the books left
// alone, and a last one says where the originals went.
std::string SummaryText(long long fixedCount, long long leftAloneCount = 0, bool originalsKept = false,
                        bool stopped = false, long long untouchedCount = 0);

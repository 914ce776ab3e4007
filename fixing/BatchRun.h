#pragma once

#include "BatchWindow.h"

// How a run ended.
enum class RunOutcome {
    Summary,          // every ticked book fixed; the count was shown
    NoBooksSelected,  // nothing ticked, or the list empty
    EmptyFolderText,  // no folder named
    Busy,             // another run holds the working folder
    Failure,          // a book failed; the run ended with a message
};

// The Start button: takes every ticked book of the window through unpack,
// fix and repack, reports the count or the first failure, and always
// cleans up. A refused UnZip library ends the program (ProgramEndRequest).
RunOutcome StartBatchRun(BatchWindow& window);

// The message a run shows at its end when a book was fixed.
std::string SummaryText(long long fixedCount);

// Where the font files are looked for when the current directory lacks
// them: the program's own "fonts" folder unless set otherwise.
void SetInstalledFontFolder(const std::string& folder);

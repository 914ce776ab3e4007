#include "BatchRun.h"

#include "BookFix.h"
#include "BookReplacement.h"
#include "BookUnpacking.h"
#include "FileSystemObject.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "TextFile.h"
#include "UserPrompter.h"
#include "WorkingFolder.h"
#include "Translation.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <exception>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace {

// What one run holds, so that Cleanup can undo it whatever ends the run.
struct RunState {
    BookScratch scratch;
    BookReplacer replacer;
    WorkingFolderLock lock;
    std::vector<std::string> failedBooks;  // with keepGoing
    std::vector<std::string> leftAlone;    // "ENTRY: REASON", one per book the fix could not edit safely
    long long originalsKept = 0;           // books whose originals went to the Trash
    long long untouched = 0;               // books already as the options ask
    std::deque<std::size_t> waitingIndices;  // the entries whose new archives wait, in the replacer's order
};

std::size_t TickedCount(const BatchWindow& window)
{
    std::size_t ticked = 0;
    for (std::size_t i = 0; i < window.EntryCount(); ++i)
        ticked += window.EntryTicked(i) ? 1 : 0;
    return ticked;
}

std::string FailureText(const RunTimeError& e)
{
    //: %1 is the error's number, %2 its description.
    return Words::Fill(
        Words::translate("BatchRun", "%1 Error unzipping:  %2"), {std::to_string(e.number()), e.description()});
}

// Removes what a book's fix left on disk, the run's copies of the fonts
// with it; the first failure is kept.
void RemoveLeftovers(BookScratch& scratch, std::optional<RunTimeError>& failure)
{
    try {
        if (!scratch.temporaryArchive.empty())
            DeleteFileIfExists(scratch.temporaryArchive);
        scratch.temporaryArchive.clear();
        DeleteFolderIfExists(scratch.workingFolder);
        scratch.fonts.Remove();
    } catch (const RunTimeError& e) {
        if (!failure)
            failure = e;
    }
}

// Shows why a book failed; false when that ends the run. With keepGoing
// the message names the book, and the run goes on.
bool BookFailed(const std::string& bookPath, std::string message, RunState& state, const RunPolicy& policy)
{
    if (policy.keepGoing && message.rfind(bookPath, 0) != 0)
        message = bookPath + LineBreak + message;
    ShowMessage(message);
    if (!policy.keepGoing)
        return false;
    state.failedBooks.push_back(bookPath);
    return true;
}

// The entry whose new archive the replacer puts in place next.
std::optional<std::size_t> TakeWaitingIndex(RunState& state)
{
    if (state.waitingIndices.empty())
        return std::nullopt;
    const std::size_t index = state.waitingIndices.front();
    state.waitingIndices.pop_front();
    return index;
}

// Puts the first new archive that waits in its book's place; false when
// that failed and ends the run.
bool FinishWaitingBook(BatchWindow& window, RunState& state, const RunPolicy& policy)
{
    const std::optional<std::size_t> index = TakeWaitingIndex(state);
    std::optional<ReplacementFailure> failure;
    try {
        failure = state.replacer.Finish();
    } catch (const RunTimeError& e) {
        if (index)
            window.BookFinished(*index, BookOutcome::Failed, FailureText(e));
        if (!policy.keepGoing) {
            // The run ends there: the books after it stay as they were.
            state.waitingIndices.clear();
            state.replacer.Discard();
            throw;
        }
        failure = ReplacementFailure{state.replacer.BookInHand(), FailureText(e)};
        state.replacer.DiscardInHand();  // the books waiting after it go on
        return BookFailed(failure->bookPath, failure->message, state, policy);
    }
    if (index)
        window.BookFinished(*index, failure ? BookOutcome::Failed : BookOutcome::Fixed,
                            failure ? failure->message : std::string());
    if (failure)
        return BookFailed(failure->bookPath, failure->message, state, policy);
    if (const std::string kept = state.replacer.TakeKeptOriginal(); !kept.empty()) {
        ++state.originalsKept;
        window.OriginalKept(state.replacer.BookInHand(), kept);
    }
    return true;
}

// Puts every new archive that waits in its book's place, in order; false
// when one failed and that ends the run: the books after it then stay as
// they were.
bool FinishWaitingBooks(BatchWindow& window, RunState& state, const RunPolicy& policy)
{
    while (state.replacer.Waiting())
        if (!FinishWaitingBook(window, state, policy)) {
            state.waitingIndices.clear();
            state.replacer.Discard();
            return false;
        }
    return true;
}

// One ticked book; false when the run must end. Its new archive waits
// while the next books are fixed, and goes in its place with them.
bool RunBook(BatchWindow& window, std::size_t index, RunState& state, const RunPolicy& policy)
{
    const std::string bookPath = window.BookPath(index);
    // The options are taken once, as the book starts: a change made while
    // it is fixed applies from the next book on.
    const FixOptions options = FixOptions::Current();
    BookResult result;
    try {
        result = FixBook(bookPath, state.scratch, options);
    } catch (const RunTimeError& e) {
        window.BookFinished(index, BookOutcome::Failed, FailureText(e));
        if (!policy.keepGoing)
            throw;
        std::optional<RunTimeError> ignored;
        RemoveLeftovers(state.scratch, ignored);
        return BookFailed(bookPath, FailureText(e), state, policy);
    }
    switch (result.kind) {
    case BookResult::Failed:
        window.BookFinished(index, BookOutcome::Failed, result.message);
        return BookFailed(bookPath, result.message, state, policy);
    case BookResult::LeftAlone:
        state.leftAlone.push_back(window.EntryText(index) + ": " + result.message);
        window.BookFinished(index, BookOutcome::LeftAlone, result.message);
        return true;
    case BookResult::AlreadyFixed:
        ++state.untouched;
        window.BookFinished(index, BookOutcome::Untouched, {});
        return true;
    case BookResult::Fixed:
        break;
    }
    if (state.replacer.Due() && !FinishWaitingBooks(window, state, policy))
        return false;  // this book's archive goes in Cleanup
    state.replacer.Hand(std::move(*result.newArchive));
    state.waitingIndices.push_back(index);
    state.scratch.temporaryArchive.clear();
    return true;
}

// The box that ends a run, or a stopped one: the books fixed (begun less
// failed and left alone), and the details of the books left alone.
void ShowSummary(const RunState& state, long long begun, bool stopped)
{
    const long long failed = static_cast<long long>(state.failedBooks.size());
    const long long leftAlone = static_cast<long long>(state.leftAlone.size());
    std::string details;
    for (const std::string& book : state.leftAlone)
        details += (details.empty() ? "" : LineBreak) + book;
    const long long fixed = begun - failed - leftAlone;
    Prompter().ShowDetailedMessage(
        SummaryText(fixed, leftAlone, state.originalsKept != 0, stopped, state.untouched), details, MessageIcon::None);
}

RunOutcome RunBooks(BatchWindow& window, RunState& state, const RunPolicy& policy)
{
    if (window.FolderText().empty()) {
        ShowMessage(Words::translate("BatchRun", "Please enter the path to the folder containing your ebooks."));
        return RunOutcome::EmptyFolderText;
    }
    const std::string workingFolder = WorkingFolderPath();
    if (!state.lock.Acquire(workingFolder)) {
        ShowMessage(Words::Fill(Words::translate("BatchRun", "Another Bindwell run is using the working folder %1."),
                                {workingFolder}) +
                    LineBreak + Words::translate("BatchRun", "Wait until it has finished, then press Start again."));
        return RunOutcome::Busy;
    }
    state.scratch.workingFolder = workingFolder;
    state.scratch.fonts = FontStock(workingFolder + ".fonts");
    SetRunWideUnzipValues();

    long long fixedCount = 0;
    const std::size_t count = window.EntryCount();
    const std::size_t ticked = TickedCount(window);
    for (std::size_t index = 0; index < count; ++index) {
        // The window handles what is pending between books; the user may
        // change ticks, the list or the options, or ask the run to stop.
        Prompter().ProcessPendingEvents();
        if (window.StopRequested()) {
            if (!FinishWaitingBooks(window, state, policy))
                return RunOutcome::Failure;
            if (window.SummaryAfterStop())
                ShowSummary(state, fixedCount, true);
            return RunOutcome::Stopped;
        }
        // The list may have shrunk since the run began.
        if (index >= window.EntryCount())
            throw RunTimeError(ErrorNumber::SubscriptOutOfRange,
                               Words::Fill(Words::translate("BatchRun", "Subscript out of range (the book list no "
                                                                        "longer has an entry %1)"),
                                           {std::to_string(index + 1)}));
        if (!window.EntryTicked(index))
            continue;
        ++fixedCount;
        window.BookStarting(static_cast<std::size_t>(fixedCount), ticked, window.EntryText(index));
        state.scratch.nextBook.clear();
        for (std::size_t next = index + 1; next < window.EntryCount() && state.scratch.nextBook.empty(); ++next)
            if (window.EntryTicked(next))
                state.scratch.nextBook = window.BookPath(next);
        if (!RunBook(window, index, state, policy)) {
            FinishWaitingBooks(window, state, policy);  // the books before it stay fixed
            return RunOutcome::Failure;
        }
    }
    if (!FinishWaitingBooks(window, state, policy))
        return RunOutcome::Failure;

    const long long failed = static_cast<long long>(state.failedBooks.size());
    if (fixedCount - failed != 0)
        ShowSummary(state, fixedCount, false);
    if (failed != 0) {
        const int count = static_cast<int>(std::min<long long>(failed, INT_MAX));
        std::string list = Words::translate("BatchRun", "%n books failed:", nullptr, count);
        for (const std::string& book : state.failedBooks)
            list += LineBreak + book;
        ShowMessage(list);
        return RunOutcome::Failure;
    }
    if (fixedCount != 0)
        return RunOutcome::Summary;
    ShowMessage(Words::translate("BatchRun", "No books fixed - no books selected."));
    return RunOutcome::NoBooksSelected;
}

// Every way out of a run comes here but the end of the program: what the
// run left on disk goes, the lock is released, the buttons come back, and
// the failure that ended the run, if one did, is shown.
RunOutcome Cleanup(BatchWindow& window, RunState& state, std::optional<RunTimeError> failure, RunOutcome outcome)
{
    // Books fixed before a failure ended the run still take their places.
    while (state.replacer.Waiting()) {
        const std::optional<std::size_t> waiting = TakeWaitingIndex(state);
        try {
            const std::optional<ReplacementFailure> late = state.replacer.Finish();
            if (waiting)
                window.BookFinished(*waiting, late ? BookOutcome::Failed : BookOutcome::Fixed,
                                    late ? late->message : std::string());
            if (late)
                ShowMessage(late->message);
        } catch (const RunTimeError& e) {
            if (waiting)
                window.BookFinished(*waiting, BookOutcome::Failed, FailureText(e));
            if (!failure)
                failure = e;
            break;
        }
    }
    try {
        state.replacer.Discard();
    } catch (const RunTimeError& e) {
        if (!failure)
            failure = e;
    }
    RemoveLeftovers(state.scratch, failure);
    DropCheckedAhead();
    state.lock.Release();
    window.SetStartCaption("Start");
    window.SetStartEnabled(true);
    window.SetCancelEnabled(true);
    if (!failure)
        return outcome;
    ShowMessage(FailureText(*failure));
    return RunOutcome::Failure;
}

}  // namespace

std::string SummaryText(long long fixedCount, long long leftAloneCount, bool originalsKept, bool stopped,
                        long long untouchedCount)
{
    const int fixed = static_cast<int>(std::min<long long>(fixedCount, INT_MAX));
    std::string text = stopped ? Words::translate("BatchRun", "Stopped. (%n epubs fixed.)", nullptr, fixed)
                               : Words::translate("BatchRun", "Okay, your books are all set. (%n epubs fixed.)",
                                                  nullptr, fixed);
    // The sentences that follow are each one text, with the blank before it.
    // The books already as the options ask are among those counted fixed.
    if (untouchedCount > 0) {
        const int books = static_cast<int>(std::min<long long>(untouchedCount, INT_MAX));
        text += Words::translate("BatchRun", " %n of them were already as the options ask, and were left untouched.",
                                 nullptr, books);
    }
    if (leftAloneCount > 0) {
        const int books = static_cast<int>(std::min<long long>(leftAloneCount, INT_MAX));
        text += Words::translate("BatchRun", " %n books were left as they were: they cannot be fixed safely.", nullptr,
                                 books);
    }
    if (originalsKept)
        text += Words::translate("BatchRun", " The original books are in the Trash.");
    return text;
}

RunOutcome StartBatchRun(BatchWindow& window, const RunPolicy& policy)
{
    window.SetStartCaption("Working");
    window.SetStartEnabled(false);
    window.SetCancelEnabled(false);

    RunState state;
    RunOutcome outcome = RunOutcome::Failure;
    std::optional<RunTimeError> failure;
    try {
        outcome = RunBooks(window, state, policy);
    } catch (const RunTimeError& e) {
        failure = e;
    } catch (const ProgramEndRequest&) {
        std::optional<RunTimeError> ignored;
        try {
            state.replacer.Discard();
        } catch (const RunTimeError&) {
        }
        RemoveLeftovers(state.scratch, ignored);
        state.lock.Release();
        throw;
    } catch (const std::bad_alloc&) {
        failure = RunTimeError(ErrorNumber::OutOfMemory, Words::translate("FileErrors", "Out of memory"));
    } catch (const std::exception& e) {
        failure = RunTimeError(ErrorNumber::InternalError,
                               Words::Fill(Words::translate("BatchRun", "Internal error (%1)"), {e.what()}));
    } catch (...) {
        failure = RunTimeError(ErrorNumber::InternalError, Words::translate("BatchRun", "Internal error"));
    }
    return Cleanup(window, state, failure, outcome);
}

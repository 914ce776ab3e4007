#include "BatchRun.h"

#include "BookFix.h"
#include "BookUnpacking.h"
#include "FileSystemObject.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "TextFile.h"
#include "UserPrompter.h"
#include "WorkingFolder.h"

#include <exception>
#include <new>
#include <optional>
#include <vector>

namespace {

// What one run holds, so that Cleanup can undo it whatever ends the run.
struct RunState {
    BookScratch scratch;
    WorkingFolderLock lock;
    std::vector<std::string> failedBooks;  // with keepGoing
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
    return std::to_string(e.number()) + " " + "Error unzipping: " + " " + e.description();
}

// Removes what a book's fix left on disk; the first failure is kept.
void RemoveLeftovers(BookScratch& scratch, std::optional<RunTimeError>& failure)
{
    try {
        if (!scratch.temporaryArchive.empty())
            DeleteFileIfExists(scratch.temporaryArchive);
        scratch.temporaryArchive.clear();
        DeleteFolderIfExists(scratch.workingFolder);
    } catch (const RunTimeError& e) {
        if (!failure)
            failure = e;
    }
}

// One ticked book; false when the run must end. With keepGoing a failure
// is shown naming the book, and the run goes on.
bool RunBook(const std::string& bookPath, RunState& state, const RunPolicy& policy)
{
    if (!policy.keepGoing) {
        const BookResult result = FixBook(bookPath, state.scratch);
        if (result.kind == BookResult::Failed)
            ShowMessage(result.message);
        return result.kind != BookResult::Failed;
    }
    std::string message;
    try {
        const BookResult result = FixBook(bookPath, state.scratch);
        if (result.kind != BookResult::Failed)
            return true;
        message = result.message;
    } catch (const RunTimeError& e) {
        message = FailureText(e);
        std::optional<RunTimeError> ignored;
        RemoveLeftovers(state.scratch, ignored);
    }
    if (message.rfind(bookPath, 0) != 0)
        message = bookPath + LineBreak + message;
    ShowMessage(message);
    state.failedBooks.push_back(bookPath);
    return true;
}

RunOutcome RunBooks(BatchWindow& window, RunState& state, const RunPolicy& policy)
{
    if (window.FolderText().empty()) {
        ShowMessage("Please enter the path to the folder containing your ebooks.");
        return RunOutcome::EmptyFolderText;
    }
    const std::string workingFolder = WorkingFolderPath();
    if (!state.lock.Acquire(workingFolder)) {
        ShowMessage("Another Bindwell run is using the working folder " + workingFolder + "." + LineBreak +
                    "Wait until it has finished, then press Start again.");
        return RunOutcome::Busy;
    }
    state.scratch.workingFolder = workingFolder;
    SetRunWideUnzipValues();

    long long fixedCount = 0;
    const std::size_t count = window.EntryCount();
    const std::size_t ticked = TickedCount(window);
    for (std::size_t index = 0; index < count; ++index) {
        // The window handles what is pending between books; the user may
        // change ticks, the list or the options, or ask the run to stop.
        Prompter().ProcessPendingEvents();
        if (window.StopRequested())
            return RunOutcome::Stopped;
        // The list may have shrunk since the run began.
        if (index >= window.EntryCount())
            throw RunTimeError(ErrorNumber::SubscriptOutOfRange,
                               "Subscript out of range (the book list no longer has an entry " +
                                   std::to_string(index + 1) + ")");
        if (!window.EntryTicked(index))
            continue;
        ++fixedCount;
        window.BookStarting(static_cast<std::size_t>(fixedCount), ticked, window.EntryText(index));
        if (!RunBook(window.BookPath(index), state, policy))
            return RunOutcome::Failure;
    }

    const long long failed = static_cast<long long>(state.failedBooks.size());
    if (fixedCount - failed != 0)
        Prompter().ShowMessageBox(SummaryText(fixedCount - failed), ApplicationTitle, MessageButtons::Ok,
                                  MessageIcon::None);
    if (failed != 0) {
        std::string list = std::to_string(failed) + " books failed:";
        for (const std::string& book : state.failedBooks)
            list += LineBreak + book;
        ShowMessage(list);
        return RunOutcome::Failure;
    }
    if (fixedCount != 0)
        return RunOutcome::Summary;
    ShowMessage("No books fixed - no books selected.");
    return RunOutcome::NoBooksSelected;
}

// Every way out of a run comes here but the end of the program: what the
// run left on disk goes, the lock is released, the buttons come back, and
// the failure that ended the run, if one did, is shown.
RunOutcome Cleanup(BatchWindow& window, RunState& state, std::optional<RunTimeError> failure, RunOutcome outcome)
{
    RemoveLeftovers(state.scratch, failure);
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

std::string SummaryText(long long fixedCount)
{
    return "Okay, your books are all set. (" + std::to_string(fixedCount) + " epubs fixed.)";
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
        RemoveLeftovers(state.scratch, ignored);
        state.lock.Release();
        throw;
    } catch (const std::bad_alloc&) {
        failure = RunTimeError(ErrorNumber::OutOfMemory, "Out of memory");
    } catch (const std::exception& e) {
        failure = RunTimeError(ErrorNumber::InternalError, std::string("Internal error (") + e.what() + ")");
    } catch (...) {
        failure = RunTimeError(ErrorNumber::InternalError, "Internal error");
    }
    return Cleanup(window, state, failure, outcome);
}

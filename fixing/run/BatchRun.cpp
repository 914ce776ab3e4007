// The batch run: every ticked book through unpack, fix and repack, and the summary at the end.
#include "BatchRun.h"

#include "BookFix.h"
#include "BookReplacement.h"
#include "BookUnpacking.h"
#include "FileSystemObject.h"
#include "ProgramEnd.h"
#include "RecordWords.h"
#include "RunTimeError.h"
#include "TextFile.h"
#include "UserPrompter.h"
#include "WorkingFolder.h"
#include "Translation.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <map>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace {

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

// What one run holds. Whatever ends the run, Close (or, on the way out of
// an unexpected end, the destructor) removes what it left on disk, drops
// what was checked ahead and frees the working folder.
struct RunState {
    BookScratch scratch;
    BookReplacer replacer;
    WorkingFolderLock lock;
    std::vector<std::string> failedBooks;  // with keepGoing
    std::vector<std::string> leftAlone;    // "ENTRY: REASON", one per book the fix could not edit safely
    std::vector<std::string> notes;        // "ENTRY: no language found", one per note of a book, and sentences
                                           // that name the book themselves
    long long unnamed = 0;                 // books whose language was not found
    long long originalsKept = 0;           // books whose originals went to the Trash
    long long untouched = 0;               // books already as the options ask
    std::uint64_t picturesBefore = 0;      // the bytes of the pictures fitted, before and after
    std::uint64_t picturesAfter = 0;
    std::map<std::size_t, std::string> doneWords;  // what the fix did to each book that waits, by its entry

    RunState() = default;
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;
    ~RunState() { Close(); }

    // The first failure on the way, if any.
    std::optional<RunTimeError> Close()
    {
        std::optional<RunTimeError> failure;
        if (std::exchange(closed_, true))
            return failure;
        try {
            replacer.Discard();
        } catch (const RunTimeError& e) {
            failure = e;
        }
        RemoveLeftovers(scratch, failure);
        DropBooksCheckedAhead();
        lock.Release();
        return failure;
    }

private:
    bool closed_ = false;
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

// Why a waiting book did not take its place, in the words the run shows.
std::string NotPlacedText(const Replacement& replacement)
{
    if (replacement.error)
        return FailureText(*replacement.error);
    return replacement.bookPath + LineBreak +
           Words::translate("BookFix", "The book changed on disk while Bindwell was fixing it, so Bindwell left it "
                                       "as the other program wrote it.");
}

// Puts every new archive that waits in its book's place, in order, and
// reports each. A book that cannot take its place failed; false when that
// ends the run, and then the books waiting after it are removed and stay
// as they were. The one way books go in their places, and the one rule
// for their failures.
bool PutBooksInPlace(BatchWindow& window, RunState& state, const RunPolicy& policy)
{
    while (state.replacer.Waiting()) {
        const Replacement replaced = state.replacer.PutNextInPlace();
        if (replaced.result != Replacement::Result::Placed) {
            const std::string why = NotPlacedText(replaced);
            window.BookFinished(replaced.index, BookOutcome::Failed, why);
            if (!BookFailed(replaced.bookPath, why, state, policy)) {
                state.replacer.Discard();
                return false;
            }
            continue;
        }
        if (!replaced.renamedTo.empty())
            window.BookRenamed(replaced.index, replaced.renamedTo);
        const auto done = state.doneWords.find(replaced.index);
        window.BookFinished(replaced.index, BookOutcome::Fixed,
                            done == state.doneWords.end() ? std::string() : done->second);
        if (done != state.doneWords.end())
            state.doneWords.erase(done);
        if (!replaced.keptOriginal.empty()) {
            ++state.originalsKept;
            window.OriginalKept(replaced.bookPath, replaced.keptOriginal);
        }
    }
    return true;
}

// The book the run reaches after entry index, if any.
std::optional<std::size_t> NextTicked(const BatchWindow& window, std::size_t index)
{
    for (std::size_t next = index + 1; next < window.EntryCount(); ++next)
        if (window.EntryTicked(next))
            return next;
    return std::nullopt;
}

// One ticked book; false when the run must end. Its new archive waits
// while the next books are fixed, and goes in its place with them.
bool RunBook(BatchWindow& window, std::size_t index, RunState& state, const RunPolicy& policy)
{
    const std::string bookPath = window.BookPath(index);
    // The options are taken once, as the book starts: a change made while
    // it is fixed applies from the next book on.
    const FixOptions options = FixOptions::Current();
    // While this book is packed, the next book's entries are checked on
    // idle cores: it most likely needs packing too. (Named now: the list
    // may change while this book is fixed.)
    const std::optional<std::size_t> next = NextTicked(window, index);
    const auto checkNextAhead = [&options, nextBook = next ? window.BookPath(*next) : std::string()] {
        if (!nextBook.empty())
            CheckBookAhead(nextBook, options);
    };
    BookResult result;
    try {
        result = FixBook(bookPath, state.scratch, options, checkNextAhead);
    } catch (const RunTimeError& e) {
        window.BookFinished(index, BookOutcome::Failed, FailureText(e));
        if (!policy.keepGoing)
            throw;
        std::optional<RunTimeError> ignored;
        RemoveLeftovers(state.scratch, ignored);
        return BookFailed(bookPath, FailureText(e), state, policy);
    }
    for (const std::string& note : result.record.notes) {
        state.notes.push_back(window.EntryText(index) + ": " + note);
        window.BookNoted(index, note);
    }
    if (result.record.tooLargeForKindle > 0) {
        const std::string said = TooLargeForKindleText(window.EntryText(index), result.record.tooLargeForKindle);
        state.notes.push_back(said);
        window.BookSaid(index, said);
    }
    state.unnamed += result.record.languageNotFound ? 1 : 0;
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
    state.picturesBefore += result.record.pictureBytesBefore;
    state.picturesAfter += result.record.pictureBytesAfter;
    if (policy.dryRun) {
        // What would take the book's place goes at once.
        DeleteFileIfExists(result.newArchive->archive);
        state.scratch.temporaryArchive.clear();
        window.BookFinished(index, BookOutcome::Fixed, RecordWords(result.record, true));
        return true;
    }
    if (state.replacer.Due() && !PutBooksInPlace(window, state, policy))
        return false;  // this book's archive goes with the run's state
    state.doneWords[index] = RecordWords(result.record);
    result.newArchive->index = index;
    state.replacer.Hand(std::move(*result.newArchive));
    state.scratch.temporaryArchive.clear();
    return true;
}

// The box that ends a run, or a stopped one: the books fixed (begun less
// failed and left alone), and the details of the books left alone and of
// those whose language was not found.
void ShowSummary(const RunState& state, long long begun, bool stopped, const RunPolicy& policy)
{
    RunTally tally;
    tally.dryRun = policy.dryRun;
    tally.leftAlone = static_cast<long long>(state.leftAlone.size());
    tally.fixed = begun - static_cast<long long>(state.failedBooks.size()) - tally.leftAlone;
    tally.untouched = state.untouched;
    tally.picturesBefore = state.picturesBefore;
    tally.picturesAfter = state.picturesAfter;
    tally.unnamed = state.unnamed;
    tally.originalsKept = state.originalsKept != 0;
    tally.stopped = stopped;
    std::string details;
    for (const std::vector<std::string>* books : {&state.leftAlone, &state.notes})
        for (const std::string& book : *books)
            details += (details.empty() ? "" : LineBreak) + book;
    Prompter().ShowDetailedMessage(SummaryText(tally), details, MessageIcon::None);
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
    if (policy.dryRun)
        state.scratch.packInto = workingFolder + ".dry-run.epub";
    SetRunWideUnzipValues();

    long long fixedCount = 0;
    const std::size_t count = window.EntryCount();
    const std::size_t ticked = TickedCount(window);
    for (std::size_t index = 0; index < count; ++index) {
        // The window handles what is pending between books; the user may
        // change ticks, the list or the options, or ask the run to stop.
        Prompter().ProcessPendingEvents();
        if (window.StopRequested()) {
            if (!PutBooksInPlace(window, state, policy))
                return RunOutcome::Failure;
            if (window.SummaryAfterStop())
                ShowSummary(state, fixedCount, true, policy);
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
        if (!RunBook(window, index, state, policy)) {
            PutBooksInPlace(window, state, policy);  // the books before it stay fixed
            return RunOutcome::Failure;
        }
    }
    if (!PutBooksInPlace(window, state, policy))
        return RunOutcome::Failure;

    const long long failed = static_cast<long long>(state.failedBooks.size());
    if (fixedCount - failed != 0)
        ShowSummary(state, fixedCount, false, policy);
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

// Every way out of a run comes here but the end of the program: the books
// fixed before a failure still take their places, what the run left on
// disk goes, the lock is released, the buttons come back, and the failure
// that ended the run, if one did, is shown.
RunOutcome Cleanup(BatchWindow& window, RunState& state, std::optional<RunTimeError> failure, RunOutcome outcome,
                   const RunPolicy& policy)
{
    if (!PutBooksInPlace(window, state, policy))
        outcome = RunOutcome::Failure;
    if (std::optional<RunTimeError> late = state.Close(); late && !failure)
        failure = late;
    window.SetStartCaption("Start");
    window.SetStartEnabled(true);
    window.SetCancelEnabled(true);
    if (!failure)
        return outcome;
    ShowMessage(FailureText(*failure));
    return RunOutcome::Failure;
}

}  // namespace

namespace {

// How much the pictures fitted shrank, with the blank before it; empty
// when none was.
std::string PicturesText(const RunTally& tally)
{
    if (tally.picturesBefore == 0)
        return {};
    //: %1 is the size the pictures fitted took before, %2 the size they take now: "Pictures: 122.3 MB → 60.1 MB."
    return " " + Words::Fill(Words::translate("BatchRun", "Pictures: %1 → %2."),
                             {SizeText(tally.picturesBefore), SizeText(tally.picturesAfter)});
}

// What a dry run would end with: the same counts, in the conditional.
std::string DryRunSummaryText(const RunTally& tally)
{
    const auto count = [](long long n) { return static_cast<int>(std::min<long long>(n, INT_MAX)); };
    //: Followed by what the other counts say, then a full stop: "40 epubs would be fixed; 38 of them are
    //: already as the options ask."
    std::string text = Words::translate("BatchRun", "%n epubs would be fixed", nullptr, count(tally.fixed));
    if (tally.untouched > 0)
        text += Words::translate("BatchRun", "; %n of them are already as the options ask", nullptr,
                                 count(tally.untouched));
    text += ".";
    if (tally.unnamed > 0)
        text += Words::translate("BatchRun", " For %n of them no language would be found; they would keep the one "
                                             "they name.",
                                 nullptr, count(tally.unnamed));
    if (tally.leftAlone > 0)
        text += Words::translate("BatchRun", " %n books would be left as they are: they cannot be fixed safely.",
                                 nullptr, count(tally.leftAlone));
    return text + PicturesText(tally);
}

}  // namespace

std::string SummaryText(const RunTally& tally)
{
    if (tally.dryRun)
        return DryRunSummaryText(tally);
    const auto count = [](long long n) { return static_cast<int>(std::min<long long>(n, INT_MAX)); };
    std::string text = tally.stopped
                           ? Words::translate("BatchRun", "Stopped. (%n epubs fixed.)", nullptr, count(tally.fixed))
                           : Words::translate("BatchRun", "Okay, your books are all set. (%n epubs fixed.)", nullptr,
                                              count(tally.fixed));
    // The sentences that follow are each one text, with the blank before it.
    // The books already as the options ask are among those counted fixed.
    if (tally.untouched > 0)
        text += Words::translate("BatchRun", " %n of them were already as the options ask, and were left untouched.",
                                 nullptr, count(tally.untouched));
    if (tally.unnamed > 0)
        text += Words::translate("BatchRun", " For %n of them no language was found; they keep the one they name.",
                                 nullptr, count(tally.unnamed));
    if (tally.leftAlone > 0)
        text += Words::translate("BatchRun", " %n books were left as they were: they cannot be fixed safely.", nullptr,
                                 count(tally.leftAlone));
    text += PicturesText(tally);
    if (tally.originalsKept)
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
        throw;  // the run's state goes with it, its books not put anywhere
    } catch (const std::bad_alloc&) {
        failure = RunTimeError(ErrorNumber::OutOfMemory, Words::translate("FileErrors", "Out of memory"));
    } catch (const std::exception& e) {
        failure = RunTimeError(ErrorNumber::InternalError,
                               Words::Fill(Words::translate("BatchRun", "Internal error (%1)"), {e.what()}));
    } catch (...) {
        failure = RunTimeError(ErrorNumber::InternalError, Words::translate("BatchRun", "Internal error"));
    }
    return Cleanup(window, state, failure, outcome, policy);
}

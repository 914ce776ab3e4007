#include "BatchRun.h"

#include "ContentWalk.h"
#include "DirectoryListing.h"
#include "FileSystemObject.h"
#include "LiberationFaces.h"
#include "PathText.h"
#include "ProgramEnd.h"
#include "ProgramFolder.h"
#include "RunTimeError.h"
#include "SettingsStore.h"
#include "TextFile.h"
#include "UnpackFailure.h"
#include "UnzipBinding.h"
#include "UserPrompter.h"
#include "WorkingFolder.h"
#include "ZipBinding.h"

#include <cstdint>
#include <new>
#include <optional>

namespace {

constexpr char TemporarySuffix[] = ".tmp";
constexpr char FontFolderName[] = "fonts";

// What one run holds, so that Cleanup can undo it whatever ends the run.
struct RunState {
    std::string workingFolder;
    std::string temporaryArchive;  // set while a new archive may exist
    WorkingFolderLock lock;
};

void SetRunWideUnzipValues()
{
    UnzipRequest& r = TheUnzipRequest();
    r.noflag = 1;
    r.PromptToOverwrite = 0;
    r.nzflag = 0;
    r.ndflag = 1;
    r.nvflag = 0;
    r.includeNames[0] = std::nullopt;
    r.includeCount = 0;
    r.excludeNames[0] = std::nullopt;
    r.excludeCount = 0;
}

void SetZipValues(const std::string& temporaryArchive, const std::string& workingFolder)
{
    ZipRequest& r = TheZipRequest();
    r.fJunkDir = 0;
    r.fRecurse = 1;
    r.fUpdate = 0;
    r.fFreshen = 0;
    r.fLevel = '9';
    r.fEncrypt = 0;
    r.fComment = 0;
    r.fQuiet = 1;
    r.nameCount = 1;
    r.zipFileName = temporaryArchive;
    r.fileNames[0] = "*";
    r.szRootDir = workingFolder;
}

bool FolderIsEmpty(const std::string& folder)
{
    DirectoryListing listing(PathText::AsFolder(folder));
    for (std::string name = listing.Next(); !name.empty(); name = listing.Next())
        if (name != "." && name != "..")
            return false;
    return true;
}

std::optional<std::string> g_fontFolder;

// A font file from the current directory, or else from the program's own
// font folder, so that a program started from a desktop menu finds it.
std::string FontSource(const std::string& fileName)
{
    if (FileSystem().FileExists(fileName))
        return fileName;
    const std::string folder = g_fontFolder ? *g_fontFolder : ProgramFolder() + FontFolderName;
    const std::string installed = PathText::Join(folder, fileName);
    return FileSystem().FileExists(installed) ? installed : fileName;
}

std::size_t TickedCount(const BatchWindow& window)
{
    std::size_t ticked = 0;
    for (std::size_t i = 0; i < window.EntryCount(); ++i)
        ticked += window.EntryTicked(i) ? 1 : 0;
    return ticked;
}

// Unpack, fix, repack and replace one book. False when the run must end.
bool FixBook(BatchWindow& window, RunState& state, std::size_t index)
{
    UnzipRequest& unzip = TheUnzipRequest();
    const std::string bookPath = window.FolderText() + PathText::Separator + window.EntryText(index);
    unzip.lpszZipFN = bookPath;

    RecreateFolder(state.workingFolder);
    unzip.printText.clear();
    unzip.listingText.clear();
    unzip.listedCount = 0;
    unzip.lpszExtractDir = state.workingFolder;
    const int unpacked = RunUnzip();

    // A book that did not unpack cleanly is never packed into its own place.
    if (unzip.listingText.empty() && (unpacked != 0 || FolderIsEmpty(state.workingFolder)))
        unzip.listingText = UnpackFailureText(unpacked, unzip.printText);
    if (!unzip.listingText.empty()) {
        ShowMessage(*unzip.lpszZipFN + LineBreak + unzip.listingText);
        unzip.listingText.clear();
        return false;
    }

    FindCSS(PathText::AsFolder(state.workingFolder));

    if (SettingsStore::IsOptionOn(OptionKey::IntlFonts))
        for (const LiberationFace& face : LiberationFaces::CopyOrder)
            FileSystem().CopyFile(FontSource(face.fileName), PathText::AsFolder(state.workingFolder), true);

    const std::string temporaryArchive = *unzip.lpszZipFN + TemporarySuffix;
    SetZipValues(temporaryArchive, state.workingFolder);
    // A leftover of an earlier run must not add its entries to the new book.
    DeleteFileIfExists(temporaryArchive);
    state.temporaryArchive = temporaryArchive;
    const int32_t packed = RunZip();
    if (packed < INT16_MIN || packed > INT16_MAX)
        throw RunTimeError(ErrorNumber::Overflow, "Overflow (Zip result " + std::to_string(packed) + ")");
    if (packed != 0) {
        const std::string words = PackFailureWords(packed);
        ShowMessage("Zip error: " + std::to_string(packed) + (words.empty() ? "" : LineBreak + words));
        DeleteFileIfExists(temporaryArchive);
        state.temporaryArchive.clear();
        return false;
    }
    FileSystem().ReplaceFile(temporaryArchive, *unzip.lpszZipFN);
    state.temporaryArchive.clear();
    return true;
}

RunOutcome RunBooks(BatchWindow& window, RunState& state)
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
    state.workingFolder = workingFolder;
    SetRunWideUnzipValues();

    long long fixedCount = 0;
    const std::size_t count = window.EntryCount();
    const std::size_t ticked = TickedCount(window);
    for (std::size_t index = 0; index < count; ++index) {
        if (!window.EntryTicked(index))
            continue;
        ++fixedCount;
        window.BookStarting(static_cast<std::size_t>(fixedCount), ticked, window.EntryText(index));
        if (!FixBook(window, state, index))
            return RunOutcome::Failure;
    }

    if (fixedCount != 0) {
        Prompter().ShowMessageBox(SummaryText(fixedCount), ApplicationTitle, MessageButtons::Ok, MessageIcon::None);
        return RunOutcome::Summary;
    }
    ShowMessage("No books fixed - no books selected.");
    return RunOutcome::NoBooksSelected;
}

// Removes what the run left on disk; the first failure is kept for the
// message.
void RemoveLeftovers(RunState& state, std::optional<RunTimeError>& failure)
{
    try {
        if (!state.temporaryArchive.empty())
            DeleteFileIfExists(state.temporaryArchive);
        DeleteFolderIfExists(state.workingFolder);
    } catch (const RunTimeError& e) {
        if (!failure)
            failure = e;
    }
    state.lock.Release();
}

void SetIdle(BatchWindow& window)
{
    window.SetStartCaption("Start");
    window.SetStartEnabled(true);
    window.SetCancelEnabled(true);
}

}  // namespace

void SetInstalledFontFolder(const std::string& folder)
{
    g_fontFolder = folder;
}

std::string SummaryText(long long fixedCount)
{
    return "Okay, your books are all set. (" + std::to_string(fixedCount) + " epubs fixed.)";
}

RunOutcome StartBatchRun(BatchWindow& window)
{
    window.SetStartCaption("Working");
    window.SetStartEnabled(false);
    window.SetCancelEnabled(false);

    RunState state;
    RunOutcome outcome = RunOutcome::Failure;
    std::optional<RunTimeError> failure;
    try {
        outcome = RunBooks(window, state);
    } catch (const RunTimeError& e) {
        failure = e;
    } catch (const std::bad_alloc&) {
        failure = RunTimeError(ErrorNumber::OutOfMemory, "Out of memory");
    } catch (const ProgramEndRequest&) {
        std::optional<RunTimeError> ignored;
        RemoveLeftovers(state, ignored);
        throw;
    }

    // Cleanup: every way out of the run comes here.
    RemoveLeftovers(state, failure);
    SetIdle(window);
    if (failure) {
        ShowMessage(std::to_string(failure->number()) + " " + "Error unzipping: " + " " + failure->description());
        return RunOutcome::Failure;
    }
    return outcome;
}

#include "BookFix.h"

#include "ArchiveFailureText.h"
#include "BookProtection.h"
#include "BookUnpacking.h"
#include "ContainerRootfiles.h"
#include "ContentWalk.h"
#include "FileIdentity.h"
#include "FileSystemObject.h"
#include "FontFiles.h"
#include "LiberationFaces.h"
#include "PathText.h"
#include "RealFilePath.h"
#include "RunTimeError.h"
#include "TextFile.h"
#include "UnzipBinding.h"
#include "WorkingFolder.h"
#include "ZipBinding.h"
#include "Translation.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>
#include <variant>

namespace {

constexpr char TemporarySuffix[] = ".tmp";

// What the fix reads or edits in a book, besides the package documents
// the container names. These are unpacked and fixed first; the rest of the
// book never becomes files: the new archive carries it over from the book.
const std::vector<std::string> EditedEntries = {"*.css", "*content.opf", ContainerEntry, EncryptionEntry};

// The most names one request to the unzip library takes.
constexpr std::size_t MostNames = 100;

BookResult Failure(std::string message)
{
    return {BookResult::Failed, std::move(message), std::nullopt};
}

// Why an unpacking went wrong, in the words the run shows; nullopt when it
// went well. An entry that matched nothing is no failure where the names
// asked for are only candidates.
std::optional<std::string> UnpackProblem(const std::string& bookPath, int result, bool noMatchIsFine)
{
    UnzipRequest& unzip = TheUnzipRequest();
    if (!unzip.listingText.empty()) {
        const std::string listed = unzip.listingText;
        unzip.listingText.clear();
        return bookPath + LineBreak + listed;
    }
    if (result == UnzipSucceeded || (noMatchIsFine && result == UnzipMatchedNothing))
        return std::nullopt;
    return bookPath + LineBreak + UnpackFailureText(result, unzip.printText);
}

std::vector<std::string> FontNames()
{
    std::vector<std::string> names;
    for (const LiberationFace& face : LiberationFaces::CopyOrder)
        names.emplace_back(face.fileName);
    return names;
}

// Whether the book's top folder holds the four fonts as the fix would copy
// them in: the same size and CRC-32 as ours, read from the archive's
// directory without unpacking anything.
bool HoldsTheFonts(const std::vector<UnzipRequest::ListedEntry>& listed)
{
    for (const LiberationFace& face : LiberationFaces::CopyOrder) {
        const std::optional<FileFingerprint> ours = FingerprintOf(FontSource(face.fileName));
        bool found = false;
        for (const UnzipRequest::ListedEntry& entry : listed)
            found |= entry.name == face.fileName && ours && FileFingerprint{entry.size, entry.crc} == *ours;
        if (!found)
            return false;
    }
    return true;
}

bool FolderIsEmpty(const std::string& folder)
{
    std::error_code ec;
    return std::filesystem::is_empty(folder, ec) || ec;
}

// How the entries the fix does not read reach the new book.
enum class Attempt {
    CarryUntouched,    // carried over from the book, each checked on the way
    UnpackEverything,  // unpacked and packed again: where they cannot be carried exactly so, and where one
                       // turned out damaged, so that the book fails as its unpacking fails
};

// What an attempt that carries gives when the book's untouched entries
// cannot be carried exactly, or one of them is damaged.
struct CarryRefused {};
using AttemptResult = std::variant<BookResult, CarryRefused>;

// The values every packing and every check ahead share: the whole
// working folder, recursively, at the highest level, quietly.
void SetRunWideZipValues()
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
    r.fileNames[0].emplace(1, '*');
}

// Packs the working folder into archive.archive, carrying from the book
// every entry that matches none of carryAllBut when given.
AttemptResult Pack(NewArchive archive, BookScratch& scratch, std::optional<std::vector<std::string>> carryAllBut,
                   Attempt attempt)
{
    SetRunWideZipValues();
    ZipRequest& r = TheZipRequest();
    r.zipFileName = archive.archive;
    r.szRootDir = scratch.workingFolder;
    // What the fix did not change keeps the book's own compressed bytes.
    r.szReferenceZip = archive.book;
    r.carryAllBut = std::move(carryAllBut);
    // A leftover of an earlier run must not add its entries to the new book.
    DeleteFileIfExists(archive.archive);
    scratch.temporaryArchive = archive.archive;
    const int32_t packed = RunZip();
    r.carryAllBut.reset();
    if (packed != 0) {
        DeleteFileIfExists(archive.archive);
        scratch.temporaryArchive.clear();
    }
    if (packed == RunZipCarriedEntryRefused && attempt == Attempt::CarryUntouched)
        return CarryRefused{};
    if (packed < INT16_MIN || packed > INT16_MAX)
        throw RunTimeError(ErrorNumber::Overflow,
            Words::Fill(Words::translate("BookFix", "Overflow (Zip result %1)"), {std::to_string(packed)}));
    if (packed != 0) {
        const std::string words = PackFailureWords(packed);
        return Failure(Words::Fill(Words::translate("BookFix", "Zip error: %1"), {std::to_string(packed)}) +
                       (words.empty() ? "" : LineBreak + words));
    }
    return BookResult{BookResult::Fixed, {}, std::move(archive)};
}

// What the fix reads and edits: the stylesheets, the package documents and
// the container, unpacked into folder. Afterwards names holds the names
// asked for, or is empty when the whole book had to be unpacked: more
// package documents than one request can name. nullopt when it went well.
std::optional<std::string> UnpackEditedEntries(const std::string& book, const std::string& bookPath,
                                               const std::string& folder, std::vector<std::string>& names)
{
    names = EditedEntries;
    const int edited = UnpackBookEntries(book, folder, names, Selection::Only);
    if (auto problem = UnpackProblem(bookPath, edited, true))
        return problem;
    std::vector<std::string> documents;
    for (const std::string& document : ContainerRootfiles(PathText::AsFolder(folder)))
        if (!FileSystem().FileExists(PathText::Join(folder, document)))
            documents.push_back(document);
    if (documents.empty())
        return std::nullopt;
    if (names.size() + documents.size() > MostNames) {
        const int rest = UnpackBookEntries(book, folder, names, Selection::AllBut);
        names.clear();
        return UnpackProblem(bookPath, rest, false);
    }
    names.insert(names.end(), documents.begin(), documents.end());
    return UnpackProblem(bookPath, UnpackBookEntries(book, folder, documents, Selection::Only), true);
}

// Fixes the book once, its untouched entries reaching the new book as
// attempt says. archive names the book, as it was when it was first
// unpacked (a second attempt replaces only that book), and the new
// archive beside it.
AttemptResult FixBookOnce(const NewArchive& archive, BookScratch& scratch, Attempt attempt, const FixOptions& options,
                          const std::function<void()>& packing)
{
    const std::string& folder = scratch.workingFolder;
    const std::string& book = archive.book;
    const std::string& bookPath = archive.bookPath;
    RecreateFolder(folder);

    // A book that already holds the fonts, and that the edits leave as it
    // is, needs nothing: it is judged by its stylesheets and package
    // documents alone, and the rest of it is neither unpacked nor packed.
    bool holdsTheFonts = false;
    if (options.intlFonts) {
        const int listed = ListBookEntries(book, FontNames());
        TheUnzipRequest().listingText.clear();  // the listing asked for, not a failure
        if (const auto problem = UnpackProblem(bookPath, listed, true))
            return Failure(*problem);
        holdsTheFonts = HoldsTheFonts(TheUnzipRequest().listedEntries);
    }
    std::vector<std::string> edited;
    if (const auto problem = UnpackEditedEntries(book, bookPath, folder, edited))
        return Failure(*problem);
    // A protected book is judged before anything in it is edited.
    if (auto protection = ProtectionOf(folder, options.intlFonts))
        return BookResult{BookResult::LeftAlone, std::move(*protection), std::nullopt};
    const bool changed = FindCSS(PathText::AsFolder(folder), options);
    if (!changed && (holdsTheFonts || !options.intlFonts))
        return BookResult{BookResult::AlreadyFixed, {}, std::nullopt};

    // A book of which nothing was unpacked is unpacked whole, so that one
    // that unpacks to nothing fails below.
    const bool carry = attempt == Attempt::CarryUntouched && !edited.empty() && !FolderIsEmpty(folder);
    if (!carry && !edited.empty()) {
        const int rest = UnpackBookEntries(book, folder, edited, Selection::AllBut);
        if (const auto problem = UnpackProblem(bookPath, rest, false))
            return Failure(*problem);
    }
    // A book that did not unpack cleanly is never packed into its own place.
    if (FolderIsEmpty(folder))
        return Failure(bookPath + LineBreak + UnpackFailureText(UnzipSucceeded, TheUnzipRequest().printText));

    if (options.intlFonts)
        scratch.fonts.PutInto(PathText::AsFolder(folder));
    if (packing)
        packing();
    return Pack(archive, scratch, carry ? std::optional(edited) : std::nullopt, attempt);
}

}  // namespace

BookResult FixBook(const std::string& bookPath, BookScratch& scratch, const FixOptions& options,
                   const std::function<void()>& packing)
{
    NewArchive archive;
    archive.bookPath = bookPath;
    archive.book = RealFilePath(bookPath);
    archive.archive = archive.book + TemporarySuffix;
    archive.asUnpacked = IdentityOf(archive.book);
    archive.keepOriginal = options.keepOriginals;
    bool packingSaid = false;
    const auto packingOnce = [&] {
        if (packing && !std::exchange(packingSaid, true))
            packing();
    };
    // The untouched entries are carried; where they cannot be, the book is
    // unpacked whole, and fails as its unpacking fails, or is fixed as
    // before.
    for (const Attempt attempt : {Attempt::CarryUntouched, Attempt::UnpackEverything}) {
        AttemptResult result = FixBookOnce(archive, scratch, attempt, options, packingOnce);
        if (BookResult* done = std::get_if<BookResult>(&result))
            return std::move(*done);
    }
    return Failure(bookPath);  // not reached: an attempt that unpacks everything is never refused a carry
}

void CheckBookAhead(const std::string& bookPath)
{
    SetRunWideZipValues();
    PrefetchReferenceEntries(RealFilePath(bookPath), EditedEntries);
}

void DropBooksCheckedAhead()
{
    PrefetchReferenceEntries({}, {});
}

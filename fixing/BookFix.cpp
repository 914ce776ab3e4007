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
#include "RunTimeError.h"
#include "TextFile.h"
#include "UnzipBinding.h"
#include "WorkingFolder.h"
#include "ZipBinding.h"
#include "Translation.h"

#include <cstdint>
#include <filesystem>
#include <optional>

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

// How the entries the fix does not read reach the new book: carried over
// from the book, checked on the way, or unpacked and packed again where
// they cannot be carried exactly so (and where one turned out damaged, so
// that the book fails as its unpacking fails).
enum class Untouched { Carried, Unpacked };

void SetZipValues(const std::string& temporaryArchive, const std::string& workingFolder, const std::string& book,
                  std::optional<std::vector<std::string>> carryAllBut)
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
    r.fileNames[0].emplace(1, '*');
    r.szRootDir = workingFolder;
    // What the fix did not change keeps the book's own compressed bytes.
    r.szReferenceZip = book;
    r.carryAllBut = std::move(carryAllBut);
}

// Packs the working folder, carrying from the book every entry that
// matches none of carryAllBut when given; nullopt when those cannot be
// carried.
std::optional<BookResult> Pack(const std::string& bookPath, const std::string& book, const FileIdentity& asUnpacked,
                               BookScratch& scratch, std::optional<std::vector<std::string>> carryAllBut,
                               bool keepOriginal)
{
    const std::string temporaryArchive = book + TemporarySuffix;
    SetZipValues(temporaryArchive, scratch.workingFolder, book, std::move(carryAllBut));
    // A leftover of an earlier run must not add its entries to the new book.
    DeleteFileIfExists(temporaryArchive);
    scratch.temporaryArchive = temporaryArchive;
    // The next book's entries are checked on idle cores while this one is
    // packed and written: it most likely needs packing too.
    if (!scratch.nextBook.empty())
        PrefetchReferenceEntries(RealFilePath(scratch.nextBook), EditedEntries);
    const int32_t packed = RunZip();
    TheZipRequest().carryAllBut.reset();
    if (packed == RunZipCarriedEntryRefused) {
        DeleteFileIfExists(temporaryArchive);
        scratch.temporaryArchive.clear();
        return std::nullopt;
    }
    if (packed < INT16_MIN || packed > INT16_MAX)
        throw RunTimeError(ErrorNumber::Overflow,
            Words::Fill(Words::translate("BookFix", "Overflow (Zip result %1)"), {std::to_string(packed)}));
    if (packed != 0) {
        DeleteFileIfExists(temporaryArchive);
        scratch.temporaryArchive.clear();
        const std::string words = PackFailureWords(packed);
        return Failure(Words::Fill(Words::translate("BookFix", "Zip error: %1"), {std::to_string(packed)}) +
                       (words.empty() ? "" : LineBreak + words));
    }
    return BookResult{BookResult::Fixed, {}, NewArchive{bookPath, book, temporaryArchive, asUnpacked, keepOriginal}};
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
// untouched says; nullopt when they were to be carried and cannot be.
// asUnpacked is the book as it was when it was first unpacked: a second
// try replaces only that book.
std::optional<BookResult> FixBookOnce(const std::string& bookPath, const std::string& book,
                                      const FileIdentity& asUnpacked, BookScratch& scratch, Untouched untouched,
                                      const FixOptions& options)
{
    const std::string& folder = scratch.workingFolder;
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
    const bool carry = untouched == Untouched::Carried && !edited.empty() && !FolderIsEmpty(folder);
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

    return Pack(bookPath, book, asUnpacked, scratch, carry ? std::optional(edited) : std::nullopt,
                options.keepOriginals);
}

}  // namespace

BookResult FixBook(const std::string& bookPath, BookScratch& scratch, const FixOptions& options)
{
    const std::string book = RealFilePath(bookPath);
    const FileIdentity asUnpacked = IdentityOf(book);
    if (std::optional<BookResult> fixed = FixBookOnce(bookPath, book, asUnpacked, scratch, Untouched::Carried, options))
        return std::move(*fixed);
    // Unpacked, the book fails as its unpacking fails, or is fixed as before.
    std::optional<BookResult> fixed = FixBookOnce(bookPath, book, asUnpacked, scratch, Untouched::Unpacked, options);
    return fixed ? std::move(*fixed) : Failure(bookPath);
}

void DropCheckedAhead()
{
    PrefetchReferenceEntries({}, {});
}

// One book's fix: unpacking what it edits, the edits, and packing the new book beside it.
#include "BookFix.h"

#include "ArchiveFailureText.h"
#include "BookCharacters.h"
#include "BookPictures.h"
#include "BookProtection.h"
#include "BookUnpacking.h"
#include "ContainerRootfiles.h"
#include "ContentDocuments.h"
#include "ContentReader.h"
#include "ContentWalk.h"
#include "Cover.h"
#include "FileIdentity.h"
#include "FileSystemObject.h"
#include "FontFiles.h"
#include "KindleReadiness.h"
#include "KoboSpans.h"
#include "LiberationFaces.h"
#include "PackageSpine.h"
#include "PackingValues.h"
#include "PathText.h"
#include "RealFilePath.h"
#include "RunTimeError.h"
#include "StylesheetLinks.h"
#include "TextFile.h"
#include "UnzipBinding.h"
#include "WorkingFolder.h"
#include "ZipBinding.h"
#include "Translation.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <variant>
#include <sys/stat.h>

namespace {

constexpr char TemporarySuffix[] = ".tmp";

// What the fix reads or edits in a book, besides the package documents
// the container names. These are unpacked and fixed first; the rest of the
// book never becomes files: the new archive carries it over from the book.
const std::vector<std::string> EditedEntries = [] {
    std::vector<std::string> entries = EditedByNamePatterns();
    entries.insert(entries.end(), {ContainerEntry, EncryptionEntry});
    return entries;
}();

// The most names one request to the unzip library takes.
constexpr std::size_t MostNames = 100;

BookResult Failure(std::string message)
{
    return {BookResult::Failed, std::move(message), std::nullopt, {}};
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
// them in: whole, with the same size and CRC-32 as ours, read from the
// archive's directory; or cut down by the fix, which only the faces' own
// bytes tell (read from the book, where the listing cannot tell).
bool HoldsTheFonts(const std::string& book, const std::vector<UnzipRequest::ListedEntry>& listed, FontStock& fonts)
{
    std::optional<std::map<std::string, std::string>> faces;  // the book's four, read at once when asked
    for (const LiberationFace& face : LiberationFaces::CopyOrder) {
        const auto entry = std::find_if(listed.begin(), listed.end(),
                                        [&](const UnzipRequest::ListedEntry& e) { return e.name == face.fileName; });
        const auto bytes = [&] {
            if (!faces) {
                faces.emplace();
                constexpr std::size_t LargestFace = 16u << 20;  // ours are under half a megabyte
                ReadEntryHeads(book, FontNames(), LargestFace, [&](const std::string& name, std::string_view read) {
                    faces->emplace(name, read);
                    return true;
                });
            }
            const auto found = faces->find(face.fileName);
            return found == faces->end() ? std::string() : found->second;
        };
        if (entry == listed.end() || !fonts.IsOurs(face, {entry->size, entry->crc}, bytes))
            return false;
    }
    return true;
}

// What the options that read content documents did to a book.
struct ContentFix {
    std::optional<std::string> leftAlone;    // why the book is left as it is
    bool changed = false;                    // a document was edited
    std::optional<FontStock::CutSet> cut;    // the faces cut down to the book's characters; none: whole
    bool koboAlready = false;                // its content documents hold Kobo's spans already
};

// The style element a Kobo book's documents get: EPUB 2 content is XHTML
// 1.1, which allows no class on style.
KoboStyle KoboStyleOf(const std::string& packageDocument)
{
    QXmlStreamReader xml(QByteArray::fromStdString(packageDocument));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.attributes().value(QStringLiteral("version")).startsWith(u'2') ? KoboStyle::WithoutClass
                                                                                      : KoboStyle::WithClass;
    return KoboStyle::WithClass;
}

// The content documents of the spine that a Kobo book's renderer reads:
// the application/xhtml+xml items of every package document's spine (but
// hidden entries, which no option edits).
std::set<std::string> KoboDocuments(const std::string& folder, const std::vector<EditedFile>& files,
                                     KoboStyle& style)
{
    std::set<std::string> documents;
    bool first = true;
    for (const EditedFile& file : files) {
        if (file.kind != EditedFile::PackageDocument)
            continue;
        const std::string bytes = ReadTextFile(PathText::Join(folder, file.name));
        if (std::exchange(first, false))
            style = KoboStyleOf(bytes);
        const PackageContents contents = ReadPackageContents(bytes, file.name);
        for (const std::string& item : contents.spine)
            if (contents.xhtmlItems.count(item) && !IsHiddenEntry(item))
                documents.insert(item);
    }
    return documents;
}

// Adds Kobo's spans, divisions and style to each document of the spine,
// over what the other options' edits made of it. Where one cannot be edited
// safely the book is left as it is (leftAlone says why); where one holds
// the spans already, no document is edited.
void MakeKoboDocuments(const std::map<std::string, std::string>& documents, KoboStyle style, ContentEdits& edits,
                       ContentFix& fix, FixRecord& record)
{
    for (const auto& [name, own] : documents)
        if (HoldsKoboSpans(edits.Current(name, own))) {
            fix.koboAlready = true;
            return;
        }
    std::vector<std::pair<std::string, std::string>> edited;
    std::size_t spans = 0;
    for (const auto& [name, own] : documents) {
        KoboDocument found;
        std::optional<std::string> bytes = KoboEdited(edits.Current(name, own), style, found);
        if (found.problem == KoboDocument::Problem::NotUtf) {
            fix.leftAlone = Words::Fill(Words::translate("Kobo", "%1 is not UTF-8 or UTF-16"), {name});
            return;
        }
        if (found.problem == KoboDocument::Problem::NotXml) {
            //: %1 is the content document, %2 where and why it does not read ("line 3: ...").
            fix.leftAlone =
                Words::Fill(Words::translate("Kobo", "%1 does not read as XML (%2)"), {name, found.xmlError});
            return;
        }
        if (bytes) {
            edited.emplace_back(name, std::move(*bytes));
            spans += found.spans;
        }
    }
    for (auto& [name, bytes] : edited)
        edits.Replace(name, std::move(bytes));
    record.koboSpans = spans;
    fix.changed |= !edited.empty();
}

// How finely a book's faces are cut. A set of cut faces costs some 3 ms to
// cut and deflate once (then it is kept across runs, see FaceCache), and
// an exact cut to the book's own characters is some two fifths smaller
// than a cut to whole pages of 128 code points, which books of one script
// and language share. Exact cuts pay where the book is large enough that
// a set of its own costs little against reading it: from ExactCutsFrom
// bytes. Smaller books, whose reading costs about as much as a cut, share
// pages (see bench/README.md).
constexpr std::uintmax_t ExactCutsFrom = 512u << 10;
constexpr char32_t CutPage = 128;

char32_t CutPageFor(const std::string& book)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(book, ec);
    return !ec && size >= ExactCutsFrom ? 1 : CutPage;
}

// The names of the book's content documents, as patterns.
std::vector<std::string> ContentPatterns(const std::string& folder, const std::vector<EditedFile>& files,
                                         PackageContents& contents)
{
    for (const EditedFile& file : files)
        if (file.kind == EditedFile::PackageDocument)
            for (const std::string& item :
                 ReadPackageContents(ReadTextFile(PathText::Join(folder, file.name)), file.name).xhtmlItems)
                contents.xhtmlItems.insert(item);
    return DocumentPatterns(contents, true);
}

// Reads the book's content documents where an option needs them, through
// content, once: for Send to Kindle (KindleReadiness), with cutFaces for
// the characters the faces are cut down to (to pages of page code points),
// and for the links to the deleted stylesheets (StylesheetLinks), which Send to Kindle sees taken
// out and writes over. nullopt when they cannot be read from the book as
// it would be carried: then it is unpacked whole.
std::optional<ContentFix> FixContent(const std::string& folder, const FixOptions& options, bool cutFaces, char32_t page,
                                     const std::set<std::string>& deletedStylesheets, ContentReader& content,
                                     FontStock& fonts, FixRecord& record)
{
    ContentFix fix;
    std::optional<StylesheetLinks> links;
    if (!deletedStylesheets.empty())
        links.emplace(deletedStylesheets);
    const std::vector<EditedFile> files = FindEditedFiles(PathText::AsFolder(folder));
    std::optional<KindleReadiness> kindle;
    if (options.kindleReady) {
        std::vector<std::string> packages;
        for (const EditedFile& file : files)
            if (file.kind == EditedFile::PackageDocument)
                packages.push_back(file.name);
        kindle.emplace(folder, packages);
        content.Heads(kindle->ContentPatterns(), KindleReadiness::HeadBytes,
                      [&](const std::string& name, std::string_view head) {
                          kindle->Head(name, head);
                          return true;
                      });
    }
    std::optional<BookCharacters> characters;
    PackageContents contents;
    std::vector<std::string> patterns;
    if (cutFaces) {
        characters.emplace();
        // The stylesheets first, as they are in the working folder: the
        // documents are read for the attributes they draw with attr().
        for (const EditedFile& file : files)
            if (file.kind == EditedFile::Stylesheet && FileSystem().FileExists(PathText::Join(folder, file.name)))
                characters->AddStylesheet(ReadTextFile(PathText::Join(folder, file.name)));
    }
    if (cutFaces || links || options.koboBooks)
        patterns = ContentPatterns(folder, files, contents);
    KoboStyle koboStyle = KoboStyle::WithClass;
    std::set<std::string> koboNames;
    std::map<std::string, std::string> koboDocuments;  // their own bytes, as the book holds them
    if (options.koboBooks)
        koboNames = KoboDocuments(folder, files, koboStyle);
    if (kindle && kindle->WantsAnyWhole())
        for (const std::string& pattern : kindle->ContentPatterns())
            patterns.push_back(pattern);
    const auto see = [&](const std::string& name, std::string_view bytes) {
        if (koboNames.count(name))
            koboDocuments.emplace(name, bytes);
        const bool document = (characters || links) && KindOfDocument(name, contents) != DocumentKind::None;
        if (characters && document)
            characters->AddContentDocument(bytes);
        if (links && document) {
            const std::optional<std::string_view> unlinked = links->Unlinked(name, bytes);
            if (!unlinked)
                return false;
            bytes = *unlinked;
        }
        return !kindle || !kindle->WantsWhole(name) || kindle->Whole(name, bytes);
    };
    if (!patterns.empty() && !content.Whole(patterns, see))
        return std::nullopt;
    if (links && links->LeftAlone()) {
        fix.leftAlone = links->LeftAlone();
        return fix;
    }
    // The options' edits, each over what the one before it left, written
    // into the new book at once.
    ContentEdits edits;
    if (links) {
        fix.changed = links->Finish(edits);
        record.documentsUnlinked = edits.ByName().size();
    }
    if (kindle) {
        const KindleReadiness::Result ready = kindle->Finish(edits);
        fix.leftAlone = ready.leftAlone;
        fix.changed |= ready.changed;
        record.encodingsDeclared = ready.encodingsDeclared;
        record.bodyLinksCut = ready.bodyLinksCut;
        record.picturesRemoved = ready.picturesRemoved;
        record.coversNamed += ready.coversNamed;
        record.language = ready.language;
        if (!ready.note.empty()) {
            record.languageNotFound = true;
            record.Note(ready.note);
        }
    }
    if (options.koboBooks && !fix.leftAlone)
        MakeKoboDocuments(koboDocuments, koboStyle, edits, fix, record);
    if (!fix.leftAlone)
        content.Write(edits);
    if (characters && !fix.leftAlone && characters->Readable())
        fix.cut = fonts.Cut(characters->Characters(page));
    return fix;
}

// Kobo's readers find a cover only by its property: an EPUB 3 package
// document that names it only by the meta gets the property, edited in
// the working folder. Whether one was.
bool GiveCoversTheirProperty(const std::string& folder, FixRecord& record)
{
    bool given = false;
    for (const EditedFile& file : FindEditedFiles(PathText::AsFolder(folder))) {
        if (file.kind != EditedFile::PackageDocument)
            continue;
        const std::string path = PathText::Join(folder, file.name);
        if (!FileSystem().FileExists(path))
            continue;
        if (const std::optional<std::string> named = GiveCoverItsProperty(ReadTextFile(path))) {
            WriteWholeFile(path, *named);
            ++record.coversNamed;
            given = true;
        }
    }
    return given;
}

// The size of the file at path; 0 where it cannot be told.
std::uint64_t SizeOf(const std::string& path)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

// Notes in record a book too large for Send to Kindle to take by e-mail.
void NoteKindleSize(const std::string& path, FixRecord& record)
{
    const std::uint64_t size = SizeOf(path);
    if (size > KindleReadiness::MostMailedBytes)
        record.tooLargeForKindle = size;
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

// The pictures the pipeline fits as it carries them, and whether they are
// all the fix changes.
struct PicturesToPack {
    PictureRule rule;
    std::vector<std::string> names;
    bool alone = false;
};

// Packs the working folder into archive.archive, carrying from the book
// every entry that matches none of carryAllBut when given, and fitting the
// pictures named. A book of which only pictures were to change, and none
// did, is already as the options ask: its new archive goes.
AttemptResult Pack(NewArchive archive, BookScratch& scratch, std::optional<std::vector<std::string>> carryAllBut,
                   Attempt attempt, FixRecord record, bool kindleSize,
                   const std::optional<PicturesToPack>& pictures = std::nullopt)
{
    if (pictures)
        TheZipRequest().carriedTransform =
            CarriedTransform{pictures->names, FitCarriedPicture, const_cast<PictureRule*>(&SharedRule(pictures->rule))};
    // What the fix did not change keeps the book's own compressed bytes.
    SetPackingValues(archive.book, scratch.workingFolder, std::move(carryAllBut), archive.archive);
    // A leftover of an earlier run must not add its entries to the new book.
    DeleteFileIfExists(archive.archive);
    scratch.temporaryArchive = archive.archive;
    const int32_t packed = RunZip();
    ZipRequest& r = TheZipRequest();
    r.carryAllBut.reset();
    r.carriedPrefixes.clear();
    r.carriedTransform.reset();
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
                       (words.empty() ? "" : LineBreak + words) + PackFailureDetail(r.printText));
    }
    if (record.faces != FixRecord::Faces::None) {
        ListBookEntries(archive.archive, FontNames());
        TheUnzipRequest().listingText.clear();  // the listing asked for, not a failure
        for (const UnzipRequest::ListedEntry& entry : TheUnzipRequest().listedEntries)
            record.facesPackedBytes += entry.packedSize;
    }
    if (pictures) {
        RecordPictures(archive.book, archive.archive, pictures->names, pictures->rule, record);
        if (pictures->alone && record.picturesFitted == 0) {
            DeleteFileIfExists(archive.archive);
            scratch.temporaryArchive.clear();
            if (kindleSize)
                NoteKindleSize(archive.book, record);
            return BookResult{BookResult::AlreadyFixed, {}, std::nullopt, std::move(record)};
        }
    }
    // The size once fixed: after every edit, the pictures' too.
    if (kindleSize)
        NoteKindleSize(archive.archive, record);
    return BookResult{BookResult::Fixed, {}, std::move(archive), std::move(record)};
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
AttemptResult FixBookOnce(NewArchive archive, BookScratch& scratch, Attempt attempt, const FixOptions& options,
                          const std::function<void()>& packing)
{
    const std::string& folder = scratch.workingFolder;
    const std::string& book = archive.book;
    const std::string& bookPath = archive.bookPath;
    RecreateFolder(folder);
    TheZipRequest().carriedPrefixes.clear();
    TheZipRequest().carriedTransform.reset();

    // A book that already holds the fonts, and that the edits leave as it
    // is, needs nothing: it is judged by its stylesheets and package
    // documents alone, and the rest of it is neither unpacked nor packed.
    bool holdsTheFonts = false;
    if (options.intlFonts) {
        const int listed = ListBookEntries(book, FontNames());
        TheUnzipRequest().listingText.clear();  // the listing asked for, not a failure
        if (const auto problem = UnpackProblem(bookPath, listed, true))
            return Failure(*problem);
        holdsTheFonts = HoldsTheFonts(book, TheUnzipRequest().listedEntries, scratch.fonts);
    }
    std::vector<std::string> edited;
    if (const auto problem = UnpackEditedEntries(book, bookPath, folder, edited))
        return Failure(*problem);
    // A protected book is judged before anything in it is edited.
    if (auto protection = ProtectionOf(folder, options.intlFonts))
        return BookResult{BookResult::LeftAlone, std::move(*protection), std::nullopt, {}};
    FixRecord record;
    const WalkResult walk = FindCSS(PathText::AsFolder(folder), options, &record);
    if (walk.leftAlone)
        return BookResult{BookResult::LeftAlone, *walk.leftAlone, std::nullopt, {}};

    const bool coversGiven = options.koboBooks && GiveCoversTheirProperty(folder, record);

    // A book of which nothing was unpacked is unpacked whole, so that one
    // that unpacks to nothing fails below.
    const bool carry = attempt == Attempt::CarryUntouched && !edited.empty() && !FolderIsEmpty(folder);
    bool restUnpacked = false;
    const auto unpackTheRest = [&]() -> std::optional<std::string> {
        if (carry || edited.empty() || std::exchange(restUnpacked, true))
            return std::nullopt;
        return UnpackProblem(bookPath, UnpackBookEntries(book, folder, edited, Selection::AllBut), false);
    };
    // The content documents, where an option reads them.
    const bool cutFaces = options.intlFonts && options.subsetFonts && !holdsTheFonts;
    ContentFix content;
    if (options.kindleReady || cutFaces || !walk.deletedStylesheets.empty() || options.koboBooks) {
        if (const auto problem = unpackTheRest())
            return Failure(*problem);
        const std::unique_ptr<ContentReader> reader =
            carry ? CarriedContent(book, folder, edited) : UnpackedContent(folder);
        std::optional<ContentFix> fixed =
            FixContent(folder, options, cutFaces, CutPageFor(book), walk.deletedStylesheets, *reader, scratch.fonts, record);
        if (!fixed)
            return CarryRefused{};
        content = std::move(*fixed);
        if (content.leftAlone)
            return BookResult{BookResult::LeftAlone, std::move(*content.leftAlone), std::nullopt, {}};
    }
    // A book that holds Kobo's spans already keeps its name, and its
    // documents keep theirs.
    if (content.koboAlready && !archive.renameTo.empty()) {
        archive.renameTo.clear();
        if (scratch.packInto.empty())
            archive.archive = archive.book + TemporarySuffix;
    }
    if (!archive.renameTo.empty())
        record.newName = std::filesystem::path(archive.renameTo).filename().string();
    // The pictures are fitted as they are carried, never as files: a book
    // unpacked whole keeps them as they are.
    std::optional<PicturesToPack> pictures;
    if (const std::optional<PictureRule> rule = PictureRuleOf(options); rule && carry) {
        std::vector<std::string> names = PicturesToFit(book, *rule);
        if (!names.empty())
            pictures = PicturesToPack{*rule, std::move(names)};
    }
    const bool othersChange = walk.changed || content.changed || coversGiven ||
                              (options.intlFonts && !holdsTheFonts) || !archive.renameTo.empty();
    if (!othersChange && !pictures) {
        if (options.kindleReady)
            NoteKindleSize(book, record);
        return BookResult{BookResult::AlreadyFixed, {}, std::nullopt, std::move(record)};
    }
    if (pictures)
        pictures->alone = !othersChange;
    if (const auto problem = unpackTheRest())
        return Failure(*problem);
    // A book that did not unpack cleanly is never packed into its own place.
    if (FolderIsEmpty(folder))
        return Failure(bookPath + LineBreak + UnpackFailureText(UnzipSucceeded, TheUnzipRequest().printText));

    if (options.intlFonts) {
        scratch.fonts.PutInto(PathText::AsFolder(folder), content.cut);
        // Cut faces go in as they were deflated once, when cut or read
        // back from the cache: the same bytes in every book and every run.
        if (const auto* deflated = content.cut ? scratch.fonts.Deflated(*content.cut) : nullptr)
            for (std::size_t i = 0; i < deflated->size(); ++i)
                OfferDeflatedEntry(LiberationFaces::CopyOrder[i].fileName, (*deflated)[i].deflated,
                                   (*deflated)[i].crc, (*deflated)[i].size);
        if (!holdsTheFonts)
            record.faces = content.cut ? FixRecord::Faces::Cut : FixRecord::Faces::Whole;
    }
    if (packing)
        packing();
    return Pack(archive, scratch, carry ? std::optional(edited) : std::nullopt, attempt, std::move(record),
                options.kindleReady, pictures);
}

}  // namespace

BookResult FixBook(const std::string& bookPath, BookScratch& scratch, const FixOptions& options,
                   const std::function<void()>& packing)
{
    NewArchive archive;
    archive.bookPath = bookPath;
    archive.book = RealFilePath(bookPath);
    archive.archive = scratch.packInto.empty() ? archive.book + TemporarySuffix : scratch.packInto;
    archive.asUnpacked = IdentityOf(archive.book);
    archive.keepOriginal = options.keepOriginals;
    if (options.koboBooks) {
        if (InCalibreLibrary(archive.book)) {
            BookResult alone{BookResult::LeftAlone,
                             Words::Fill(Words::translate("Kobo", "%1 is in a calibre library; calibre's own Kobo "
                                                                  "driver converts it as it sends it"),
                                         {bookPath}),
                             std::nullopt, {}};
            alone.record.leftAlone = alone.message;
            return alone;
        }
        // A book reached through a link keeps its name, so that the link
        // still finds it.
        const std::optional<std::string> koboName = KoboBookName(archive.book);
        struct stat link;
        if (koboName && ::lstat(bookPath.c_str(), &link) == 0 && !S_ISLNK(link.st_mode)) {
            archive.renameTo = PathText::Join(PathText::FolderOf(archive.book), *koboName);
            struct stat taken;
            if (::lstat(archive.renameTo.c_str(), &taken) == 0) {
                BookResult alone{BookResult::LeftAlone,
                                 Words::Fill(Words::translate("Kobo", "%1 already exists"), {*koboName}),
                                 std::nullopt, {}};
                alone.record.leftAlone = alone.message;
                return alone;
            }
            if (scratch.packInto.empty())
                archive.archive = archive.renameTo + TemporarySuffix;
        }
    }
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

void CheckBookAhead(const std::string& bookPath, const FixOptions& options)
{
    const std::string book = RealFilePath(bookPath);
    SetPackingValues(book, {}, std::nullopt);  // the level the book will be packed at
    // The content documents the fix will most likely read keep their bytes,
    // so that they are not inflated a second time to be read.
    const bool readsContent = options.kindleReady || (options.intlFonts && options.subsetFonts) || options.deleteCSS ||
                              options.koboBooks;
    // The pictures most likely to be fitted are fitted ahead too.
    std::optional<CarriedTransform> fitting;
    if (const std::optional<PictureRule> rule = PictureRuleOf(options))
        fitting = CarriedTransform{LikelyPictures(), FitCarriedPicture, const_cast<PictureRule*>(&SharedRule(*rule))};
    PrefetchReferenceEntries(book, EditedEntries, readsContent ? DocumentPatterns({}, true) : std::vector<std::string>{},
                             fitting);
}

void DropBooksCheckedAhead()
{
    PrefetchReferenceEntries({}, {});
}

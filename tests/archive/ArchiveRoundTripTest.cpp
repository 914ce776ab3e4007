// Our unzip32 and zip32 through the two bindings, on real archives.
#include "FakePrompter.h"
#include "TestFiles.h"
#include "UnzipBinding.h"
#include "ZipBinding.h"
#include "ZipFixtures.h"
#include "unzip32.h"
#include "zip32.h"

#include <gtest/gtest.h>
#include <zip.h>
#include <zlib.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <tuple>

namespace {

int Unpack(const std::string& archive, const std::string& target)
{
    UnzipRequest& r = TheUnzipRequest();
    r = UnzipRequest{};
    r.noflag = 1;
    r.ndflag = 1;
    r.lpszZipFN = archive;
    r.lpszExtractDir = target;
    return RunUnzip();
}

// The request that packs everything below root into archive.
ZipRequest& PackRequest(const std::string& root, const std::string& archive, char level = '9')
{
    ZipRequest& r = TheZipRequest();
    r = ZipRequest{};
    r.fRecurse = 1;
    r.fQuiet = 1;
    r.fLevel = level;
    r.nameCount = 1;
    r.fileNames[0] = "*";
    r.szRootDir = root;
    r.zipFileName = archive;
    return r;
}

int Pack(const std::string& root, const std::string& archive, char level = '9')
{
    PackRequest(root, archive, level);
    return RunZip();
}

// The same, carrying from book every entry that edited names none of.
ZipRequest& CarryingRequest(const std::string& root, const std::string& archive, const std::string& book,
                            const std::vector<std::string>& edited)
{
    ZipRequest& r = PackRequest(root, archive);
    r.szReferenceZip = book;
    r.carryAllBut = edited;
    return r;
}

void MakeBook(const std::string& root)
{
    WriteFile(root + "/mimetype", "application/epub+zip");
    WriteFile(root + "/META-INF/container.xml", "<container/>");
    WriteFile(root + "/OEBPS/content.opf", "<package><manifest></manifest></package>");
    WriteFile(root + "/OEBPS/Styles/book.css", std::string(5000, 'a'));
    WriteFile(root + "/OEBPS/Images/photo.jpg", RandomBytes(20000, 7));
    WriteFile(root + "/OEBPS/Text/caf\xC3\xA9 1.xhtml", "<html/>");
    std::filesystem::create_directories(root + "/OEBPS/Empty");
}

class ArchiveRoundTrip : public ::testing::Test {
protected:
    FakePrompter prompter;
    TempFolder dir;
};

TEST_F(ArchiveRoundTrip, AFolderTreeComesBackByteForByte)
{
    MakeBook(dir / "in");
    ASSERT_EQ(Pack(dir / "in", dir / "book.epub"), 0);
    ASSERT_EQ(Unpack(dir / "book.epub", dir / "out"), 0);
    EXPECT_EQ(ReadTree(dir / "out"), ReadTree(dir / "in"));
    EXPECT_NE(TheUnzipRequest().printText.find("  inflating: OEBPS/Styles/book.css\r\n"), std::string::npos);
    EXPECT_TRUE(TheUnzipRequest().listingText.empty());
}

TEST_F(ArchiveRoundTrip, APackedBookIsAValidContainer)
{
    MakeBook(dir / "in");
    ASSERT_EQ(Pack(dir / "in", dir / "book.epub"), 0);
    const LocalHeader first = FirstLocalHeader(dir / "book.epub");
    EXPECT_EQ(first.name, "mimetype");
    EXPECT_EQ(first.method, 0);
    EXPECT_EQ(first.extraLength, 0);
    const auto methods = ZipMethods(dir / "book.epub");
    EXPECT_EQ(methods.at("OEBPS/Styles/book.css"), 8) << "text is deflated";
    EXPECT_EQ(methods.at("OEBPS/Images/photo.jpg"), 0) << "stored when deflating does not shrink it";
    EXPECT_EQ(ZipEntryNames(dir / "book.epub").at(0), "mimetype");
    EXPECT_EQ(std::system(("unzip -tqq '" + (dir / "book.epub") + "'").c_str()), 0);
    EXPECT_EQ(std::system(("zipinfo '" + (dir / "book.epub") + "' > /dev/null").c_str()), 0);
}

TEST_F(ArchiveRoundTrip, PackingAgainGivesTheSameBytesAndSeesChangedFiles)
{
    // More files than cores, some of them the same in every archive, as
    // the fonts are in every book.
    MakeBook(dir / "in");
    for (int i = 0; i < 40; ++i)
        WriteFile(dir / ("in/OEBPS/Text/page" + std::to_string(i) + ".xhtml"),
                  std::string(3000 + i, static_cast<char>('a' + i % 26)) + RandomBytes(200, i));
    WriteFile(dir / "in/Font.ttf", RandomBytes(3000, 1) + std::string(30000, 'f'));
    ASSERT_EQ(Pack(dir / "in", dir / "first.epub"), 0);
    ASSERT_EQ(Pack(dir / "in", dir / "second.epub"), 0);
    ASSERT_EQ(Pack(dir / "in", dir / "third.epub"), 0);
    EXPECT_EQ(ReadFile(dir / "second.epub"), ReadFile(dir / "first.epub"));
    EXPECT_EQ(ReadFile(dir / "third.epub"), ReadFile(dir / "first.epub"));

    // The same size and name, other bytes: packed anew, not taken from before.
    WriteFile(dir / "in/Font.ttf", RandomBytes(3000, 2) + std::string(30000, 'g'));
    ASSERT_EQ(Pack(dir / "in", dir / "changed.epub"), 0);
    ASSERT_EQ(Unpack(dir / "changed.epub", dir / "out"), 0);
    EXPECT_EQ(ReadTree(dir / "out"), ReadTree(dir / "in"));
}

// A file the reference archive holds as it is takes that entry's compressed
// bytes; anything else is packed as without a reference: a changed file, an
// entry encrypted or compressed another way, a damaged entry. A stored
// entry stays stored unless deflating gains, and one deflated to no less
// than its size is stored.
TEST_F(ArchiveRoundTrip, AReferenceArchiveGivesTheCompressedBytesOfUnchangedFiles)
{
    std::string text;
    for (int i = 0; text.size() < 200000; ++i)
        text += "Line " + std::to_string(i) + " of a page that the fix leaves alone.\n";
    const std::string noise = RandomBytes(100000, 9);
    std::map<std::string, std::string> files = {
        {"same.txt", text},      {"changed.txt", text},   {"encrypted.txt", text}, {"bzip2.txt", text},
        {"damaged.txt", text},   {"stored-text.txt", text}, {"stored-noise.bin", noise}, {"grown.bin", noise}};
    files["changed.txt"][1000] ^= 1;  // same name and size, another CRC
    for (const auto& [name, bytes] : files)
        WriteFile(dir / ("in/" + name), bytes);

    // The reference: deflated at level 1, so that a copy is told from a new
    // deflate at level 9.
    const std::string reference = dir / "reference.zip";
    zip_t* za = zip_open(reference.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    ASSERT_NE(za, nullptr);
    for (const auto& [name, method] : std::vector<std::pair<std::string, int>>{
             {"same.txt", ZIP_CM_DEFLATE}, {"changed.txt", ZIP_CM_DEFLATE}, {"encrypted.txt", ZIP_CM_DEFLATE},
             {"bzip2.txt", ZIP_CM_BZIP2}, {"damaged.txt", ZIP_CM_DEFLATE}, {"stored-text.txt", ZIP_CM_STORE},
             {"stored-noise.bin", ZIP_CM_STORE}, {"grown.bin", ZIP_CM_DEFLATE}}) {
        const std::string& bytes = name == "changed.txt" ? text : files.at(name);
        const auto at = static_cast<zip_uint64_t>(
            zip_file_add(za, name.c_str(), zip_source_buffer(za, bytes.data(), bytes.size(), 0), 0));
        zip_set_file_compression(za, at, method, 1);
        if (name == "encrypted.txt")
            zip_file_set_encryption(za, at, ZIP_EM_AES_256, "pw");
    }
    ASSERT_EQ(zip_close(za), 0);
    DamageEntryData(reference, "damaged.txt");

    ASSERT_EQ(Pack(dir / "in", dir / "plain.zip"), 0);
    ZipRequest& r = TheZipRequest();
    r.szReferenceZip = reference;
    r.zipFileName = dir / "copied.zip";
    ASSERT_EQ(RunZip(), 0);
    r.szReferenceZip.reset();

    const auto contents = ZipContents(dir / "copied.zip");
    ASSERT_TRUE(contents.has_value()) << "every entry unpacks with a good CRC";
    for (const auto& [name, bytes] : files)
        EXPECT_EQ(contents->at(name), bytes) << name;
    EXPECT_EQ(ZipEntryNames(dir / "copied.zip"), ZipEntryNames(dir / "plain.zip"));

    EXPECT_EQ(PackedEntryBytes(dir / "copied.zip", "same.txt"), PackedEntryBytes(reference, "same.txt"));
    for (const char* name : {"changed.txt", "encrypted.txt", "bzip2.txt", "damaged.txt", "stored-text.txt"})
        EXPECT_EQ(PackedEntryBytes(dir / "copied.zip", name), PackedEntryBytes(dir / "plain.zip", name))
            << name << ": packed anew";
    const auto methods = ZipMethods(dir / "copied.zip");
    EXPECT_EQ(methods.at("stored-text.txt"), 8) << "deflating it gains";
    EXPECT_EQ(methods.at("stored-noise.bin"), 0);
    EXPECT_EQ(methods.at("grown.bin"), 0) << "deflated to more than its size";
}

// Deflated bytes offered for a file are its entry's as they are, at any
// level but 0, and only when they inflate to the file's own bytes under
// the file's own name: a false offer (the size and CRC-32 of the file, the
// bytes of another) or one for another name is not taken.
TEST_F(ArchiveRoundTrip, OfferedDeflatedBytesAreTakenOnlyWhenTheyInflateToTheFile)
{
    std::string text;
    for (int i = 0; text.size() < 100000; ++i)
        text += "Glyph " + std::to_string(i) + " of a face cut down to a book.\n";
    std::string other = text;
    other[500] ^= 1;
    const auto deflateAtOne = [](const std::string& bytes) {
        z_stream z{};
        deflateInit2(&z, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        std::string out(deflateBound(&z, bytes.size()), '\0');
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
        z.avail_in = static_cast<uInt>(bytes.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = static_cast<uInt>(out.size());
        deflate(&z, Z_FINISH);
        out.resize(z.total_out);
        deflateEnd(&z);
        return out;
    };
    const auto crcOf = [](const std::string& bytes) {
        return static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                                static_cast<uInt>(bytes.size())));
    };
    for (const char* name : {"offered.ttf", "lied.ttf", "named.ttf"})
        WriteFile(dir / (std::string("in/") + name), text);
    ASSERT_EQ(Pack(dir / "in", dir / "plain.zip"), 0);

    const std::string atOne = deflateAtOne(text);
    ASSERT_NE(atOne, PackedEntryBytes(dir / "plain.zip", "offered.ttf"));
    EXPECT_TRUE(OfferDeflatedEntry("offered.ttf", atOne, crcOf(text), text.size()));
    EXPECT_TRUE(OfferDeflatedEntry("lied.ttf", deflateAtOne(other), crcOf(text), text.size()));
    EXPECT_TRUE(OfferDeflatedEntry("another.ttf", atOne, crcOf(text), text.size()));
    ASSERT_EQ(Pack(dir / "in", dir / "offered.zip"), 0);
    ASSERT_EQ(Pack(dir / "in", dir / "stored.zip", '0'), 0);

    const auto contents = ZipContents(dir / "offered.zip");
    ASSERT_TRUE(contents.has_value()) << "every entry unpacks with a good CRC";
    EXPECT_EQ(contents->at("lied.ttf"), text);
    EXPECT_EQ(PackedEntryBytes(dir / "offered.zip", "offered.ttf"), atOne);
    for (const char* name : {"lied.ttf", "named.ttf"})
        EXPECT_EQ(PackedEntryBytes(dir / "offered.zip", name), PackedEntryBytes(dir / "plain.zip", name)) << name;
    EXPECT_EQ(ZipMethods(dir / "stored.zip").at("offered.ttf"), 0) << "level 0 stores";
}

// Every entry of an archive as a packer leaves it, in order: name, method,
// CRC-32, size, compressed bytes, attributes, and the time of a file.
std::vector<std::string> EntryRecords(const std::string& archive)
{
    std::vector<std::string> records;
    zip_t* za = zip_open(archive.c_str(), ZIP_RDONLY, nullptr);
    for (zip_int64_t i = 0; za && i < zip_get_num_entries(za, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(za, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &st);
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(za, static_cast<zip_uint64_t>(i), 0, &system, &attributes);
        const bool folder = std::string(st.name).ends_with('/');
        records.push_back(std::string(st.name) + " method " + std::to_string(st.comp_method) + " crc " +
                          std::to_string(st.crc) + " size " + std::to_string(st.size) + " attributes " +
                          std::to_string(attributes) + (folder ? "" : " time " + std::to_string(st.mtime)) +
                          (folder ? "" : " bytes " + std::to_string(std::hash<std::string>()(PackedEntryBytes(archive, st.name)))));
    }
    if (za)
        zip_discard(za);
    return records;
}

// Entries carried from the book, never unpacked, come out as unpacking and
// packing them gives them, byte for byte and in the same places: stored,
// deflated, empty, larger than what is held in memory, in folders of their
// own or none; a deleted stylesheet stays out. A damaged one fails the
// archive, and nothing is written.
TEST_F(ArchiveRoundTrip, CarriedEntriesComeOutAsUnpackingAndPackingGivesThem)
{
    std::string text;
    for (int i = 0; text.size() < 100000; ++i)
        text += "Line " + std::to_string(i) + " of a page that the fix leaves alone.\n";
    const std::string book = dir / "book.epub";
    zip_t* za = zip_open(book.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    ASSERT_NE(za, nullptr);
    const std::vector<std::tuple<std::string, std::string, int>> entries = {
        {"mimetype", "application/epub+zip", ZIP_CM_STORE},
        {"META-INF/container.xml", "<container/>", ZIP_CM_DEFLATE},
        {"OEBPS/content.opf", "<package><manifest></manifest></package>", ZIP_CM_DEFLATE},
        {"OEBPS/Text/page.xhtml", text, ZIP_CM_DEFLATE},
        {"OEBPS/Text/stored.xhtml", text, ZIP_CM_STORE},
        {"OEBPS/Text/Empty.xhtml", "", ZIP_CM_STORE},
        {"OEBPS/Text/empty-deflated.xhtml", "", ZIP_CM_DEFLATE},
        {"OEBPS/Images/noise.bin", RandomBytes(30000, 4), ZIP_CM_DEFLATE},
        {"OEBPS/Images/scan.bin", RandomBytes(9u << 20, 5), ZIP_CM_STORE},
        {"OEBPS/Styles/book.css", "p { margin: 0; }", ZIP_CM_DEFLATE},
        {"OEBPS/Empty/", "", ZIP_CM_STORE},
        {"cover.jpg", RandomBytes(3000, 6), ZIP_CM_STORE},
    };
    for (const auto& [name, bytes, method] : entries) {
        const zip_int64_t at = name.ends_with('/') ? zip_dir_add(za, name.c_str(), 0)
                                                   : zip_file_add(za, name.c_str(),
                                                                  zip_source_buffer(za, bytes.data(), bytes.size(), 0), 0);
        ASSERT_GE(at, 0) << name;
        zip_set_file_compression(za, static_cast<zip_uint64_t>(at), method, 1);
        zip_file_set_mtime(za, static_cast<zip_uint64_t>(at), 1700000000, 0);
    }
    ASSERT_EQ(zip_close(za), 0);

    // As the fix did it before: everything unpacked, the stylesheet
    // deleted, the folder packed with the book as the reference.
    const std::vector<std::string> edited = {"*.css", "*content.opf", "META-INF/container.xml"};
    ASSERT_EQ(Unpack(book, dir / "all"), 0);
    std::filesystem::remove(dir / "all/OEBPS/Styles/book.css");
    ASSERT_EQ(Pack(dir / "all", dir / "unpacked.epub"), 0);
    ZipRequest& r = TheZipRequest();
    r.szReferenceZip = book;
    r.zipFileName = dir / "unpacked.epub";
    std::filesystem::remove(dir / "unpacked.epub");
    ASSERT_EQ(RunZip(), 0);

    // Only what the fix edits unpacked; the rest carried.
    UnzipRequest& u = TheUnzipRequest();
    u.C_flag = 1;
    u.includeCount = 3;
    for (int i = 0; i < 3; ++i)
        u.includeNames[static_cast<std::size_t>(i)] = edited[static_cast<std::size_t>(i)];
    u.lpszExtractDir = dir / "some";
    ASSERT_EQ(RunUnzip(), 0);
    u = UnzipRequest{};
    std::filesystem::remove(dir / "some/OEBPS/Styles/book.css");
    r.szRootDir = dir / "some";
    r.zipFileName = dir / "carried.epub";
    r.carryAllBut = edited;
    ASSERT_EQ(RunZip(), 0);
    ASSERT_EQ(EntryRecords(dir / "unpacked.epub").size(), 16u) << "every entry and folder but the stylesheet";
    EXPECT_EQ(EntryRecords(dir / "carried.epub"), EntryRecords(dir / "unpacked.epub"));
    EXPECT_EQ(ZipEntryNames(dir / "carried.epub").front(), "mimetype");
    EXPECT_FALSE(std::filesystem::exists(dir / "some/OEBPS/Text")) << "nothing carried is written out";

    DamageEntryData(book, "OEBPS/Text/page.xhtml");
    r.zipFileName = dir / "damaged.epub";
    r.carryAllBut = edited;
    EXPECT_EQ(RunZip(), RunZipCarriedEntryRefused);
    EXPECT_FALSE(std::filesystem::exists(dir / "damaged.epub"));
    r = ZipRequest{};
}

// Entries checked ahead are taken only from the book they were checked in,
// unchanged since: a book rewritten meanwhile is carried as it now is.
TEST_F(ArchiveRoundTrip, EntriesCheckedAheadAreTakenOnlyFromTheSameUnchangedBook)
{
    const std::string book = dir / "book.epub";
    const std::vector<std::string> edited = {"*.css", "*content.opf", "META-INF/container.xml"};
    auto write = [&](const std::string& page) {
        BuildZip(book, {{"mimetype", "application/epub+zip", EntrySpec::File, true},
                        {"OEBPS/content.opf", "<package/>"},
                        {"OEBPS/page.xhtml", page},
                        {"OEBPS/photo.jpg", RandomBytes(300000, 2)}});
    };
    // Checked ahead with the options the archive is written with.
    auto checkAhead = [&] {
        TheZipRequest().fLevel = '9';
        PrefetchReferenceEntries(book, edited);
    };
    auto packCarrying = [&](const std::string& archive) {
        CarryingRequest(dir / "edited", archive, book, edited);
        EXPECT_EQ(RunZip(), 0);
        TheZipRequest() = ZipRequest{};
    };
    std::filesystem::create_directories(dir / "edited/OEBPS");
    WriteFile(dir / "edited/OEBPS/content.opf", "<package/>");

    write(std::string(50000, 'a'));
    packCarrying(dir / "plain.epub");
    checkAhead();
    packCarrying(dir / "ahead.epub");
    EXPECT_EQ(EntryRecords(dir / "ahead.epub"), EntryRecords(dir / "plain.epub"));

    checkAhead();
    write(std::string(50000, 'b'));
    packCarrying(dir / "rewritten.epub");
    const auto contents = ZipContents(dir / "rewritten.epub");
    ASSERT_TRUE(contents.has_value());
    EXPECT_TRUE(contents->at("OEBPS/page.xhtml") == std::string(50000, 'b')) << "the book as it was before";
    PrefetchReferenceEntries({}, {});
}

// The fix may see the inflated bytes of carried entries it names (content
// documents) before the archive is written: in the archive's order, each
// checked, none written out; the archive then carries them as it would
// have. It may read their first bytes alone, and put bytes before theirs.
// A damaged one is refused, as carrying it would be.
TEST_F(ArchiveRoundTrip, CarriedEntriesAreSeenAndPrefixedWithoutBeingWrittenOut)
{
    const std::string book = dir / "book.epub";
    const std::string page = "<html><body><p>Gr\xC3\xBC\xC3\x9F Gott</p></body></html>\n";
    BuildZip(book, {{"mimetype", "application/epub+zip", EntrySpec::File, true},
                    {"OEBPS/content.opf", "<package/>"},
                    {"OEBPS/Text/b.xhtml", page + std::string(5000, ' ')},
                    {"OEBPS/Text/A.XHTML", page, EntrySpec::File, true},
                    {"OEBPS/pic.bin", RandomBytes(50000, 3)}});
    const std::vector<std::string> edited = {"*.css", "*content.opf", "META-INF/container.xml"};
    WriteFile(dir / "edited/OEBPS/content.opf", "<package/>");
    auto carrying = [&](const std::string& archive) { CarryingRequest(dir / "edited", archive, book, edited); };
    carrying(dir / "plain.epub");
    ASSERT_EQ(RunZip(), 0);

    carrying(dir / "seen.epub");
    std::vector<std::pair<std::string, std::string>> seen;
    EXPECT_EQ(SeeCarriedEntries({"*.xhtml"}, [&](const std::string& name, std::string_view bytes) {
                  seen.emplace_back(name, bytes);
                  return true;
              }),
              2);
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::string>>{
                        {"OEBPS/Text/A.XHTML", page}, {"OEBPS/Text/b.xhtml", page + std::string(5000, ' ')}}));
    EXPECT_FALSE(std::filesystem::exists(dir / "edited/OEBPS/Text"));
    ASSERT_EQ(RunZip(), 0);
    EXPECT_EQ(EntryRecords(dir / "seen.epub"), EntryRecords(dir / "plain.epub"));

    // Their first bytes alone, from the book, for a pass that edits nothing.
    std::vector<std::pair<std::string, std::string>> heads;
    EXPECT_EQ(ReadEntryHeads(book, {"*.xhtml"}, 10, [&](const std::string& name, std::string_view head) {
                  heads.emplace_back(name, head);
                  return true;
              }),
              UnzipSucceeded);
    EXPECT_EQ(heads, (std::vector<std::pair<std::string, std::string>>{{"OEBPS/Text/b.xhtml", page.substr(0, 10)},
                                                                       {"OEBPS/Text/A.XHTML", page.substr(0, 10)}}));

    // An edit that puts bytes first keeps the entry's compressed bytes,
    // deflated or stored, behind them.
    carrying(dir / "prefixed.epub");
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
    TheZipRequest().carriedPrefixes = {{"OEBPS/Text/b.xhtml", declaration}, {"OEBPS/Text/A.XHTML", declaration}};
    ASSERT_EQ(RunZip(), 0);
    const auto prefixed = ZipContents(dir / "prefixed.epub");
    ASSERT_TRUE(prefixed.has_value()) << "every CRC-32 holds";
    EXPECT_EQ(prefixed->at("OEBPS/Text/b.xhtml"), declaration + page + std::string(5000, ' '));
    EXPECT_EQ(prefixed->at("OEBPS/Text/A.XHTML"), declaration + page);
    EXPECT_TRUE(PackedEntryBytes(dir / "prefixed.epub", "OEBPS/Text/b.xhtml")
                    .ends_with(PackedEntryBytes(book, "OEBPS/Text/b.xhtml")));

    DamageEntryData(book, "OEBPS/Text/b.xhtml");
    carrying(dir / "damaged.epub");
    EXPECT_EQ(SeeCarriedEntries({"*.xhtml"}, [](const std::string&, std::string_view) { return true; }),
              RunZipCarriedEntryRefused);
    EXPECT_EQ(RunZip(), RunZipCarriedEntryRefused);
    EXPECT_FALSE(std::filesystem::exists(dir / "damaged.epub"));
    TheZipRequest() = ZipRequest{};
}

// A transform that gives every entry it is shown "new NAME", but keeps
// those whose name ends in "keep.pic"; it counts what it is shown.
int Renew(const char* name, const char* data, uint64_t, void (*put)(void*, const char*, uint64_t), void* sink,
          void* context)
{
    ++*static_cast<std::atomic<int>*>(context);
    if (std::string_view(name).ends_with("keep.pic") || !data)
        return 0;
    const std::string renewed = std::string("new ") + name;
    put(sink, renewed.data(), renewed.size());
    return 1;
}

// The carried entries a transform names are shown to it as they are
// packed, and stored with the bytes it gives; those it keeps, and those it
// does not name, keep their compressed bytes. What was transformed while
// checked ahead is taken only by an archive that transforms alike.
TEST_F(ArchiveRoundTrip, CarriedEntriesAreTransformedAsTheyArePacked)
{
    const std::string book = dir / "book.epub";
    BuildZip(book, {{"mimetype", "application/epub+zip", EntrySpec::File, true},
                    {"OEBPS/content.opf", "<package/>"},
                    {"OEBPS/a.pic", std::string(30000, 'a')},
                    {"OEBPS/b.PIC", RandomBytes(20000, 5), EntrySpec::File, true},
                    {"OEBPS/keep.pic", std::string(30000, 'k')},
                    {"OEBPS/other.bin", std::string(30000, 'o')}});
    const std::vector<std::string> edited = {"*content.opf"};
    WriteFile(dir / "edited/OEBPS/content.opf", "<package/>");
    std::atomic<int> shown{0};
    const CarriedTransform renew{{"*.pic"}, Renew, &shown};
    const auto write = [&](const std::string& archive, bool transform) {
        CarryingRequest(dir / "edited", archive, book, edited).carriedTransform =
            transform ? std::optional(renew) : std::nullopt;
        EXPECT_EQ(RunZip(), 0);
        const auto contents = ZipContents(archive);
        EXPECT_TRUE(contents.has_value()) << "every CRC-32 holds";
        return contents.value_or(std::map<std::string, std::string>{});
    };

    const auto renewed = write(dir / "renewed.epub", true);
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(renewed.at("OEBPS/a.pic"), "new OEBPS/a.pic");
    EXPECT_EQ(renewed.at("OEBPS/b.PIC"), "new OEBPS/b.PIC");
    EXPECT_EQ(ZipMethods(dir / "renewed.epub").at("OEBPS/a.pic"), 0) << "stored";
    for (const char* kept : {"OEBPS/keep.pic", "OEBPS/other.bin"})
        EXPECT_EQ(PackedEntryBytes(dir / "renewed.epub", kept), PackedEntryBytes(book, kept)) << kept;

    PrefetchReferenceEntries(book, edited, {}, renew);
    EXPECT_EQ(write(dir / "plain.epub", false).at("OEBPS/a.pic"), std::string(30000, 'a'))
        << "transformed ahead, but not asked for";
    PrefetchReferenceEntries(book, edited, {}, renew);
    EXPECT_EQ(write(dir / "again.epub", true), renewed);
    PrefetchReferenceEntries({}, {});
    TheZipRequest() = ZipRequest{};
}

TEST_F(ArchiveRoundTrip, PackingPrintsAddingLinesUnlessQuiet)
{
    WriteFile(dir / "in/a.txt", std::string(1000, 'a'));
    PackRequest(dir / "in", dir / "a.zip").fQuiet = 0;
    ASSERT_EQ(RunZip(), 0);
    EXPECT_NE(prompter.printed.find("  adding: a.txt (deflated "), std::string::npos);
}

// A file that fails as it is read, or gives other than the bytes it had
// when it was opened, is never packed as if it were whole: the packing
// fails, naming the file and the reason, and writes no archive. The
// system's own files do both without any timing: /proc/self/mem cannot be
// read from its start, a file of /proc says it is empty and is not, and
// one of /sys says it holds a page and holds a line.
TEST_F(ArchiveRoundTrip, AFileThatFailsOrChangesAsItIsReadIsNeverPacked)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> files = {
        {"/proc/self", "mem", "Read error: Input/output error"},
        {"/proc/self", "status", "it changed while it was read"},
        {"/sys/devices/system/cpu", "online", "it changed while it was read"},
    };
    for (const auto& [folder, name, reason] : files) {
        if (!std::filesystem::exists(folder + "/" + name))
            continue;
        ZipRequest& r = PackRequest(folder, dir / "x.zip");
        r.fileNames[0] = name;
        EXPECT_EQ(RunZip(), ZE_READ) << name;
        EXPECT_EQ(r.printText, "zip error: cannot read " + name + " (" + reason + ")\n");
        EXPECT_FALSE(std::filesystem::exists(dir / "x.zip")) << name;
    }
}

TEST_F(ArchiveRoundTrip, ZipOptionsAndResults)
{
    WriteFile(dir / "in/.hidden", "h");
    WriteFile(dir / "in/sub/a.css", "a");
    WriteFile(dir / "in/b.txt", "b");
    ZipRequest& r = TheZipRequest();
    ASSERT_EQ(Pack(dir / "in", dir / "all.zip"), 0);
    EXPECT_EQ(ZipEntryNames(dir / "all.zip"), (std::vector<std::string>{".hidden", "b.txt", "sub/", "sub/a.css"}))
        << "a leading dot hides nothing";

    Pack(dir / "in", dir / "none.zip");
    r.fileNames[0] = "*.nothing";
    r.zipFileName = dir / "none2.zip";
    EXPECT_EQ(RunZip(), ZE_NONE);
    EXPECT_FALSE(std::filesystem::exists(dir / "none2.zip"));

    r.fileNames[0] = "*";
    r.fNoDirEntries = 1;
    r.zipFileName = dir / "sys.zip";
    ASSERT_EQ(RunZip(), 0);
    EXPECT_EQ(ZipEntryNames(dir / "sys.zip"), (std::vector<std::string>{".hidden", "b.txt", "sub/a.css"}));

    r.szRootDir = dir / "missing";
    r.zipFileName = dir / "x.zip";
    EXPECT_EQ(RunZip(), ZE_OPEN);

    r.szRootDir = dir / "in";
    r.zipFileName = dir / "no/such/folder/x.zip";
    EXPECT_NE(RunZip(), 0);

    // Two files whose names readers read alike ("caf\x82" is CP437 for
    // "café"): packing refuses rather than keep one of them.
    WriteFile(dir / "alike/caf\x82.gif", "one");
    WriteFile(dir / "alike/caf\xC3\xA9.gif", "two");
    EXPECT_EQ(Pack(dir / "alike", dir / "alike.zip"), ZE_SAMENAME);
    EXPECT_FALSE(std::filesystem::exists(dir / "alike.zip"));
}

TEST_F(ArchiveRoundTrip, ExistingFilesAreOverwrittenOrAskedAbout)
{
    BuildZip(dir / "a.zip", {{"a.txt", "new"}});
    WriteFile(dir / "out/a.txt", "old");
    UnzipRequest& r = TheUnzipRequest();
    r = UnzipRequest{};
    r.lpszZipFN = dir / "a.zip";
    r.lpszExtractDir = dir / "out";
    r.ndflag = 1;
    EXPECT_EQ(RunUnzip(), 0);
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), "old") << "neither forced nor asked: kept";

    r.PromptToOverwrite = 1;
    prompter.messageAnswers = {MessageAnswer::No};
    RunUnzip();
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), "old");
    prompter.messageAnswers = {MessageAnswer::Yes};
    RunUnzip();
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), "new");
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_NE(prompter.messages[0].text.find("out/a.txt"), std::string::npos);

    WriteFile(dir / "out/a.txt", "old");
    r.PromptToOverwrite = 0;
    r.noflag = 1;
    RunUnzip();
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), "new");
}

TEST_F(ArchiveRoundTrip, ListingGoesThroughTheListingCallbackAndExtractsNothing)
{
    BuildZip(dir / "a.zip", {{"mimetype", "application/epub+zip"}, {"OEBPS/a.css", "x"}});
    UnzipRequest& r = TheUnzipRequest();
    r = UnzipRequest{};
    r.nvflag = 1;
    r.lpszZipFN = dir / "a.zip";
    r.lpszExtractDir = dir / "out";
    EXPECT_EQ(RunUnzip(), 0);
    EXPECT_EQ(r.listedCount, 2);
    EXPECT_EQ(r.listingText.substr(82, 8), "mimetype");
    EXPECT_FALSE(std::filesystem::exists(dir / "out/mimetype"));
}

// A password other than "pw" that libzip's header check lets through.
std::string WrongPasswordPassingTheCheckByte(const std::string& archivePath)
{
    int error = 0;
    zip_t* za = zip_open(archivePath.c_str(), ZIP_RDONLY, &error);
    EXPECT_NE(za, nullptr);
    for (int i = 0; za && i < 100000; ++i) {
        std::string candidate(1, 'w');
        candidate += std::to_string(i);
        if (zip_file_t* file = zip_fopen_encrypted(za, "secret.txt", 0, candidate.c_str())) {
            zip_fclose(file);
            zip_close(za);
            return candidate;
        }
    }
    ADD_FAILURE() << "no wrong password passes the check byte";
    if (za)
        zip_close(za);
    return "wrong";
}

TEST_F(ArchiveRoundTrip, EncryptedEntriesAskForThePassword)
{
    WriteFile(dir / "in/secret.txt", "hidden text");
    ASSERT_EQ(std::system(("cd '" + (dir / "in") + "' && zip -q -P pw '" + (dir / "trad.zip") + "' secret.txt").c_str()),
              0);
    // One wrong password in 256 passes the traditional check byte; it must be
    // asked again all the same, never taken for the right one.
    const std::string slipsThrough = WrongPasswordPassingTheCheckByte(dir / "trad.zip");
    prompter.inputAnswers = {"wrong", slipsThrough, "pw"};
    EXPECT_EQ(Unpack(dir / "trad.zip", dir / "out"), 0);
    EXPECT_EQ(ReadFile(dir / "out/secret.txt"), "hidden text");
    EXPECT_EQ(prompter.questions.size(), 3u) << "asked again after each wrong password";

    prompter.inputAnswers.clear();
    EXPECT_EQ(Unpack(dir / "trad.zip", dir / "out2"), UZ_BADPWD);
    EXPECT_FALSE(std::filesystem::exists(dir / "out2/secret.txt"));
}

TEST_F(ArchiveRoundTrip, AesEncryptedEntriesToo)
{
    WriteFile(dir / "in/secret.txt", "aes text");
    ZipRequest& r = TheZipRequest();
    Pack(dir / "in", dir / "plain.zip");
    r.fEncrypt = 1;
    r.zipFileName = dir / "aes.zip";
    prompter.inputAnswers = {"pw"};
    ASSERT_EQ(RunZip(), 0);
    prompter.inputAnswers = {"pw"};
    EXPECT_EQ(Unpack(dir / "aes.zip", dir / "out"), 0);
    EXPECT_EQ(ReadFile(dir / "out/secret.txt"), "aes text");
}

}  // namespace

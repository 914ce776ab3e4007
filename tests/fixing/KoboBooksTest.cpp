// Kobo books end to end through the batch run: the spans in every document of the spine, the new name
// NAME.kepub.epub, and every book that must keep its name and bytes.
#include "BatchRun.h"
#include "BookBuilder.h"
#include "BookReplacement.h"
#include "FakePrompter.h"
#include "FakeWindow.h"
#include "RunTimeError.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <future>
#include <sstream>
#include <map>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Package(const std::string& version)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"" +
           version +
           "\" unique-identifier=\"uid\">\n<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
           "<dc:identifier id=\"uid\">urn:uuid:12345678-1234-4234-8234-123456789abc</dc:identifier>\n"
           "<dc:title>A Book</dc:title><dc:language>en</dc:language>\n</metadata>\n<manifest>\n"
           "<item id=\"c0\" href=\"a.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "<item id=\"c1\" href=\"notes.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "<item id=\"css\" href=\"style.css\" media-type=\"text/css\"/>\n</manifest>\n"
           "<spine><itemref idref=\"c0\"/></spine>\n</package>\n";
}

std::string Page(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>T"
           "</title><link rel=\"stylesheet\" href=\"style.css\"/></head>\n<body>" +
           body + "</body></html>\n";
}

// The test window, which follows a book that takes a new name as the
// main window does.
class RenamingWindow : public FakeWindow {
public:
    void BookRenamed(std::size_t index, const std::string& newPath) override
    {
        renamed.push_back(newPath);
        std::string& entry = entries.at(index).first;
        entry = (fs::path(entry).parent_path() / fs::path(newPath).filename()).string();
    }
    void BookFinished(std::size_t index, BookOutcome outcome, const std::string& why) override
    {
        outcomes[entries.at(index).first] = {outcome, why};
    }
    std::vector<std::string> renamed;
    std::map<std::string, std::pair<BookOutcome, std::string>> outcomes;
};

class KoboBooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (runtime / "data").c_str(), 1);
        SettingsStore::LoadOptions();
        SettingsStore::PutOption(OptionKey::KeepOriginals, false);
        // Kobo books alone, but where a test asks for another option.
        for (const char* key : {OptionKey::IntlFonts, OptionKey::FontSizes, OptionKey::JustifyText,
                                OptionKey::LineHeights, OptionKey::PageMargins, OptionKey::FontFamilies,
                                OptionKey::TextColors})
            SettingsStore::PutOption(key, false);
        SettingsStore::PutOption(OptionKey::KoboBooks, true);
        window.folder = library.path();
    }
    void TearDown() override
    {
        ::unsetenv("XDG_RUNTIME_DIR");
        ::unsetenv("XDG_DATA_HOME");
    }

    std::string Book(const std::string& entry, const std::string& page, const std::string& version = "3.0")
    {
        fs::create_directories(fs::path(library / entry).parent_path());
        BuildZip(library / entry,
                 {{"mimetype", "application/epub+zip", EntrySpec::File, true},
                  {"META-INF/container.xml",
                   "<?xml version=\"1.0\"?><container version=\"1.0\" "
                   "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile full-path=\""
                   "OEBPS/content.opf\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>"},
                  {"OEBPS/content.opf", Package(version)},
                  {"OEBPS/style.css", "p { font-size: 12pt; }\n"},
                  {"OEBPS/a.xhtml", page},
                  {"OEBPS/notes.xhtml", Page("<p>Not in the spine.</p>")}});
        window.Add(entry);
        return library / entry;
    }

    ScratchSettings settings;
    TempFolder library, runtime;
    FakePrompter prompter;
    RenamingWindow window;
};

}  // namespace

// A book becomes NAME.kepub.epub with the spans in the spine's documents
// (the style without its class in EPUB 2), the old name gone; a second
// pass changes nothing; the dry run says what the run then does.
TEST_F(KoboBooks, ABookBecomesAKoboBookOnceUnderItsNewName)
{
    const std::string page = Page("<p>One. Two.</p><p><img src=\"x.png\" alt=\"\"/></p>");
    Book("a.epub", page);
    Book("sub/old.epub", page, "2.0");

    ASSERT_EQ(StartBatchRun(window, {false, true}), RunOutcome::Summary);
    EXPECT_EQ(window.outcomes["a.epub"].second, "3 sentences and pictures in Kobo's spans; would become a.kepub.epub");
    EXPECT_TRUE(fs::exists(library / "a.epub") && !fs::exists(library / "a.kepub.epub"));

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    EXPECT_FALSE(fs::exists(library / "a.epub"));
    EXPECT_FALSE(fs::exists(library / "a.kepub.epub.tmp"));
    EXPECT_EQ(window.renamed, (std::vector<std::string>{library / "a.kepub.epub", library / "sub/old.kepub.epub"}));
    EXPECT_EQ(window.entries.at(0).first, "a.kepub.epub");
    EXPECT_EQ(window.outcomes["a.kepub.epub"].second, "3 sentences and pictures in Kobo's spans; now a.kepub.epub");
    const std::string three = EntryBytes(library / "a.kepub.epub", "OEBPS/a.xhtml");
    EXPECT_NE(three.find("<body><div id=\"book-columns\"><div id=\"book-inner\"><p><span class=\"koboSpan\" "
                         "id=\"kobo.1.1\">One. </span><span class=\"koboSpan\" id=\"kobo.1.2\">Two.</span></p><p>"
                         "<span class=\"koboSpan\" id=\"kobo.3.1\"><img src=\"x.png\" alt=\"\"/></span></p>"
                         "</div></div></body>"),
              std::string::npos)
        << three;
    EXPECT_NE(three.find("class=\"kobostylehacks\""), std::string::npos);
    const std::string two = EntryBytes(library / "sub/old.kepub.epub", "OEBPS/a.xhtml");
    EXPECT_NE(two.find("<style type=\"text/css\">div#book-inner"), std::string::npos);
    EXPECT_EQ(two.find("kobostylehacks"), std::string::npos) << "XHTML 1.1 allows no class on style";
    EXPECT_EQ(EntryBytes(library / "a.kepub.epub", "OEBPS/notes.xhtml"), Page("<p>Not in the spine.</p>"));

    const std::string once = ReadFile(library / "a.kepub.epub");
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_TRUE(ReadFile(library / "a.kepub.epub") == once) << "a second pass changes nothing";
    EXPECT_EQ(window.outcomes["a.kepub.epub"].first, BookOutcome::Untouched);
    EXPECT_EQ(window.renamed.size(), 2u);
}

// Books that keep their names and their bytes: one whose new name is
// taken (as a crash between the rename and the removal leaves it: both
// names, the new one converted already), one in a calibre library, one
// with Kobo's spans already, one whose document does not read as XML.
TEST_F(KoboBooks, WhatCannotBeRenamedOrEditedSafelyIsLeftAsItIs)
{
    const std::string page = Page("<p>One.</p>");
    const std::string taken = Book("taken.epub", page);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    ASSERT_TRUE(fs::exists(library / "taken.kepub.epub"));
    const std::string converted = ReadFile(library / "taken.kepub.epub");
    Book("taken.epub", page);  // as it was before the removal
    const std::string calibre = Book("calibre/Author/Title (1)/Title.epub", page);
    WriteFile(library / "calibre/metadata.db", "SQLite format 3");
    const std::string spans = Book("store.epub", Page("<p><span class=\"koboSpan\" id=\"kobo.1.1\">A.</span></p>"));
    const std::string broken = Book("broken.epub", Page("<p>One.</b>"));
    std::map<std::string, std::string> before;
    for (const std::string& book : {taken, calibre, spans, broken})
        before[book] = ReadFile(book);

    window.entries.erase(window.entries.begin());  // the converted book
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    for (const auto& [book, bytes] : before)
        EXPECT_TRUE(ReadFile(book) == bytes) << book;
    EXPECT_TRUE(ReadFile(library / "taken.kepub.epub") == converted) << "nothing lost";
    EXPECT_EQ(window.renamed.size(), 1u);
    EXPECT_EQ(window.outcomes["taken.epub"],
              std::make_pair(BookOutcome::LeftAlone, std::string("taken.kepub.epub already exists")));
    EXPECT_EQ(window.outcomes["calibre/Author/Title (1)/Title.epub"],
              std::make_pair(BookOutcome::LeftAlone, calibre + " is in a calibre library; calibre's own Kobo "
                                                               "driver converts it as it sends it"));
    EXPECT_EQ(window.outcomes["store.epub"].first, BookOutcome::Untouched);
    EXPECT_FALSE(fs::exists(library / "store.kepub.epub"));
    EXPECT_EQ(window.outcomes["broken.epub"].first, BookOutcome::LeftAlone);
    EXPECT_EQ(window.outcomes["broken.epub"].second.rfind("OEBPS/a.xhtml does not read as XML (line ", 0), 0u)
        << window.outcomes["broken.epub"].second;
}

// With the stylesheets deleted and the originals kept, the book is packed
// once with both: no stylesheet, the spans, the new name, and the
// original under its old name in the Trash.
TEST_F(KoboBooks, WorksWithTheStylesheetsDeletedAndTheOriginalsKept)
{
    SettingsStore::PutOption(OptionKey::DeleteCSS, true);
    SettingsStore::PutOption(OptionKey::KeepOriginals, true);
    const std::string book = Book("a.epub", Page("<p>One.</p>"));
    const std::string original = ReadFile(book);

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    const std::string kobo = library / "a.kepub.epub";
    const std::vector<std::string> names = ZipEntryNames(kobo);
    EXPECT_EQ(std::count(names.begin(), names.end(), "OEBPS/style.css"), 0);
    const std::string page = EntryBytes(kobo, "OEBPS/a.xhtml");
    EXPECT_EQ(page.find("<link"), std::string::npos);
    EXPECT_NE(page.find("<span class=\"koboSpan\" id=\"kobo.1.1\">One.</span>"), std::string::npos);
    EXPECT_FALSE(fs::exists(book));
    EXPECT_TRUE(ReadFile(runtime / "data/Trash/files/a.epub") == original);
}

// The rename that gives a book its new name never replaces a file: one
// that took the name meanwhile stays, and so does the new book.
TEST_F(KoboBooks, TheNewNameNeverReplacesAFile)
{
    WriteFile(library / "a.kepub.epub.tmp", "new");
    WriteFile(library / "a.kepub.epub", "someone else's");
    EXPECT_THROW(RenameNoReplace(library / "a.kepub.epub.tmp", library / "a.kepub.epub"), RunTimeError);
    EXPECT_EQ(ReadFile(library / "a.kepub.epub"), "someone else's");
    EXPECT_EQ(ReadFile(library / "a.kepub.epub.tmp"), "new");
    fs::remove(library / "a.kepub.epub");
    RenameNoReplace(library / "a.kepub.epub.tmp", library / "a.kepub.epub");
    EXPECT_EQ(ReadFile(library / "a.kepub.epub"), "new");
    EXPECT_FALSE(fs::exists(library / "a.kepub.epub.tmp"));
}

namespace {

// The kinds of the errors epubcheck reports for book, one a line, those of
// the first line of each report.
std::string EpubcheckErrors(const std::string& book, const std::string& report)
{
    std::system(("java -XX:TieredStopAtLevel=1 -XX:+UseSerialGC -jar /usr/share/java/epubcheck.jar '" + book +
                 "' > '" + report + "' 2>&1")
                    .c_str());
    std::string errors;
    std::istringstream lines(ReadFile(report));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("ERROR", 0) == 0 || line.rfind("FATAL", 0) == 0)
            errors += line.substr(0, line.find(':')) + "\n";
    return errors;
}

}  // namespace

// epubcheck finds nothing in a Kobo book that it did not find in the book
// before: the style element without its class in EPUB 2, the spans in
// headings, lists, tables and emphasis, code left as it is.
TEST_F(KoboBooks, EpubcheckFindsNoNewErrors)
{
    if (std::system("java -version > /dev/null 2>&1") != 0 || !fs::exists("/usr/share/java/epubcheck.jar"))
        GTEST_SKIP() << "epubcheck is not installed";
    const std::string body = "<h1>Title</h1><p>One sentence. \u201CTwo!\u201D Three\u2026 <em>four. five</em> six.</p>"
                             "<p><img src=\"../Images/pic.png\" alt=\"a dot\"/> after.</p><ul><li>item</li></ul>"
                             "<table><tr><td>cell. cell</td></tr></table><pre>a. b</pre>";
    std::vector<std::string> books, before;
    for (const EpubVersion version : {EpubVersion::Two, EpubVersion::Three}) {
        const std::string name = version == EpubVersion::Two ? "two" : "three";
        const std::string book = library / (name + ".epub");
        MakeEpub(book, version);
        std::string page = EntryBytes(book, "OEBPS/Text/chapter1.xhtml");
        const std::size_t open = page.find('>', page.find("<body")) + 1;
        page.replace(open, page.find("</body>") - open, body);
        BuildZip(book, {{"OEBPS/Text/chapter1.xhtml", page}}, true);
        window.Add(name + ".epub");
        books.push_back(book);
        before.push_back(EpubcheckErrors(book, runtime / (name + ".txt")));
    }
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    std::vector<std::future<std::string>> after;
    for (const std::string& book : books)
        after.push_back(std::async(std::launch::async, [&, book] {
            const std::string kobo = book.substr(0, book.size() - 5) + ".kepub.epub";
            EXPECT_NE(EntryBytes(kobo, "OEBPS/Text/chapter1.xhtml").find("koboSpan"), std::string::npos) << kobo;
            return EpubcheckErrors(kobo, kobo + ".txt");
        }));
    for (std::size_t i = 0; i < books.size(); ++i)
        EXPECT_EQ(after[i].get(), before[i]) << books[i];
}

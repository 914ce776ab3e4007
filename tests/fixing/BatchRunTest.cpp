// The batch run end to end over real books, through our own archive
// libraries.
#include "BatchRun.h"
#include "FontFiles.h"
#include "BookBuilder.h"
#include "ExpectedText.h"
#include "FakeLibrary.h"
#include "FakePrompter.h"
#include "FontSubsets.h"
#include "FakeWindow.h"
#include "ProgramEnd.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "UnzipBinding.h"
#include "WorkingFolder.h"
#include "ZipBinding.h"
#include "ZipFixtures.h"
#include "zip32.h"

#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <cctype>
#include <cstring>
#include <cstdlib>
#include <sstream>
#include <filesystem>
#include <functional>
#include <future>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const char* const FontFiles[] = {"LiberationSerif-Regular.ttf", "LiberationSerif-Italic.ttf",
                                 "LiberationSerif-Bold.ttf", "LiberationSerif-BoldItalic.ttf"};

class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        SettingsStore::LoadOptions();
        window.folder = library.path();
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    void Options(bool sizes, bool justify, bool fonts, bool deleteCss)
    {
        SettingsStore::PutOption(OptionKey::FontSizes, sizes);
        SettingsStore::PutOption(OptionKey::JustifyText, justify);
        SettingsStore::PutOption(OptionKey::IntlFonts, fonts);
        SettingsStore::PutOption(OptionKey::DeleteCSS, deleteCss);
    }
    std::string Book(const std::string& entry, EpubVersion version = EpubVersion::Three)
    {
        const std::string path = library / entry;
        fs::create_directories(fs::path(path).parent_path());
        MakeEpub(path, version);
        window.Add(entry);
        return path;
    }
    std::string OnlyMessage()
    {
        EXPECT_EQ(prompter.messages.size(), 1u);
        return prompter.messages.empty() ? std::string() : prompter.messages.back().text;
    }
    void ExpectNoLeftovers()
    {
        for (const auto& entry : fs::recursive_directory_iterator(library.path()))
            EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
        EXPECT_FALSE(fs::exists(WorkingFolderPath()));
        EXPECT_FALSE(fs::exists(WorkingFolderPath() + ".lock"));
    }

    ScratchSettings settings;
    TempFolder library, runtime;
    FakePrompter prompter;
    FakeWindow window;
};

TEST_F(BatchRunTest, ThreeBooksAreFixedInPlaceAndCounted)
{
    Options(true, true, true, false);
    const std::string a = Book("a.epub"), b = Book("Series/Volume 1.epub", EpubVersion::Two), c = Book("c.EPUB");
    const std::string original = ReadFile(a);
    // A book is counted as fixed once, in order, and only once the new book
    // is in its place.
    std::vector<std::size_t> fixedInPlace;
    window.onFinished = [&](std::size_t index, BookOutcome outcome) {
        const auto names = ZipEntryNames(std::vector<std::string>{a, b, c}.at(index));
        if (outcome == BookOutcome::Fixed && std::count(names.begin(), names.end(), FontFiles[0]) == 1)
            fixedInPlace.push_back(index);
    };

    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(fixedInPlace, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (3 epubs fixed.) The original books are in the Trash.");
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(prompter.messages[0].title, "Bindwell");
    EXPECT_EQ(window.events, (std::vector<std::string>{"caption Working", "start off", "cancel off",
                                                       "caption Start", "start on", "cancel on"}));
    EXPECT_EQ(window.started, (std::vector<std::string>{"1/3 a.epub", "2/3 Series/Volume 1.epub", "3/3 c.EPUB"}));
    ExpectNoLeftovers();

    for (const std::string& book : {a, b, c}) {
        const auto names = ZipEntryNames(book);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names[0], "mimetype");
        EXPECT_EQ(FirstLocalHeader(book).method, 0);
        EXPECT_EQ(FirstLocalHeader(book).extraLength, 0);
        // The faces, cut down to the book's characters (SubsetFonts is on
        // until the user says otherwise).
        for (const char* font : FontFiles)
            EXPECT_TRUE(IsCutFace(ReadFile(InstalledFontFolder() + "/" + font), EntryBytes(book, font))) << font;
    }
    // Every entry the fix does not edit comes back byte for byte.
    TempFolder before;
    WriteFile(before / "a.epub", original);
    for (const std::string& name : ZipEntryNames(before / "a.epub")) {
        if (name != BookStylesheet && name != BookPackage) {
            EXPECT_EQ(EntryBytes(a, name), EntryBytes(before / "a.epub", name)) << name;
        }
    }
}

// Each combination the options dialog can save, against texts written out
// by hand from the original stylesheet and package document.
TEST_F(BatchRunTest, EveryOptionCombinationGivesTheExpectedBytes)
{
    const std::string original = "original.epub";
    MakeEpub(library / original, EpubVersion::Three);
    const std::string opf = EntryBytes(library / original, BookPackage);
    fs::remove(library / original);

    for (int bits = 0; bits < 9; ++bits) {
        const bool deleteCss = bits == 8;
        const bool sizes = !deleteCss && (bits & 1), justify = !deleteCss && (bits & 2), fonts = !deleteCss && (bits & 4);
        Options(sizes, justify, fonts, deleteCss);
        window.entries.clear();
        const std::string book = Book("book" + std::to_string(bits) + ".epub");
        prompter.messages.clear();
        ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << OnlyMessage();

        std::string css = sizes ? "body { margin: 0; }\r\np {  text-indent: 1em; }\r\n" : BookCss;
        if (fonts)
            css += "\r\n" + FaceRules("../../") + BodyRule;
        if (justify)
            css += "\r\n" + ParagraphRule;
        if (sizes || fonts || justify)
            css += "\r\n";
        const auto names = ZipEntryNames(book);
        if (deleteCss) {
            EXPECT_EQ(std::count(names.begin(), names.end(), BookStylesheet), 0);
        } else {
            EXPECT_EQ(EntryBytes(book, BookStylesheet), css) << "options " << bits;
        }

        std::string expectedOpf = opf;
        if (fonts)
            expectedOpf.insert(expectedOpf.find("<manifest>") + 10, ManifestItems("../"));
        const std::string cssItem = "<item id=\"css\" href=\"Styles/book.css\" media-type=\"text/css\"/>\r\n";
        if (deleteCss)
            expectedOpf.erase(expectedOpf.find(cssItem), cssItem.size());
        EXPECT_EQ(EntryBytes(book, BookPackage), fonts ? expectedOpf + "\r\n" : expectedOpf) << "options " << bits;
        EXPECT_EQ(std::count(names.begin(), names.end(), "LiberationSerif-Regular.ttf"), fonts ? 1 : 0);
    }
}

// Entries whose names begin with a dot are part of the book: packed back
// byte for byte, and neither edited nor entered by the walk.
TEST_F(BatchRunTest, DotNamedEntriesComeBackByteForByte)
{
    const std::string book = Book("a.epub");
    const std::vector<EntrySpec> dotted = {{".DS_Store", RandomBytes(300, 3)},
                                           {".svn/entries", "12\n"},
                                           {"OEBPS/.extra.css", "p { font-size: 9pt; }"},
                                           {"OEBPS/.hidden/b.css", "q { font-size: 9pt; }"}};
    BuildZip(book, dotted, true);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << OnlyMessage();
    for (const EntrySpec& entry : dotted)
        EXPECT_EQ(EntryBytes(book, entry.name), entry.data) << entry.name;
}

// The bytes of a UTF-8 text in UTF-16LE, with its mark.
std::string Utf16LE(const std::string& utf8)
{
    std::string wide = "\xFF\xFE";
    for (const QChar c : QString::fromUtf8(utf8))
        wide += std::string{static_cast<char>(c.unicode() & 0xFF), static_cast<char>(c.unicode() >> 8)};
    return wide;
}

// A book whose stylesheets, in two folders, are named every way a manifest
// and a content document name them; and where its documents stand once
// the stylesheets are deleted, written out by hand.
struct LinkedStylesheets {
    std::map<std::string, std::string> before, after;  // entry -> bytes, of the documents the fix edits
};

LinkedStylesheets MakeLinkedStylesheets(const std::string& book)
{
    LinkedStylesheets texts;
    const std::string opf = EntryBytes(book, BookPackage), nav = EntryBytes(book, "OEBPS/nav.xhtml");
    const std::string cssItem = "<item id=\"css\" href=\"Styles/book.css\" media-type=\"text/css\"/>\r\n";
    const std::string keptItem = "<item id=\"kept\" href=\"Styles/.kept.css\" media-type=\"text/css\"/>\r\n";
    std::string before = opf, after = opf;
    before.replace(before.find(cssItem), cssItem.size(),
                   cssItem + "  \t<opf:item id=\"space\" href=\"Styles/my%20style.css\" media-type=\"text/css\"/>\r\n" +
                       "<item id=\"local\"\r\n      href=\"./Text/css/local.css\" media-type=\"text/css\"></item>\r\n" +
                       keptItem);
    before.replace(before.find("version=\"3.0\""), 0, "xmlns:opf=\"http://www.idpf.org/2007/opf\" ");
    after.replace(after.find(cssItem), cssItem.size(), keptItem);
    after.replace(after.find("version=\"3.0\""), 0, "xmlns:opf=\"http://www.idpf.org/2007/opf\" ");
    texts.before[BookPackage] = before;
    texts.after[BookPackage] = after;

    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const std::string top = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
                            "  <title>Links</title>\n";
    const std::string kept = "  <link rel=\"icon\" href=\"../Images/pic.png\"/>\n"
                             "  <link rel=\"stylesheet\" href=\"https://example.com/remote.css\"/>\n"
                             "  <link rel=\"stylesheet\" href=\"../Styles/.kept.css\"/>\n";
    const std::string rest = "</head>\n<body><h1>Links</h1><p>Caf\xC3\xA9.</p></body>\n</html>\n";
    texts.before["OEBPS/Text/chapter1.xhtml"] =
        head + "<?xml-stylesheet href=\"../Styles/book.css\" type=\"text/css\"?>\n" + top +
        "  <link rel=\"stylesheet\" type=\"text/css\" href=\"../Styles/book.css\"/>\n"
        "\t<link rel=\"stylesheet\" href=\"./css/local.css\" /> <link href=\"../Styles/my%20style.css\" "
        "rel=\"stylesheet\"></link>  \n" + kept + rest;
    texts.after["OEBPS/Text/chapter1.xhtml"] = head + top + kept + rest;
    // A link beside other elements goes alone.
    texts.before["OEBPS/nav.xhtml"] = nav;
    texts.before["OEBPS/nav.xhtml"].insert(nav.find("</head>"), "<link href=\"Styles/book.css\" rel=\"stylesheet\"/>");
    texts.after["OEBPS/nav.xhtml"] = nav;
    // Edited as its characters, written back in UTF-16; and as bytes.
    const std::string wide = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
                             "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
                             "<head><title>\xCE\xB1\xCE\xB2</title>\r\n";
    const std::string wideRest =
        "</head>\r\n<body><p>\xCE\xB1\xCE\xB2\xCE\xB3 \xF0\x9D\x90\x80</p></body>\r\n</html>\r\n";
    texts.before["OEBPS/Text/wide.xhtml"] =
        Utf16LE(wide + "  <link rel=\"stylesheet\" href=\"css/local.css\"/>\r\n" + wideRest);
    texts.after["OEBPS/Text/wide.xhtml"] = Utf16LE(wide + wideRest);
    const std::string latin = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                              "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head><title>Caf\xE9</title>\n";
    const std::string latinRest = "</head>\n<body><p>\xE9t\xE9</p></body>\n</html>";
    // An instruction on the last line takes the line break before it.
    texts.before["OEBPS/Text/latin.xhtml"] = latin + "<link rel=\"stylesheet\" href=\"../Styles/book.css\"/>\n" +
                                             latinRest + "\n<?xml-stylesheet href=\"../Styles/book.css\"?>";
    texts.after["OEBPS/Text/latin.xhtml"] = latin + latinRest;

    std::vector<EntrySpec> entries = {{"OEBPS/Styles/my style.css", "p { color: red; }\n"},
                                      {"OEBPS/Text/css/local.css", "h1 { margin: 0; }\n"},
                                      {"OEBPS/Styles/.kept.css", "p { margin: 0; }\n"}};
    for (const auto& [name, bytes] : texts.before)
        entries.push_back({name, bytes});
    BuildZip(book, entries, true);
    return texts;
}

// With DeleteCSS the stylesheets' manifest items and the links to them go
// too, byte for byte as if they had never been there, and a second pass
// finds nothing to do. A book with a document that cannot be edited
// safely keeps its stylesheets, and every other byte.
TEST_F(BatchRunTest, DeletedStylesheetsLeaveNoItemOrLinkBehind)
{
    Options(false, false, false, true);
    const std::string linked = Book("linked.epub");
    const LinkedStylesheets texts = MakeLinkedStylesheets(linked);
    const std::string broken = Book("broken.epub");
    std::string chapter = EntryBytes(broken, "OEBPS/Text/chapter1.xhtml");
    BuildZip(broken, {{"OEBPS/Text/chapter1.xhtml", chapter.replace(chapter.find("<img"), 0, "<br>")}}, true);
    const std::string referred = Book("referred.epub");
    std::string opf = EntryBytes(referred, BookPackage);
    opf.insert(opf.find("<item id=\"pic\""),
               "<item id=\"data\" href=\"data.xml\" media-type=\"application/xml\" fallback-style=\"css\"/>\r\n");
    BuildZip(referred, {{BookPackage, opf}, {"OEBPS/data.xml", "<data/>"}}, true);
    // A link that an entity of the chapter's own brings in has no bytes of
    // its own to delete.
    const std::string entity = Book("entity.epub");
    chapter = EntryBytes(entity, "OEBPS/Text/chapter1.xhtml");
    chapter.replace(chapter.find("<link"), chapter.find("</head>") - chapter.find("<link"), "<meta charset=\"utf-8\"/>&css;");
    chapter.replace(chapter.find("<!DOCTYPE html>"), 15,
                    "<!DOCTYPE html [<!ENTITY css '<link rel=\"stylesheet\" href=\"../Styles/book.css\"/>'>]>");
    BuildZip(entity, {{"OEBPS/Text/chapter1.xhtml", chapter}}, true);
    std::map<std::string, std::string> untouched;
    for (const std::string& book : {broken, referred, entity})
        untouched[book] = ReadFile(book);

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(prompter.messages.at(0).details,
              "broken.epub: OEBPS/Text/chapter1.xhtml cannot be edited safely, so the stylesheets are kept\r\n"
              "referred.epub: OEBPS/content.opf cannot be edited safely, so the stylesheets are kept\r\n"
              "entity.epub: OEBPS/Text/chapter1.xhtml cannot be edited safely, so the stylesheets are kept");
    for (const auto& [book, bytes] : untouched)
        EXPECT_EQ(ReadFile(book), bytes) << book;
    const auto names = ZipEntryNames(linked);
    for (const char* css : {BookStylesheet, "OEBPS/Styles/my style.css", "OEBPS/Text/css/local.css"})
        EXPECT_EQ(std::count(names.begin(), names.end(), css), 0) << css;
    EXPECT_EQ(EntryBytes(linked, "OEBPS/Styles/.kept.css"), "p { margin: 0; }\n");
    for (const auto& [name, bytes] : texts.after)
        EXPECT_EQ(EntryBytes(linked, name), bytes) << name;

    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(linked, past);
    const std::string once = ReadFile(linked);
    prompter.messages.clear();
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(ReadFile(linked), once);
    EXPECT_EQ(fs::last_write_time(linked), past) << "a second pass does not pack it again";
}

// Readied for Send to Kindle at once, a chapter loses its link and gains
// its declaration, put first or written into the one it has.
TEST_F(BatchRunTest, DeletedStylesheetsAndSendToKindleEditAChapterTogether)
{
    Options(false, false, false, true);
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    const std::string book = Book("kindle.epub");
    const std::string link = "<link rel=\"stylesheet\" type=\"text/css\" href=\"../Styles/book.css\"/>";
    std::string chapter = EntryBytes(book, "OEBPS/Text/chapter1.xhtml");
    chapter.erase(0, chapter.find('\n') + 1);
    std::string nav = EntryBytes(book, "OEBPS/nav.xhtml");
    nav.replace(0, nav.find('\n'), "<?xml version=\"1.0\"?>");
    const std::string navLink = "  <link href=\"Styles/book.css\" rel=\"stylesheet\"/>\n";
    std::string linkedNav = nav;
    linkedNav.insert(nav.find("</head>"), "\n" + navLink);
    BuildZip(book, {{"OEBPS/Text/chapter1.xhtml", chapter}, {"OEBPS/nav.xhtml", linkedNav}}, true);

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << OnlyMessage();
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
    EXPECT_EQ(EntryBytes(book, "OEBPS/Text/chapter1.xhtml"),
              declaration + "\n" + chapter.erase(chapter.find(link), link.size()));
    linkedNav.erase(linkedNav.find(navLink), navLink.size());
    EXPECT_EQ(EntryBytes(book, "OEBPS/nav.xhtml"), linkedNav.replace(0, linkedNav.find('\n'), declaration));
}

// A second pass over fixed books touches none of them; a book fixed by an
// earlier release (rules and items twice over) gains nothing; options
// turned on between passes add their part once.
TEST_F(BatchRunTest, ASecondPassTouchesNothing)
{
    Options(true, true, true, false);
    Book("a.epub");
    Book("Series/b.epub", EpubVersion::Two);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << OnlyMessage();

    const std::string doubled = Book("doubled.epub");
    const std::string fixedCss = EntryBytes(library / "a.epub", BookStylesheet);
    const std::string fixedOpf = EntryBytes(library / "a.epub", BookPackage);
    BuildZip(doubled, {{BookStylesheet, fixedCss + "\r\n" + FaceRules("../../") + BodyRule + "\r\n" + ParagraphRule},
                       {BookPackage, fixedOpf.substr(0, fixedOpf.find("<manifest>") + 10) + ManifestItems("../") +
                                         fixedOpf.substr(fixedOpf.find("<manifest>") + 10)}},
             true);
    for (const char* font : FontFiles)
        BuildZip(doubled, {{font, ReadFile(InstalledFontFolder() + "/" + font)}}, true);

    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(24);
    std::map<std::string, std::string> before;
    for (const auto& [entry, ticked] : window.entries) {
        fs::last_write_time(library / entry, past);
        before[entry] = ReadFile(library / entry);
    }
    prompter.messages.clear();
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << OnlyMessage();
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (3 epubs fixed.) 3 of them were already as the options "
                             "ask, and were left untouched.");
    for (const auto& [entry, bytes] : before) {
        EXPECT_EQ(ReadFile(library / entry), bytes) << entry;
        EXPECT_EQ(fs::last_write_time(library / entry), past) << entry;
    }
    ExpectNoLeftovers();

    // Fonts off, then on: one set of rules, items and files.
    Options(true, true, false, false);
    window.entries.clear();
    const std::string later = Book("later.epub");
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    Options(true, true, true, false);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    const std::string css = EntryBytes(later, BookStylesheet), opf = EntryBytes(later, BookPackage);
    auto count = [](const std::string& text, const std::string& part) {
        std::size_t n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count(css, FaceRules("../../") + BodyRule), 1u);
    EXPECT_EQ(count(css, ParagraphRule), 1u);
    EXPECT_EQ(count(opf, ManifestItems("../")), 1u);
    const auto names = ZipEntryNames(later);
    EXPECT_EQ(std::count(names.begin(), names.end(), "LiberationSerif-Bold.ttf"), 1);
}

// Each replaced book's original goes to the Trash, and only those: not a
// book that needed nothing, nor one fixed with the option off. A Trash
// that cannot take an original leaves its book as it was.
TEST_F(BatchRunTest, TheOriginalsOfReplacedBooksGoToTheTrash)
{
    Options(true, true, true, false);
    const std::string a = Book("a.epub"), b = Book("Series/b.epub");
    const std::string originalA = ReadFile(a), originalB = ReadFile(b);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (2 epubs fixed.) The original books are in the Trash.");
    const std::string trash = settings.trash();
    EXPECT_EQ(ReadTree(trash + "/files"), (std::map<std::string, std::string>{{"a.epub", originalA},
                                                                                {"b.epub", originalB}}));
    EXPECT_NE(ReadFile(trash + "/info/b.epub.trashinfo").find("\nPath=" + b + "\n"), std::string::npos);

    prompter.messages.clear();
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (2 epubs fixed.) 2 of them were already as the options "
                             "ask, and were left untouched.")
        << "a second pass replaces nothing";
    SettingsStore::PutOption(OptionKey::KeepOriginals, false);
    Book("c.epub");
    prompter.messages.clear();
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (3 epubs fixed.) 2 of them were already as the options "
                             "ask, and were left untouched.");
    window.entries.clear();
    EXPECT_EQ(ReadTree(trash + "/files").size(), 2u) << "the option off";

    SettingsStore::PutOption(OptionKey::KeepOriginals, true);
    window.entries.clear();
    const std::string d = Book("d.epub"), original = ReadFile(d);
    fs::remove_all(trash + "/info");
    WriteFile(trash + "/info", "a file where the folder should be");
    prompter.messages.clear();
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    EXPECT_NE(OnlyMessage().find("The original of \"" + d + "\" could not be put in the Trash"), std::string::npos)
        << OnlyMessage();
    EXPECT_EQ(ReadFile(d), original);
    ExpectNoLeftovers();
}

// Another program that writes the book while it is being fixed wins: the
// book stays as that program left it, and the run ends saying so.
TEST_F(BatchRunTest, ABookChangedMeanwhileIsLeftAsTheOtherProgramWroteIt)
{
    const std::string a = Book("a.epub"), b = Book("b.epub");
    MakeEpub(runtime / "theirs.epub", EpubVersion::Two, "Their Edition");
    const std::string theirs = ReadFile(runtime / "theirs.epub");
    prompter.onEvents = [&] {  // while the fixed book is being packed
        if (fs::exists(WorkingFolderPath() + "/LiberationSerif-Regular.ttf") && ReadFile(a) != theirs)
            WriteFile(a, theirs);
    };
    const std::string originalB = ReadFile(b);
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    EXPECT_EQ(OnlyMessage().rfind(a + "\r\nThe book changed on disk while Bindwell was fixing it", 0), 0u)
        << OnlyMessage();
    EXPECT_EQ(ReadFile(a), theirs);
    EXPECT_EQ(ReadFile(b), originalB) << "the run ends there";
    ExpectNoLeftovers();
}

// With keepGoing, a book whose new archive cannot be put in place fails
// alone: the books waiting with it still take their places.
TEST_F(BatchRunTest, KeepingGoingPastAFailedReplacementReplacesTheBooksWaitingWithIt)
{
    const std::string a = Book("a.epub"), b = Book("b.epub"), c = Book("c.epub");
    const std::string originalA = ReadFile(a);
    prompter.onEvents = [&] {  // before c is fixed, a's new archive is lost
        if (fs::exists(b + ".tmp"))
            fs::remove(a + ".tmp");
    };
    RunPolicy policy;
    policy.keepGoing = true;
    EXPECT_EQ(StartBatchRun(window, policy), RunOutcome::Failure);
    EXPECT_EQ(ReadFile(a), originalA);
    for (const std::string& book : {b, c}) {
        const auto names = ZipEntryNames(book);
        EXPECT_EQ(std::count(names.begin(), names.end(), FontFiles[0]), 1) << book << " in its place";
    }
    ExpectNoLeftovers();
}

// A book reached through a symbolic link is fixed where it is; the link
// stays a link.
TEST_F(BatchRunTest, ABookBehindASymbolicLinkIsFixedWhereItIs)
{
    TempFolder elsewhere;
    MakeEpub(elsewhere / "real.epub", EpubVersion::Three);
    const std::string original = ReadFile(elsewhere / "real.epub");
    fs::create_symlink(elsewhere / "real.epub", library / "linked.epub");
    window.Add("linked.epub");
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << OnlyMessage();
    EXPECT_TRUE(fs::is_symlink(library / "linked.epub"));
    EXPECT_NE(ReadFile(elsewhere / "real.epub"), original);
    EXPECT_EQ(ZipEntryNames(elsewhere / "real.epub").at(0), "mimetype");
    EXPECT_FALSE(fs::exists(library / "linked.epub.tmp"));
    EXPECT_FALSE(fs::exists(elsewhere / "real.epub.tmp"));
}

TEST_F(BatchRunTest, UntickedBooksAreSkippedAndNotCounted)
{
    const std::string a = Book("a.epub"), b = Book("b.epub"), c = Book("c.epub");
    window.entries[1].second = false;
    const std::string untouched = ReadFile(b);
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (2 epubs fixed.) The original books are in the Trash.");
    EXPECT_EQ(ReadFile(b), untouched);
}

TEST_F(BatchRunTest, NothingTickedOrNoFolderText)
{
    Book("a.epub");
    window.entries[0].second = false;
    fs::create_directories(WorkingFolderPath());  // a leftover of an earlier run
    EXPECT_EQ(StartBatchRun(window), RunOutcome::NoBooksSelected);
    EXPECT_EQ(OnlyMessage(), "No books fixed - no books selected.");
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    ExpectNoLeftovers();

    prompter.messages.clear();
    window.folder = "";
    fs::create_directories(WorkingFolderPath());
    EXPECT_EQ(StartBatchRun(window), RunOutcome::EmptyFolderText);
    EXPECT_EQ(OnlyMessage(), "Please enter the path to the folder containing your ebooks.");
    EXPECT_TRUE(fs::exists(WorkingFolderPath())) << "nothing is touched on disk";
    EXPECT_EQ(window.events.back(), "cancel on");
}

TEST_F(BatchRunTest, TheSecondOfThreeFailingToPackStopsTheRun)
{
    const std::string a = Book("a.epub"), b = Book("b.epub"), c = Book("c.epub");
    const std::string originalA = ReadFile(a), originalB = ReadFile(b), originalC = ReadFile(c);
    fs::create_directory(b + ".tmp");  // a folder where the new archive must go
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    EXPECT_EQ(OnlyMessage(), "Zip error: 18\r\nThe new book could not be written beside the old one; the book was "
                            "left as it was.\r\nzip error: cannot open " + b + ".tmp");
    EXPECT_NE(ReadFile(a), originalA);
    EXPECT_EQ(ReadFile(b), originalB);
    EXPECT_EQ(ReadFile(c), originalC);
    fs::remove(b + ".tmp");
    ExpectNoLeftovers();
}

// A file of the unpacked book that the Zip library cannot read whole
// fails the book, which stays as it was; the message names the file and
// the reason as the library printed them, without its progress.
TEST_F(BatchRunTest, AFileTheZipLibraryCannotReadLeavesTheBookAsItWasAndSaysWhy)
{
    const std::string a = Book("a.epub");
    const std::string original = ReadFile(a);
    const std::string fake = FakePath("fake_zip_ok");
    const auto setResult = FakeEntry<void (*)(int)>(fake, "FakeZipSetResult");
    const auto setPrinted = FakeEntry<void (*)(const char*)>(fake, "FakeZipSetPrinted");
    SetZipLibraryFile(fake);
    setResult(ZE_READ);
    setPrinted("  adding: mimetype (stored 0%)\n"
               "zip error: cannot read OEBPS/Text/ch1.xhtml (it changed while it was read)\n");
    const RunOutcome outcome = StartBatchRun(window);
    setResult(0);
    setPrinted("  adding: x (deflated 50%)\n");
    SetZipLibraryFile(ZipLibraryName);
    EXPECT_EQ(outcome, RunOutcome::Failure);
    EXPECT_EQ(OnlyMessage(), "Zip error: 11\r\nA file of the unpacked book could not be read; the book was left as "
                            "it was.\r\nzip error: cannot read OEBPS/Text/ch1.xhtml (it changed while it was read)");
    EXPECT_EQ(ReadFile(a), original);
    ExpectNoLeftovers();
}

TEST_F(BatchRunTest, AMissingFontEndsTheRunWithTheBookUntouched)
{
    TempFolder fonts;
    WriteFile(fonts / "LiberationSerif-Regular.ttf", "r");
    const std::string system = InstalledFontFolder();
    SetInstalledFontFolder(fonts.path());
    const std::string a = Book("a.epub");
    const std::string original = ReadFile(a);
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    SetInstalledFontFolder(system);
    EXPECT_EQ(OnlyMessage().rfind("53 Error unzipping:  File not found", 0), 0u) << OnlyMessage();
    EXPECT_NE(OnlyMessage().find("LiberationSerif-Italic.ttf"), std::string::npos);
    EXPECT_EQ(ReadFile(a), original);
    ExpectNoLeftovers();
}

TEST_F(BatchRunTest, AReadOnlyBookIsReplacedAndKeepsItsPermissions)
{
    const std::string a = Book("a.epub");
    const std::string original = ReadFile(a);
    ::chmod(a.c_str(), 0444);
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_NE(ReadFile(a), original);
    struct stat st {};
    ::stat(a.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST_F(BatchRunTest, AStaleTemporaryArchiveAddsNothingToTheNewBook)
{
    const std::string a = Book("a.epub");
    BuildZip(a + ".tmp", {{"stale/entry.txt", "from an earlier run"}});
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    const auto names = ZipEntryNames(a);
    EXPECT_EQ(std::count(names.begin(), names.end(), "stale/entry.txt"), 0);
    ExpectNoLeftovers();
}

TEST_F(BatchRunTest, BooksThatDoNotUnpackCleanlyAreLeftAsTheyWere)
{
    WriteFile(library / "x.epub", "not an archive");
    window.Add("x.epub");
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    EXPECT_EQ(OnlyMessage().rfind(library / "x.epub" + "\r\nBindwell left this book as it was: it could not be "
                                                       "opened as an EPUB (ZIP) archive.", 0), 0u) << OnlyMessage();
    EXPECT_EQ(ReadFile(library / "x.epub"), "not an archive");

    const std::string damaged = Book("damaged.epub");
    std::string bytes = ReadFile(damaged);
    bytes[bytes.size() / 3] ^= 0x55;
    WriteFile(damaged, bytes);
    window.entries = {{"damaged.epub", true}};
    prompter.messages.clear();
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    EXPECT_EQ(OnlyMessage().rfind(damaged + "\r\nBindwell left this book as it was:", 0), 0u) << OnlyMessage();
    EXPECT_EQ(ReadFile(damaged), bytes);

    BuildZip(library / "evil.epub", {{"mimetype", "application/epub+zip"}, {"../evil.css", "p{}"}});
    window.entries = {{"evil.epub", true}};
    prompter.messages.clear();
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    EXPECT_NE(OnlyMessage().find("unsafe names"), std::string::npos);
    EXPECT_FALSE(fs::exists(runtime / "evil.css"));
    ExpectNoLeftovers();
}

TEST_F(BatchRunTest, AFileInTheWorkingFoldersPlaceIsARunTimeFailure)
{
    const std::string a = Book("a.epub");
    const std::string original = ReadFile(a);
    WriteFile(WorkingFolderPath(), "in the way");
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    EXPECT_EQ(OnlyMessage().rfind("58 Error unzipping:  File already exists", 0), 0u) << OnlyMessage();
    EXPECT_EQ(ReadFile(a), original);
    fs::remove(WorkingFolderPath());
}

TEST_F(BatchRunTest, ASecondRunWhileOneIsGoingTouchesNothing)
{
    const std::string a = Book("a.epub");
    const std::string original = ReadFile(a);
    WorkingFolderLock other;
    ASSERT_TRUE(other.Acquire(WorkingFolderPath()));
    fs::create_directories(WorkingFolderPath() + "/theirs");
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Busy);
    EXPECT_NE(OnlyMessage().find("Another Bindwell run"), std::string::npos);
    EXPECT_EQ(ReadFile(a), original);
    EXPECT_TRUE(fs::exists(WorkingFolderPath() + "/theirs"));
    other.Release();
    fs::remove_all(WorkingFolderPath());
}

TEST_F(BatchRunTest, WithoutATemporaryFolderTheWorkingFolderIsInTheCurrentDirectory)
{
    ::unsetenv("XDG_RUNTIME_DIR");
    const char* saved = std::getenv("TMPDIR");
    const std::string keep = saved ? saved : "";
    ::setenv("TMPDIR", (runtime / "does-not-exist").c_str(), 1);
    EXPECT_EQ(WorkingFolderPath(), "Bindwell");
    saved ? ::setenv("TMPDIR", keep.c_str(), 1) : ::unsetenv("TMPDIR");
}

TEST_F(BatchRunTest, IndexesPastSixteenBitsWork)
{
    for (int i = 0; i < 40000; ++i)
        window.Add("missing" + std::to_string(i) + ".epub", false);
    const std::string last = Book("last.epub");
    const std::string original = ReadFile(last);
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (1 epubs fixed.) The original books are in the Trash.");
    EXPECT_NE(ReadFile(last), original);
    EXPECT_EQ(SummaryText({40000}), "Okay, your books are all set. (40000 epubs fixed.)");
}

TEST_F(BatchRunTest, ARefusedUnzipLibraryEndsTheProgramWithTheBookUntouched)
{
    const std::string a = Book("a.epub");
    const std::string original = ReadFile(a);
    SetUnzipLibraryFile(std::string(BINDWELL_FAKES_DIR) + "/libfake_unzip_old.so");
    EXPECT_THROW(StartBatchRun(window), ProgramEndRequest);
    SetUnzipLibraryFile(UnzipLibraryName);
    EXPECT_EQ(ReadFile(a), original);
    EXPECT_NE(OnlyMessage().find("Incompatible old DLL version"), std::string::npos);
    ExpectNoLeftovers();
}

std::string EncryptionXml(const std::vector<std::pair<std::string, std::string>>& resources)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<encryption xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\" "
                      "xmlns:enc=\"http://www.w3.org/2001/04/xmlenc#\" xmlns:ds=\"http://www.w3.org/2000/09/xmldsig#\">\n";
    for (const auto& [uri, algorithm] : resources)
        xml += "<enc:EncryptedData><enc:EncryptionMethod Algorithm=\"" + algorithm +
               "\"/><ds:KeyInfo><ds:RetrievalMethod URI=\"license.lcpl#/encryption/content_key\"/></ds:KeyInfo>"
               "<enc:CipherData><enc:CipherReference URI=\"" + uri + "\"/></enc:CipherData></enc:EncryptedData>\n";
    return xml + "</encryption>\n";
}

// Protected books are neither edited, packed nor replaced, and no failure:
// the run goes on, and the summary counts them with the reason for each.
// Obfuscated fonts alone protect nothing, unless the fix would copy a font
// of the same name over one.
TEST_F(BatchRunTest, ProtectedBooksAreLeftExactlyAsTheyAre)
{
    Options(true, true, true, false);
    const std::string aes = "http://www.w3.org/2001/04/xmlenc#aes256-cbc";
    const std::string idpf = "http://www.idpf.org/2008/embedding", adobe = "http://ns.adobe.com/pdf/enc#RC";
    const std::string plain = Book("plain.epub");

    const std::string stylesheet = Book("stylesheet.epub");
    BuildZip(stylesheet, {{"META-INF/encryption.xml", EncryptionXml({{"OEBPS/Styles/book.css", aes}})},
                          {"META-INF/rights.xml", "<rights/>"},
                          {BookStylesheet, RandomBytes(96, 1), EntrySpec::File, true}},
             true);
    const std::string everything = Book("lcp.epub");
    BuildZip(everything, {{"META-INF/encryption.xml",
                           EncryptionXml({{"OEBPS/Text/chapter1.xhtml", aes}, {"OEBPS/Styles/book%2Ecss", aes},
                                          {"OEBPS/Images/pic.png", aes}, {"OEBPS/nav.xhtml", aes}})},
                          {"license.lcpl", "{}"}},
             true);
    const std::string broken = Book("broken.epub");
    BuildZip(broken, {{"META-INF/encryption.xml", "<encryption><EncryptedData>"}}, true);
    const std::string ours = Book("ours.epub");
    BuildZip(ours, {{"META-INF/encryption.xml", EncryptionXml({{"LiberationSerif-Regular.ttf", idpf}})},
                    {"LiberationSerif-Regular.ttf", RandomBytes(2000, 2)}},
             true);
    const std::string fonts = Book("fonts.epub");
    const std::string obfuscation = EncryptionXml({{"OEBPS/Fonts/a.otf", idpf}, {"OEBPS/Fonts/b.ttf", adobe}});
    const std::string fontA = RandomBytes(3000, 3), fontB = RandomBytes(3000, 4);
    BuildZip(fonts, {{"META-INF/encryption.xml", obfuscation}, {"OEBPS/Fonts/a.otf", fontA},
                     {"OEBPS/Fonts/b.ttf", fontB, EntrySpec::File, true}},
             true);

    std::map<std::string, std::string> before;
    std::map<std::string, fs::file_time_type> times;
    for (const std::string& book : {stylesheet, everything, broken, ours}) {
        before[book] = ReadFile(book);
        fs::last_write_time(book, fs::file_time_type::clock::now() - std::chrono::hours(24));
        times[book] = fs::last_write_time(book);
    }
    const std::string packedFonts = PackedEntryBytes(fonts, "OEBPS/Fonts/a.otf");

    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(OnlyMessage(), "Okay, your books are all set. (2 epubs fixed.) 4 books were left as they were: they "
                             "cannot be fixed safely. The original books are in the Trash.");
    EXPECT_EQ(prompter.messages[0].details,
              "stylesheet.epub: protected: META-INF/encryption.xml encrypts OEBPS/Styles/book.css\r\n"
              "lcp.epub: protected: META-INF/encryption.xml encrypts OEBPS/Text/chapter1.xhtml and 3 more\r\n"
              "broken.epub: protected: META-INF/encryption.xml is not well-formed (line 1: Premature end of "
              "document.)\r\n"
              "ours.epub: protected: META-INF/encryption.xml obfuscates LiberationSerif-Regular.ttf, which the fix "
              "would write over");
    for (const auto& [book, bytes] : before) {
        EXPECT_EQ(ReadFile(book), bytes) << book;
        EXPECT_EQ(fs::last_write_time(book), times[book]) << book;
    }
    EXPECT_EQ(ReadTree(settings.trash() + "/files").size(), 2u) << "only the two fixed books' originals";
    ExpectNoLeftovers();

    EXPECT_NE(EntryBytes(plain, BookStylesheet), BookCss);
    EXPECT_NE(EntryBytes(fonts, BookStylesheet), BookCss) << "obfuscated fonts alone protect nothing";
    EXPECT_EQ(EntryBytes(fonts, "META-INF/encryption.xml"), obfuscation);
    EXPECT_EQ(PackedEntryBytes(fonts, "OEBPS/Fonts/a.otf"), packedFonts);
    EXPECT_EQ(EntryBytes(fonts, "OEBPS/Fonts/b.ttf"), fontB);

    SettingsStore::PutOption(OptionKey::IntlFonts, false);
    prompter.messages.clear();
    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_NE(EntryBytes(ours, BookStylesheet), BookCss) << "without the fonts, nothing is written over ours";
}

bool EpubcheckIsInstalled()
{
    return std::system("java -version > /dev/null 2>&1") == 0 && fs::exists("/usr/share/java/epubcheck.jar");
}

// The kinds of the errors epubcheck reports for book, one a line; report
// is a scratch file.
std::string EpubcheckErrors(const std::string& book, const std::string& report)
{
    // A quick start matters more than a fast long run: the first compiler
    // only, and the simplest collector (half the time, a third the CPU).
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

// EpubcheckErrors of each of books, checked side by side (each check is
// mostly the Java machine starting); scratch is a folder for the reports.
std::vector<std::string> EpubcheckErrors(const std::vector<std::string>& books, const std::string& scratch)
{
    std::vector<std::future<std::string>> checks;
    for (std::size_t i = 0; i < books.size(); ++i)
        checks.push_back(std::async(std::launch::async, [&, i] {
            return EpubcheckErrors(books[i], scratch + "/report" + std::to_string(i) + ".txt");
        }));
    std::vector<std::string> errors;
    for (std::future<std::string>& check : checks)
        errors.push_back(check.get());
    return errors;
}

// The error kinds of after that before has not.
std::string NewErrors(const std::string& before, const std::string& after)
{
    std::string added;
    std::istringstream lines(after);
    for (std::string line; std::getline(lines, line);)
        if (before.find(line + "\n") == std::string::npos)
            added += line + "\n";
    return added;
}

// epubcheck finds nothing in a book fixed once or twice that it did not
// find before; nor once its stylesheets are deleted, with a book of them
// linked every way among them.
TEST_F(BatchRunTest, EpubcheckFindsNoNewErrors)
{
    if (!EpubcheckIsInstalled())
        GTEST_SKIP() << "epubcheck is not installed";
    auto check = [&](const std::string& book) { return EpubcheckErrors(book, runtime / "report.txt"); };
    const std::string three = Book("three.epub"), two = Book("two.epub", EpubVersion::Two);
    // A package document named as many EPUB 3 tools name it.
    const std::string package = library / "package.epub";
    MakeEpub(package, EpubVersion::Three, "A Test Book", "EPUB/package.opf");
    window.Add("package.epub");
    // A package document whose elements carry a prefix, and a minified
    // UTF-16 stylesheet whose declarations no ";" ends.
    const std::string odd = Book("odd.epub");
    std::string opf = EntryBytes(odd, BookPackage);
    for (const char* element : {"package", "metadata", "meta", "manifest", "item", "spine", "itemref"})
        for (const std::string& tag : {std::string("<") + element, std::string("</") + element})
            for (auto at = opf.find(tag); at != std::string::npos; at = opf.find(tag, at + 1))
                if (!std::isalpha(static_cast<unsigned char>(opf[at + tag.size()])))
                    opf.insert(at + tag.size() - std::strlen(element), "opf:");
    opf.replace(opf.find("xmlns=\"http://www.idpf.org/2007/opf\""), 6, "xmlns:opf=");
    std::string css16 = "\xFF\xFE";
    for (char c : std::string("p{font-size:12px}h1{color:red;font-size:2em}.a{margin:0}"))
        css16 += std::string{c, '\0'};
    BuildZip(odd, {{BookPackage, opf}, {BookStylesheet, css16}}, true);

    const std::vector<std::string> books = {three, two, package, odd};
    std::vector<std::string> before;
    for (const std::string& book : books)
        before.push_back(check(book));
    EXPECT_EQ(before.back(), "") << "the odd book is valid as it is";
    Options(true, true, true, false);
    for (int pass = 1; pass <= 2; ++pass) {
        ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
        for (std::size_t i = 0; i < books.size(); ++i)
            EXPECT_EQ(check(books[i]), before[i]) << books[i] << ", pass " << pass;
    }
    EXPECT_NE(EntryBytes(package, "EPUB/package.opf").find(ManifestItems("../")), std::string::npos);

    std::vector<std::string> all = books;
    all.push_back(Book("linked.epub"));
    MakeLinkedStylesheets(all.back());
    before.push_back(check(all.back()));
    Options(false, false, true, true);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    const std::vector<std::string> deleted = EpubcheckErrors(all, runtime.path());
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(NewErrors(before[i], deleted[i]), "") << all[i] << " had\n" << before[i];
}

// Nor in books readied for Send to Kindle: chapters with a declaration
// that names no encoding, with a UTF-8 mark, in UTF-16; languages written
// as "pt_BR", "English", "eng", and "C" over a German text whose html
// element says "C" too.
TEST_F(BatchRunTest, EpubcheckFindsNoNewErrorsInBooksReadiedForSendToKindle)
{
    if (!EpubcheckIsInstalled())
        GTEST_SKIP() << "epubcheck is not installed";
    const std::string chapterName = "OEBPS/Text/chapter1.xhtml";
    // Each book's chapter made from its own without the declaration, and
    // the language its package document names.
    const auto book = [&](const std::string& name, EpubVersion version, const std::string& language,
                          const std::function<std::string(const std::string&)>& chapterOf) {
        const std::string path = Book(name, version);
        std::string opf = EntryBytes(path, BookPackage), chapter = EntryBytes(path, chapterName);
        opf.replace(opf.find("<dc:language>en<"), 16, "<dc:language>" + language + "<");
        BuildZip(path, {{BookPackage, opf}, {chapterName, chapterOf(chapter.substr(chapter.find('\n') + 1))}}, true);
        return path;
    };
    const std::vector<std::string> books = {
        book("declared.epub", EpubVersion::Three, "pt_BR",
             [](const std::string& page) { return "<?xml version=\"1.0\"?>\n" + page; }),
        book("marked.epub", EpubVersion::Two, "English",
             [](const std::string& page) { return "\xEF\xBB\xBF" + page; }),
        book("wide.epub", EpubVersion::Three, "eng",
             [](const std::string& page) {
                 std::string wide = "\xFF\xFE";
                 for (const QChar c : QString::fromUtf8(page))
                     wide += std::string{static_cast<char>(c.unicode() & 0xFF), static_cast<char>(c.unicode() >> 8)};
                 return wide;
             }),
        book("german.epub", EpubVersion::Two, "C", [](std::string page) {
            page.insert(page.find("<html ") + 6, "xml:lang=\"C\" ");
            return page.insert(page.find("</body>"), GermanParagraph);
        }),
    };
    const std::vector<std::string> before = EpubcheckErrors(books, runtime.path());
    Options(true, true, true, false);
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    const std::vector<std::string> after = EpubcheckErrors(books, runtime.path());
    for (std::size_t i = 0; i < books.size(); ++i)
        EXPECT_EQ(NewErrors(before[i], after[i]), "") << books[i] << " had\n" << before[i];
    EXPECT_NE(EntryBytes(books[3], BookPackage).find("<dc:language>de</dc:language>"), std::string::npos);
    EXPECT_NE(EntryBytes(books[3], chapterName).find("xml:lang=\"de\""), std::string::npos);
}

// Nor in books whose links, pictures and covers Send to Kindle mends:
// links from the nav, the NCX and the chapter to the chapter's body id,
// pictures without a source, and covers named by the property only, by
// the meta only, by a meta naming a missing id, by the id "cover" only.
TEST_F(BatchRunTest, EpubcheckFindsNoNewErrorsInBooksWhoseMarkupAndCoverSendToKindleMends)
{
    if (!EpubcheckIsInstalled())
        GTEST_SKIP() << "epubcheck is not installed";
    const std::string chapterName = "OEBPS/Text/chapter1.xhtml";
    const auto book = [&](const std::string& name, EpubVersion version,
                          const std::function<void(std::string& opf, std::string& chapter)>& edit) {
        const std::string path = Book(name, version);
        std::string opf = EntryBytes(path, BookPackage), chapter = EntryBytes(path, chapterName);
        edit(opf, chapter);
        BuildZip(path, {{BookPackage, opf}, {chapterName, chapter}}, true);
        return path;
    };
    const auto replace = [](std::string& text, const std::string& what, const std::string& with) {
        text.replace(text.find(what), what.size(), with);
    };
    const auto linked = [&](std::string&, std::string& chapter) {
        replace(chapter, "<body>", "<body id=\"b1\">");
        replace(chapter, "</body>", "<p><a href=\"chapter1.xhtml#b1\">top</a><img alt=\"\"/><img></img></p></body>");
    };
    const std::string metadataEnd = "\r\n</metadata>";
    std::vector<std::string> books = {
        book("links3.epub", EpubVersion::Three, linked),
        book("links2.epub", EpubVersion::Two, linked),
        book("property.epub", EpubVersion::Three,
             [&](std::string& opf, std::string&) {
                 replace(opf, "media-type=\"image/png\"", "media-type=\"image/png\" properties=\"cover-image\"");
             }),
        book("meta.epub", EpubVersion::Three,
             [&](std::string& opf, std::string&) {
                 replace(opf, metadataEnd, "\r\n<meta name=\"cover\" content=\"pic\"/>" + metadataEnd);
             }),
        book("missing.epub", EpubVersion::Two,
             [&](std::string& opf, std::string&) {
                 replace(opf, metadataEnd, "\r\n<meta name=\"cover\" content=\"gone\"/>" + metadataEnd);
                 replace(opf, "id=\"pic\"", "id=\"cover\"");
             }),
        book("id3.epub", EpubVersion::Three, [&](std::string& opf, std::string&) { replace(opf, "id=\"pic\"", "id=\"cover\""); }),
        book("id2.epub", EpubVersion::Two, [&](std::string& opf, std::string&) { replace(opf, "id=\"pic\"", "id=\"cover\""); }),
    };
    // The links of the nav and the NCX too.
    std::string nav = EntryBytes(books[0], "OEBPS/nav.xhtml"), ncx = EntryBytes(books[1], "OEBPS/toc.ncx");
    replace(nav, "chapter1.xhtml\"", "chapter1.xhtml#b1\"");
    replace(ncx, "chapter1.xhtml\"", "chapter1.xhtml#b1\"");
    BuildZip(books[0], {{"OEBPS/nav.xhtml", nav}}, true);
    BuildZip(books[1], {{"OEBPS/toc.ncx", ncx}}, true);

    const std::vector<std::string> before = EpubcheckErrors(books, runtime.path());
    Options(false, false, false, false);
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    const std::vector<std::string> after = EpubcheckErrors(books, runtime.path());
    for (std::size_t i = 0; i < books.size(); ++i)
        EXPECT_EQ(NewErrors(before[i], after[i]), "") << books[i] << " had\n" << before[i];
    EXPECT_EQ(EntryBytes(books[0], "OEBPS/nav.xhtml").find("#b1"), std::string::npos);
    EXPECT_EQ(EntryBytes(books[1], "OEBPS/toc.ncx").find("#b1"), std::string::npos);
    for (const std::size_t i : {2u, 3u, 5u})
        EXPECT_NE(EntryBytes(books[i], BookPackage).find("properties=\"cover-image\""), std::string::npos) << books[i];
    for (const std::size_t i : {2u, 4u, 5u, 6u})
        EXPECT_NE(EntryBytes(books[i], BookPackage).find("content=\"" + std::string(i == 2 ? "pic" : "cover") + "\"/>"),
                  std::string::npos) << books[i];
}

// Nor in books whose publishers fixed line heights, margins, typefaces,
// sizes and colours everywhere (font shorthands, a picture's data address
// that holds declarations of its own), with their own embedded font and a
// chapter that names no encoding, fixed with every option for e-readers on
// (faces cut down, Send to Kindle, the reader's own colours); a second
// pass leaves them as they are.
TEST_F(BatchRunTest, EpubcheckFindsNoNewErrorsWithEveryOptionForEReaders)
{
    if (!EpubcheckIsInstalled())
        GTEST_SKIP() << "epubcheck is not installed";
    const std::string publisher =
        "@charset \"utf-8\";\r\n@namespace epub \"http://www.idpf.org/2007/ops\";\r\n@page { margin: 5pt 10pt; }\r\n"
        "@font-face { font-family: \"Pub Serif\"; font-style: normal; src: url(../Fonts/pub.ttf); }\r\n"
        "html, body.book { margin: 0 5pt; padding: 0; line-height: 1.2; font-family: \"Pub Serif\", serif; }\r\n"
        "h1 { font-size: 1.6em; line-height: 1.1 !important; margin: 2em 0 1em; font-family: \"Pub Serif\", serif }\r\n"
        "p { margin: 0; text-indent: 1.2em; font-size: 11pt; line-height: 16px }\r\n"
        "code, pre { font-family: \"Courier New\", monospace; font-size: 0.9em }\r\n"
        "@media screen { body { margin: 0 } }\r\n"
        "@supports (font-variant-caps: small-caps) { .sc { font-variant-caps: small-caps; font-family: inherit } }\r\n"
        "body.book { color: #333; background-color: #fdf6e3 }\r\n"
        "blockquote { margin : 1em; color : #555; background: linear-gradient(#fff, #eee); border-color: #999 }\r\n"
        "h2 { font: italic bold 1.2em/1.3 \"Pub Serif\", serif; color: #800 }\r\n"
        ".orn { background: #eee url(data:image/svg+xml,%3Csvg%20xmlns=%22http://www.w3.org/2000/svg%22%20"
        "style=%22font-size:9px;color:red%22/%3E) no-repeat; font-size: 9pt }\r\n"
        "/* body { margin: 3em } */ .x::before { content: \"line-height: 2;\" }\r\n";
    const std::string font = "OEBPS/Fonts/pub.ttf", fontBytes = ReadFile(InstalledFontFolder() + "/" + FontFiles[0]);
    std::vector<std::string> books;
    for (const EpubVersion version : {EpubVersion::Three, EpubVersion::Two}) {
        const std::string book = Book(version == EpubVersion::Three ? "three.epub" : "two.epub", version);
        std::string opf = EntryBytes(book, BookPackage);
        opf.insert(opf.find("<item id=\"css\""),
                   "<item id=\"pub\" href=\"Fonts/pub.ttf\" media-type=\"application/vnd.ms-opentype\"/>\r\n");
        std::string chapter = EntryBytes(book, "OEBPS/Text/chapter1.xhtml");
        chapter.erase(0, chapter.find('\n') + 1);
        BuildZip(book, {{BookPackage, opf}, {BookStylesheet, publisher}, {font, fontBytes},
                        {"OEBPS/Text/chapter1.xhtml", chapter}}, true);
        books.push_back(book);
    }
    for (const std::string& book : books)
        ASSERT_EQ(EpubcheckErrors(book, runtime / "report.txt"), "") << book << " is valid as it is";
    Options(true, true, true, false);
    for (const char* key : {OptionKey::LineHeights, OptionKey::PageMargins, OptionKey::FontFamilies,
                            OptionKey::RelativeSizes, OptionKey::SubsetFonts, OptionKey::KindleReady,
                            OptionKey::TextColors})
        SettingsStore::PutOption(key, true);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_EQ(EntryBytes(books[0], "OEBPS/Text/chapter1.xhtml").rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0),
              0u);
    std::vector<std::string> once;
    for (const std::string& book : books) {
        EXPECT_EQ(EpubcheckErrors(book, runtime / "report.txt"), "") << book;
        once.push_back(ReadFile(book));
    }
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    for (std::size_t i = 0; i < books.size(); ++i)
        EXPECT_EQ(ReadFile(books[i]), once[i]) << books[i] << ": a second pass leaves it as it is";
    const std::string fixed = EntryBytes(books[0], BookStylesheet);
    EXPECT_EQ(fixed.substr(0, fixed.find("/* body")),
              "@charset \"utf-8\";\r\n@namespace epub \"http://www.idpf.org/2007/ops\";\r\n@page {  }\r\n"
              "@font-face { font-family: \"Pub Serif\"; font-style: normal; src: url(../Fonts/pub.ttf); }\r\n"
              "html, body.book {     }\r\nh1 { font-size: 1.6em;  margin: 2em 0 1em; }\r\n"
              "p { margin: 0; text-indent: 1.2em;  }\r\n"
              "code, pre { font-family: \"Courier New\", monospace; font-size: 0.9em }\r\n"
              "@media screen { body { } }\r\n"
              "@supports (font-variant-caps: small-caps) { .sc { font-variant-caps: small-caps; } }\r\n"
              "body.book {  }\r\nblockquote { margin : 1em;   border-color: #999 }\r\n"
              "h2 { font-style: italic; font-weight: bold; font-size: 1.2em; }\r\n"
              ".orn { background: #eee url(data:image/svg+xml,%3Csvg%20xmlns=%22http://www.w3.org/2000/svg%22%20"
              "style=%22font-size:9px;color:red%22/%3E) no-repeat; }\r\n");
    EXPECT_EQ(EntryBytes(books[0], font), fontBytes) << "the book's own font stays";
}

}  // namespace

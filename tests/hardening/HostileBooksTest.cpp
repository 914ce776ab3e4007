// Hostile and broken books through the whole batch run, each with the
// outcome it must have: fixed completely, or left exactly as it was with a
// message naming it. None may write outside the library's book or the
// working folder, and none may leave anything behind.
#include "BatchRun.h"
#include "ExpectedText.h"
#include "FakePrompter.h"
#include "FakeWindow.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

enum class Outcome { Fixed, LeftAlone };

struct HostileCase {
    const char* name;
    std::function<void(const std::string& book)> make;
    Outcome outcome;
    const char* said;  // part of the message when the book is left alone
};

// Tests are named after their case.
void PrintTo(const HostileCase& c, std::ostream* out)
{
    *out << c.name;
}

const EntrySpec Mimetype{"mimetype", "application/epub+zip", EntrySpec::File, true};
const EntrySpec Package{"OEBPS/content.opf", "<package><manifest>\r\n</manifest></package>"};
const EntrySpec Stylesheet{"OEBPS/book.css", "p { font-size: 12pt; }"};

void Basic(const std::string& book, std::vector<EntrySpec> more)
{
    std::vector<EntrySpec> entries{Mimetype, Package, Stylesheet};
    entries.insert(entries.end(), more.begin(), more.end());
    BuildZip(book, entries);
}

// Rewrites bytes of a built archive: names in local and central headers.
void Patch(const std::string& book, const std::string& from, const std::string& to)
{
    std::string bytes = ReadFile(book);
    for (auto at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    WriteFile(book, bytes);
}

const std::string EscapeTarget = fs::temp_directory_path() / "bindwell-hostile-escape";

const HostileCase Cases[] = {
    {"DotDotNames", [](const std::string& b) { Basic(b, {{"../../escape.txt", "x"}, {"OEBPS/../../up.txt", "y"}}); },
     Outcome::LeftAlone, "unsafe names"},
    {"AbsoluteNames", [](const std::string& b) { Basic(b, {{EscapeTarget, "x"}}); }, Outcome::LeftAlone,
     "unsafe names"},
    {"BackslashNames", [](const std::string& b) { Basic(b, {{"..\\..\\escape.txt", "x"}}); }, Outcome::LeftAlone,
     "unsafe names"},
    {"DriveLetters", [](const std::string& b) { Basic(b, {{"C:\\Windows\\escape.txt", "x"}}); }, Outcome::LeftAlone,
     "unsafe names"},
    {"SymbolicLinks",
     [](const std::string& b) { Basic(b, {{"OEBPS/link.css", "/etc/passwd", EntrySpec::SymbolicLink}}); },
     Outcome::LeftAlone, "left this book as it was"},
    {"ZipBomb", [](const std::string& b) { Basic(b, {{"OEBPS/bomb.xhtml", std::string(120u << 20, '\0')}}); },
     Outcome::LeftAlone, "zip bomb"},
    {"DuplicateNames",
     [](const std::string& b) {
         Basic(b, {{"OEBPS/twin.css", "a { font-size: 1px; }"}, {"OEBPS/twim.css", "b { font-size: 2px; }"}});
         Patch(b, "OEBPS/twim.css", "OEBPS/twin.css");
     },
     Outcome::LeftAlone, "appears twice"},
    // "caf\x82" is "café" in CP437, the encoding of a name without the UTF-8
    // flag: readers show both pictures under one name. libzip would not add
    // the second, so the first is written as "cafX" and patched.
    {"NamesThatDecodeAlikeCp437First",
     [](const std::string& b) {
         Basic(b, {{"EPUB/media/cafX.gif", "the CP437 one"}, {"EPUB/media/caf\xC3\xA9.gif", "the UTF-8 one", {}, {}, true}});
         Patch(b, "cafX.gif", "caf\x82.gif");
     },
     Outcome::LeftAlone, "EPUB/media/caf\xC3\xA9.gif appears twice"},
    {"NamesThatDecodeAlikeUtf8First",
     [](const std::string& b) {
         Basic(b, {{"EPUB/media/caf\xC3\xA9.gif", "the UTF-8 one", {}, {}, true}, {"EPUB/media/cafX.gif", "the CP437 one"}});
         Patch(b, "cafX.gif", "caf\x82.gif");
     },
     Outcome::LeftAlone, "EPUB/media/caf\xC3\xA9.gif appears twice"},
    {"Truncated",
     [](const std::string& b) {
         Basic(b, {{"OEBPS/page.xhtml", RandomBytes(20000, 5)}});
         WriteFile(b, ReadFile(b).substr(0, 12000));
     },
     Outcome::LeftAlone, "left this book as it was"},
    {"DamagedCentralDirectory",
     [](const std::string& b) {
         Basic(b, {{"OEBPS/page.xhtml", RandomBytes(20000, 5)}});
         std::string bytes = ReadFile(b);
         const auto central = bytes.find("PK\x01\x02");
         for (std::size_t i = central + 4; i < central + 40 && i < bytes.size(); ++i)
             bytes[i] = static_cast<char>(~bytes[i]);
         WriteFile(b, bytes);
     },
     Outcome::LeftAlone, "left this book as it was"},
    {"EncryptedWithoutPassword",
     [](const std::string& b) {
         const std::string folder = fs::path(b).parent_path() / "plain";
         WriteFile(folder + "/mimetype", "application/epub+zip");
         WriteFile(folder + "/OEBPS/book.css", "p { font-size: 1px; }");
         ASSERT_EQ(std::system(("cd '" + folder + "' && zip -qr -P secret '" + b + "' . && rm -r '" + folder + "'")
                                   .c_str()),
                   0);
     },
     Outcome::LeftAlone, "password"},
    {"DamagedUntouchedEntry",
     [](const std::string& b) {
         std::string page;
         while (page.size() < 20000)
             page += "<p>A page the fix never reads.</p>\r\n";
         Basic(b, {{"OEBPS/page.xhtml", page}});
         DamageEntryData(b, "OEBPS/page.xhtml");
     },
     Outcome::LeftAlone, "error:  OEBPS/page.xhtml"},
    {"NotAnArchive", [](const std::string& b) { WriteFile(b, "just some text that calls itself a book"); },
     Outcome::LeftAlone, "could not be opened"},
    {"AFolderNamedLikeABook", [](const std::string& b) { fs::create_directories(b + "/inside"); },
     Outcome::LeftAlone, "left this book as it was"},
    {"FiftyMegabyteStylesheet",
     [](const std::string& b) {
         std::string css;
         while (css.size() < (50u << 20))
             css += "p.c" + std::to_string(css.size() % 1000) + " { margin: 0; font-size: 11pt; }\r\n";
         BuildZip(b, {Mimetype, Package, {"OEBPS/big.css", css}});
     },
     Outcome::Fixed, ""},
    {"TenThousandManifestItems",
     [](const std::string& b) {
         std::string opf = "<package><manifest>\r\n";
         for (int i = 0; i < 10000; ++i)
             opf += "<item id=\"p" + std::to_string(i) + "\" href=\"p" + std::to_string(i) +
                    ".xhtml\" media-type=\"application/xhtml+xml\"/>\r\n";
         BuildZip(b, {Mimetype, {"OEBPS/content.opf", opf + "</manifest></package>"}, Stylesheet});
     },
     Outcome::Fixed, ""},
    {"NamesInUtf8AndInOtherEncodings",
     [](const std::string& b) {
         Basic(b, {{"OEBPS/Text/caf\xC3\xA9 \xE6\x9D\xB1\xE4\xBA\xAC.xhtml", "<html/>"},
                   {"OEBPS/Text/na\xEFve-latin1.xhtml", "<html/>"},
                   {"OEBPS/Styles/r\xE9sum\xE9.css", "h1 { font-size: 3em; }"}});
     },
     Outcome::Fixed, ""},
};

class HostileBooks : public ::testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        SettingsStore::LoadOptions();  // all three style edits on
        window.folder = library / "Books";
        fs::create_directories(window.folder);
        window.Add("book.epub");
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    static std::vector<std::string> Tree(const std::string& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            names.push_back(fs::relative(entry.path(), folder).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchSettings settings;
    FakePrompter prompter;
    FakeWindow window;
    TempFolder library, runtime;
};

TEST_P(HostileBooks, AreFixedCompletelyOrLeftAsTheyWere)
{
    const HostileCase& c = GetParam();
    const std::string book = library / "Books/book.epub";
    c.make(book);
    const bool isFile = fs::is_regular_file(book);
    const std::string before = isFile ? ReadFile(book) : std::string();
    const auto beforeContents = isFile ? ZipContents(book) : std::nullopt;
    const std::vector<std::string> around = Tree(library.path());

    const RunOutcome outcome = StartBatchRun(window);

    EXPECT_EQ(Tree(library.path()), around) << "nothing written beside the book, no .tmp left";
    EXPECT_EQ(Tree(runtime.path()), std::vector<std::string>{}) << "the working folder is gone";
    EXPECT_FALSE(fs::exists(EscapeTarget));
    ASSERT_EQ(prompter.messages.size(), 1u);
    const std::string& said = prompter.messages[0].text;
    if (c.outcome == Outcome::LeftAlone) {
        EXPECT_EQ(outcome, RunOutcome::Failure);
        if (isFile) {
            EXPECT_TRUE(ReadFile(book) == before) << "the book changed";
        }
        EXPECT_EQ(said.rfind(book, 0), 0u) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        return;
    }
    EXPECT_EQ(outcome, RunOutcome::Summary) << said;
    const auto after = ZipContents(book);
    ASSERT_TRUE(after.has_value());
    for (const auto& [name, bytes] : *beforeContents) {
        ASSERT_EQ(after->count(name), 1u) << "lost " << name;
        if (name.ends_with(".css")) {
            EXPECT_EQ(after->at(name).find("font-size:"), std::string::npos) << name;
        } else if (!name.ends_with(".opf")) {
            EXPECT_EQ(after->at(name), bytes) << name;
        }
    }
    EXPECT_EQ(after->count("LiberationSerif-Regular.ttf"), 1u);
    const std::string& opf = after->at("OEBPS/content.opf");
    EXPECT_EQ(opf.find("liber4"), opf.rfind("liber4")) << "the font items go in once";
}

// A stylesheet in Shift_JIS, whose マ ends in the byte of "}", is edited by
// its characters: its declarations stay inside their rule and every byte
// outside the edit stays. One in an encoding iconv does not know leaves
// its book exactly as it was, named in the summary.
TEST_F(HostileBooks, StylesheetsInMultiByteEncodings)
{
    SettingsStore::PutOption(OptionKey::FontFamilies, true);
    const std::string japanese = library / "Books/book.epub";
    const std::string unknown = library / "Books/unknown.epub";
    window.Add("unknown.epub");
    const std::string sjis = "@charset \"Shift_JIS\";\r\n/* \x96\xBE\x92\xA9 */\r\n"
                             "p { font-family: \x83\x7D\x96\xBE\x92\xA9; font-size: 12px; color: red; margin: 0 }\r\n";
    Basic(japanese, {{"OEBPS/Styles/ja.css", sjis}});
    BuildZip(unknown, {Mimetype, Package, {"OEBPS/book.css", "@charset \"x-unknown\";\r\np { font-size: 12pt; }"}});
    const std::string unknownBefore = ReadFile(unknown);

    EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find("(1 epubs fixed.) 1 books were left as they were"), std::string::npos)
        << prompter.messages[0].text;
    EXPECT_EQ(prompter.messages[0].details, "unknown.epub: OEBPS/book.css is in x-unknown, which the fix does not edit");
    EXPECT_TRUE(ReadFile(unknown) == unknownBefore) << "the book changed";
    const auto after = ZipContents(japanese);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->at("OEBPS/Styles/ja.css"),
              "@charset \"Shift_JIS\";\r\n/* \x96\xBE\x92\xA9 */\r\np {   color: red; margin: 0 }\r\n\r\n" +
                  FaceRules("../../") + BodyRule + "\r\n" + ParagraphRule + "\r\n");
    EXPECT_EQ(after->at("OEBPS/book.css").find("font-size"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileBooks, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

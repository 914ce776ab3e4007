// bindwell-cli as a user runs it: its arguments, its output and its exit
// status.
#include "BookBuilder.h"
#include "CommandLine.h"
#include "PictureHead.h"
#include "ProgramFolder.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <zlib.h>

namespace {

struct Result {
    int status;
    std::string out, err;
};

// Runs the program with no terminal, in a scratch environment, in the
// language session names (empty: as the test runs).
Result RunCli(const std::string& arguments, const TempFolder& home, const std::string& session = "")
{
    const std::string out = home / "out.txt", err = home / "err.txt";
    const std::string language = session.empty() ? "" : "LANG=" + session + " LANGUAGE= LC_ALL= LC_MESSAGES= ";
    const std::string command = "env " + language + "XDG_CONFIG_HOME='" + home / "config" + "' XDG_DATA_HOME='" + home / "data" +
                                "' XDG_RUNTIME_DIR= TMPDIR='" +
                                home.path() + "' '" + ProgramFolder() + "bindwell-cli' " + arguments + " > '" + out +
                                "' 2> '" + err + "' < /dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

TEST(CommandLine, ParsesOptionsAndRefusesWhatItDoesNotKnow)
{
    const auto parse = [](const std::vector<std::string>& arguments) { return CommandLineParser().Parse(arguments); };
    CommandLine line = parse({"--no-fonts", "--delete-css", "--fonts", "--line-heights", "--no-page-margins",
                              "--font-families", "--relative-sizes", "--no-relative-sizes", "--no-subset-fonts",
                              "--kindle", "--subset-fonts", "--no-kindle", "--save", "--keep-going", "books", "b.epub"});
    EXPECT_EQ(line.action, CommandLine::Action::Fix);
    EXPECT_EQ(line.paths, (std::vector<std::string>{"books", "b.epub"}));
    EXPECT_TRUE(line.save && line.keepGoing);
    EXPECT_EQ(line.options, (std::vector<std::pair<std::string, bool>>{{"IntlFonts", false},
                                                                       {"DeleteCSS", true},
                                                                       {"IntlFonts", true},
                                                                       {"LineHeights", true},
                                                                       {"PageMargins", false},
                                                                       {"FontFamilies", true},
                                                                       {"RelativeSizes", true},
                                                                       {"RelativeSizes", false},
                                                                       {"SubsetFonts", false},
                                                                       {"KindleReady", true},
                                                                       {"SubsetFonts", true},
                                                                       {"KindleReady", false}}))
        << "in the order given, so that the last one counts";
    line = parse({"--text-colors", "--kepub", "--fit-pictures", "--no-grey-pictures", "--screen", "1072X1448", "x"});
    EXPECT_EQ(line.options, (std::vector<std::pair<std::string, bool>>{
                                {"TextColors", true}, {"KoboBooks", true}, {"FitPictures", true}, {"GreyPictures", false}}));
    EXPECT_EQ(line.texts, (std::vector<std::pair<std::string, std::string>>{{"ScreenSize", "1072x1448"}}));
    for (const char* screen : {"1264", "1264x", "x1680", "-1264x1680", "1264x1680x2", "99x1680", "1264 x 1680", "0x0"})
        EXPECT_EQ(parse({"--screen", screen, "x"}).action, CommandLine::Action::UsageError) << screen;
    EXPECT_EQ(parse({"--list", "x"}).action, CommandLine::Action::List);
    EXPECT_TRUE(parse({"--dry-run", "x"}).dryRun);
    EXPECT_EQ(parse({"--dry-run", "--save", "x"}).action, CommandLine::Action::UsageError);
    EXPECT_EQ(parse({"--dry-run", "--list", "x"}).action, CommandLine::Action::UsageError);
    EXPECT_EQ(parse({"--frobnicate", "x"}).action, CommandLine::Action::UsageError);
    EXPECT_EQ(parse({}).action, CommandLine::Action::UsageError);
    EXPECT_EQ(parse({"--", "-odd-name"}).paths, std::vector<std::string>{"-odd-name"});
    EXPECT_EQ(parse({"caf\xE9"}).paths, std::vector<std::string>{"caf\xE9"}) << "bytes that are not UTF-8";
}

TEST(BindwellCli, ListsFixesAndSaysSo)
{
    TempFolder home;
    MakeEpub(home / "books/one.epub", EpubVersion::Three);
    MakeEpub(home / "books/Series/Volume 1.epub", EpubVersion::Two);
    WriteFile(home / "books/notes.txt", "x");
    MakeEpub(home / "books/shop.epub", EpubVersion::Three);
    BuildZip(home / "books/shop.epub", {{"META-INF/encryption.xml", "<encryption"}}, true);
    const std::string original = ReadFile(home / "books/one.epub"), shop = ReadFile(home / "books/shop.epub");

    const std::string protection = "protected: META-INF/encryption.xml is not well-formed";
    Result listed = RunCli("--list '" + home / "books" + "'", home);
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "one.epub\nshop.epub\t" + protection + " (line 1: Premature end of document.)\n" +
                              "Series/Volume 1.epub\n");
    EXPECT_EQ(ReadFile(home / "books/one.epub"), original);

    Result fixed = RunCli("--no-justify '" + home / "books/" + "'", home);
    EXPECT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_EQ(fixed.out, "Okay, your books are all set. (2 epubs fixed.) 1 book was left as it was: it cannot be "
                         "fixed safely. The original books are in the Trash.\n");
    EXPECT_NE(fixed.err.find("shop.epub: left as it was: " + protection), std::string::npos) << fixed.err;
    EXPECT_NE(fixed.err.find("The original books are in the Trash: " + home / "data/Trash/files\n"), std::string::npos)
        << fixed.err;
    EXPECT_EQ(ReadFile(home / "books/shop.epub"), shop);
    EXPECT_EQ(EntryBytes(home / "books/one.epub", BookStylesheet).find("text-align: justify"), std::string::npos);
    EXPECT_EQ(ZipEntryNames(home / "books/one.epub").at(0), "mimetype");
    EXPECT_FALSE(std::filesystem::exists(home / "config/Bindwell/Bindwell.ini")) << "saved only with --save";

    Result again = RunCli("--no-justify '" + home / "books" + "'", home);
    EXPECT_EQ(again.out, "Okay, your books are all set. (2 epubs fixed.) 2 of them were already as the options ask, "
                         "and were left untouched. 1 book was left as it was: it cannot be fixed safely.\n");

    RunCli("--no-fonts --save '" + home / "books" + "'", home);
    EXPECT_NE(ReadFile(home / "config/Bindwell/Bindwell.ini").find("IntlFonts=No"), std::string::npos);

    // The rules between options hold here as in the dialog: with the
    // stylesheets deleted, no font is embedded that no stylesheet uses.
    MakeEpub(home / "fresh.epub", EpubVersion::Three);
    EXPECT_EQ(RunCli("--delete-css --fonts '" + home / "fresh.epub" + "'", home).status, 0);
    const auto names = ZipEntryNames(home / "fresh.epub");
    EXPECT_EQ(std::count(names.begin(), names.end(), "LiberationSerif-Regular.ttf"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), BookStylesheet), 0);
}

// Every file below a folder with its size and modification time.
std::string FolderState(const std::string& folder)
{
    std::string state;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto time = entry.last_write_time().time_since_epoch().count();
        state += entry.path().string() + " " + std::to_string(entry.is_regular_file() ? entry.file_size() : 0) + " " +
                 std::to_string(time) + "\n";
    }
    return state;
}

// A dry run says of each book what a run then does, and changes nothing:
// no byte, no name, no time, no Trash, no settings.
TEST(BindwellCli, ADryRunSaysWhatARunThenDoes)
{
    TempFolder home;
    MakeEpub(home / "books/a fresh.epub", EpubVersion::Three);
    MakeEpub(home / "books/fixed.epub", EpubVersion::Two);
    MakeEpub(home / "books/shop.epub", EpubVersion::Three);
    BuildZip(home / "books/shop.epub", {{"META-INF/encryption.xml", "<encryption"}}, true);
    WriteFile(home / "books/broken.epub", "not an archive");
    ASSERT_EQ(RunCli("--no-keep-originals '" + home / "books/fixed.epub" + "'", home).status, 0);
    const std::string before = FolderState(home / "books");
    const std::string fixed = ReadFile(home / "books/fixed.epub"), fresh = ReadFile(home / "books/a fresh.epub");

    const Result dry = RunCli("--dry-run --keep-going '" + home / "books" + "'", home);
    EXPECT_EQ(dry.status, 1) << "a book would fail, as it fails in a run";
    EXPECT_EQ(FolderState(home / "books"), before);
    EXPECT_FALSE(std::filesystem::exists(home / "data/Trash"));
    EXPECT_FALSE(std::filesystem::exists(home / "config/Bindwell/Bindwell.ini"));
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> split;
        std::istringstream in(dry.out);
        for (std::string line; std::getline(in, line);)
            split.push_back(line);
        return split;
    }();
    ASSERT_EQ(lines.size(), 5u) << dry.out;
    EXPECT_EQ(lines[0].rfind("a fresh.epub: would change: 1 stylesheet, 1 declaration removed; the fonts embedded, "
                             "cut to the book's characters (", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("broken.epub: would fail: " + home / "books/broken.epub Bindwell left this book", 0), 0u)
        << lines[1];
    EXPECT_EQ(lines[2], "fixed.epub: already as the options ask");
    EXPECT_EQ(lines[3].rfind("shop.epub: left alone: protected: META-INF/encryption.xml is not well-formed", 0), 0u);
    EXPECT_EQ(lines[4], "2 epubs would be fixed; 1 of them is already as the options ask. 1 book would be left as it "
                        "is: it cannot be fixed safely.");

    const Result run = RunCli("--keep-going '" + home / "books" + "'", home);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("Okay, your books are all set. (2 epubs fixed.) 1 of them was already as the options ask", 0),
              0u) << run.out;
    EXPECT_NE(ReadFile(home / "books/a fresh.epub"), fresh);
    EXPECT_EQ(ReadFile(home / "books/fixed.epub"), fixed);

    // Kobo books: the new name a run would give, and a book whose new name
    // is taken, left alone; --list marks both; the run prints the new path.
    MakeEpub(home / "kobo/a.epub", EpubVersion::Three);
    MakeEpub(home / "kobo/taken.epub", EpubVersion::Three);
    MakeEpub(home / "kobo/taken.kepub.epub", EpubVersion::Three);
    const std::string kobo = FolderState(home / "kobo");
    const Result koboDry = RunCli("--dry-run --kepub '" + home / "kobo" + "'", home);
    EXPECT_EQ(FolderState(home / "kobo"), kobo);
    std::istringstream koboLines(koboDry.out);
    std::string line;
    std::getline(koboLines, line);
    EXPECT_EQ(line.rfind("a.epub: would change: ", 0), 0u) << line;
    EXPECT_NE(line.find("; would become a.kepub.epub"), std::string::npos) << line;
    std::getline(koboLines, line);
    EXPECT_EQ(line, "taken.epub: left alone: taken.kepub.epub already exists");
    std::getline(koboLines, line);
    EXPECT_EQ(line.find("would become"), std::string::npos) << "a Kobo book keeps its name: " << line;
    EXPECT_EQ(RunCli("--list --kepub '" + home / "kobo" + "'", home).out,
              "a.epub\twould become a.kepub.epub\ntaken.epub\ttaken.kepub.epub already exists\ntaken.kepub.epub\n");
    const Result koboRun = RunCli("--kepub '" + home / "kobo" + "'", home);
    EXPECT_EQ(koboRun.out.rfind(home / "kobo/a.kepub.epub" + "\n", 0), 0u) << koboRun.out;
    EXPECT_FALSE(std::filesystem::exists(home / "kobo/a.epub"));
}

// Send to Kindle's mends in the words of a dry run, and a book too large
// to be mailed to it named by its place in the folder, in a dry run and a
// run alike.
TEST(BindwellCli, SaysWhatSendToKindleMendsAndWhichBooksAreTooLarge)
{
    TempFolder home;
    const std::string atlas = home / "books/Series/Atlas.epub";
    MakeEpub(atlas, EpubVersion::Three);
    std::string chapter = EntryBytes(atlas, "OEBPS/Text/chapter1.xhtml"), nav = EntryBytes(atlas, "OEBPS/nav.xhtml");
    chapter.replace(chapter.find("<body>"), 6, "<body id=\"b1\">");
    nav.replace(nav.find("chapter1.xhtml\""), 15, "chapter1.xhtml#b1\"");
    std::string noise(52'900'000, '\0');
    std::uint64_t state = 37;
    for (std::size_t i = 0; i + 8 <= noise.size(); i += 8) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        const std::uint64_t r = state ^ (state >> 29);
        std::copy_n(reinterpret_cast<const char*>(&r), 8, &noise[i]);
    }
    BuildZip(atlas, {{"OEBPS/Text/chapter1.xhtml", chapter}, {"OEBPS/nav.xhtml", nav},
                     {"OEBPS/noise.bin", noise, EntrySpec::File, true}}, true);
    noise.clear();
    const std::string said = "Series/Atlas.epub is 53 MB: Send to Kindle takes at most 50 MB by e-mail.";

    const Result dry = RunCli("--dry-run --kindle --no-fonts '" + home / "books" + "'", home);
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out.rfind("Series/Atlas.epub: would change: ", 0), 0u) << dry.out;
    EXPECT_NE(dry.out.find("; the links and pictures mended for Send to Kindle\n"), std::string::npos) << dry.out;
    EXPECT_EQ(dry.err, said + "\n");

    const Result run = RunCli("--kindle --no-fonts --no-keep-originals '" + home / "books" + "'", home);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, said + "\n");
    EXPECT_EQ(EntryBytes(atlas, "OEBPS/nav.xhtml").find("#b1"), std::string::npos);
}

// The help and the messages in the session's language, Qt's own words
// (the usage line) included.
TEST(BindwellCli, SpeaksTheSessionsLanguage)
{
    TempFolder home;
    const Result help = RunCli("--help", home, "fr_FR.UTF-8");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Utilisation"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("Corrige des livres EPUB comme le fait la fenêtre de Bindwell."), std::string::npos);
    EXPECT_NE(help.out.find("Mettre l'original de chaque livre"), std::string::npos);
    EXPECT_EQ(RunCli("'" + home / "none" + "'", home, "fr_FR.UTF-8").err,
              "bindwell-cli: " + home / "none" + " n'est ni un dossier ni un fichier EPUB\n");
    EXPECT_NE(RunCli("--help", home, "en_US.UTF-8").out.find("Fixes EPUB books as the Bindwell window does."),
              std::string::npos);
}

TEST(BindwellCli, ExitStatusSaysHowTheRunEnded)
{
    TempFolder home;
    EXPECT_EQ(RunCli("", home).status, 2);
    EXPECT_EQ(RunCli("--bogus '" + home.path() + "'", home).status, 2);
    EXPECT_EQ(RunCli("'" + home / "missing" + "'", home).status, 2);
    EXPECT_EQ(RunCli("--help", home).status, 0);
    EXPECT_NE(RunCli("--version", home).out.find("bindwell-cli "), std::string::npos);

    std::filesystem::create_directories(home / "empty");
    Result none = RunCli("'" + home / "empty" + "'", home);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No books fixed - no books selected.\n");

    WriteFile(home / "bad/x.epub", "not an archive");
    Result bad = RunCli("'" + home / "bad" + "'", home);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err.rfind(home / "bad/x.epub\n", 0), 0u) << bad.err;
    EXPECT_EQ(ReadFile(home / "bad/x.epub"), "not an archive");
}

// Several PATHs, folders and files, each book once; with --keep-going a
// broken book is reported and passed over, and the others are fixed.
TEST(BindwellCli, FixesSeveralPathsAndKeepsGoingPastABrokenBook)
{
    TempFolder home;
    MakeEpub(home / "one/a.epub", EpubVersion::Three);
    WriteFile(home / "one/broken.epub", "not an archive");
    MakeEpub(home / "two/b.epub", EpubVersion::Two);
    MakeEpub(home / "loose/c.epub", EpubVersion::Three);
    const std::string paths = "'" + home / "one" + "' '" + home / "loose/c.epub" + "' '" + home / "two" + "' '" +
                              home / "one/a.epub" + "'";

    Result listed = RunCli("--list " + paths, home);
    EXPECT_EQ(listed.out, home / "one/a.epub\n" + home / "one/broken.epub\n" + home / "loose/c.epub\n" +
                              home / "two/b.epub\n");

    const std::string c = ReadFile(home / "loose/c.epub");
    Result stopped = RunCli(paths, home);
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(ReadFile(home / "loose/c.epub"), c) << "the first failure ends the run";

    Result going = RunCli("--keep-going " + paths, home);
    EXPECT_EQ(going.status, 1);
    EXPECT_EQ(going.out, "Okay, your books are all set. (3 epubs fixed.) 1 of them was already as the options ask, "
                         "and was left untouched. The original books are in the Trash.\n")
        << "a.epub was fixed before the first run stopped";
    EXPECT_EQ(going.err.rfind(home / "one/broken.epub\nBindwell left this book as it was:", 0), 0u) << going.err;
    EXPECT_NE(going.err.find("1 book failed:\n" + home / "one/broken.epub\n"), std::string::npos) << going.err;
    for (const char* book : {"one/a.epub", "two/b.epub", "loose/c.epub"}) {
        const auto names = ZipEntryNames(home / book);
        EXPECT_EQ(std::count(names.begin(), names.end(), "LiberationSerif-Bold.ttf"), 1) << book;
    }
    EXPECT_EQ(ReadFile(home / "one/broken.epub"), "not an archive");

    EXPECT_EQ(RunCli("'" + home / "one/broken.epub.txt" + "'", home).status, 2) << "neither a folder nor a book";
}

// A PNG chunk: its length, type, data and CRC-32.
std::string Chunk(const std::string& type, const std::string& data)
{
    const auto big = [](uint32_t n) {
        return std::string{char(n >> 24), char(n >> 16 & 0xFF), char(n >> 8 & 0xFF), char(n & 0xFF)};
    };
    const std::string body = type + data;
    return big(static_cast<uint32_t>(data.size())) + body +
           big(static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

// A black one-bit grey PNG of side × side pixels, some KB, deflated row by
// row: the test's own memory stays small, as the run's children start
// with it.
std::string BlackPng(uint32_t side)
{
    std::string row(1 + (side + 7) / 8, '\0');  // the filter byte, then the pixels
    std::string packed, piece(1u << 16, '\0');
    z_stream z{};
    deflateInit(&z, 9);
    for (uint32_t y = 0; y <= side; ++y) {
        z.next_in = reinterpret_cast<Bytef*>(row.data());
        z.avail_in = y < side ? static_cast<uInt>(row.size()) : 0;
        do {
            z.next_out = reinterpret_cast<Bytef*>(piece.data());
            z.avail_out = static_cast<uInt>(piece.size());
            deflate(&z, y < side ? Z_NO_FLUSH : Z_FINISH);
            packed.append(piece, 0, piece.size() - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    const auto big = [](uint32_t n) {
        return std::string{char(n >> 24), char(n >> 16 & 0xFF), char(n >> 8 & 0xFF), char(n & 0xFF)};
    };
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", big(side) + big(side) + std::string("\x01\0\0\0\0", 5)) +
           Chunk("IDAT", packed) + Chunk("IEND", "");
}

// A picture of 400 megapixels is scaled down with the whole run, a process
// of its own, under 200 MB resident; the run says how much the pictures
// shrank. One of more than 500 megapixels is left as it was, and named.
TEST(BindwellCli, FitsAHugePictureWithinBoundedMemory)
{
    TempFolder home;
    const std::string book = home / "huge.epub";
    MakeEpub(book, EpubVersion::Three);
    const std::string tooLarge = BlackPng(23000);
    BuildZip(book, {{"OEBPS/huge.png", BlackPng(20000)}, {"OEBPS/too-large.png", tooLarge}}, true);
    const Result run = RunCli("--no-fonts --fit-pictures --screen 1264x1680 --no-keep-originals '" + book + "'", home);
    rusage children{};
    ::getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Pictures: "), std::string::npos) << run.out;
    const PictureHead fitted = ReadPictureHead(EntryBytes(book, "OEBPS/huge.png"));
    EXPECT_EQ(fitted.width, 1264);
    EXPECT_EQ(fitted.height, 1264);
    EXPECT_LT(children.ru_maxrss, 200L * 1024) << "kilobytes at the peak";
    EXPECT_EQ(EntryBytes(book, "OEBPS/too-large.png"), tooLarge);
    EXPECT_NE(run.err.find("huge.epub: OEBPS/too-large.png has more than 500 megapixels and was left as it was"),
              std::string::npos)
        << run.err;
}

}  // namespace

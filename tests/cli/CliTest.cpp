// bindwell-cli as a user runs it: its arguments, its output and its exit
// status.
#include "BookBuilder.h"
#include "CommandLine.h"
#include "ProgramFolder.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

struct Result {
    int status;
    std::string out, err;
};

// Runs the program with no terminal, in a scratch environment.
Result RunCli(const std::string& arguments, const TempFolder& home)
{
    const std::string out = home / "out.txt", err = home / "err.txt";
    const std::string command = "env XDG_CONFIG_HOME='" + home / "config" + "' XDG_RUNTIME_DIR= TMPDIR='" +
                                home.path() + "' '" + ProgramFolder() + "bindwell-cli' " + arguments + " > '" + out +
                                "' 2> '" + err + "' < /dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

TEST(CommandLine, ParsesOptionsAndRefusesWhatItDoesNotKnow)
{
    CommandLine line = ParseCommandLine({"--no-fonts", "--delete-css", "--save", "books"});
    EXPECT_EQ(line.action, CommandLine::Action::Fix);
    EXPECT_EQ(line.folder, "books");
    EXPECT_TRUE(line.save);
    EXPECT_EQ(line.options, (std::vector<std::pair<std::string, bool>>{{"IntlFonts", false}, {"DeleteCSS", true}}));
    EXPECT_EQ(ParseCommandLine({"--list", "x"}).action, CommandLine::Action::List);
    EXPECT_EQ(ParseCommandLine({"--frobnicate", "x"}).action, CommandLine::Action::UsageError);
    EXPECT_EQ(ParseCommandLine({}).action, CommandLine::Action::UsageError);
    EXPECT_EQ(ParseCommandLine({"a", "b"}).action, CommandLine::Action::UsageError);
    EXPECT_EQ(ParseCommandLine({"--", "-odd-name"}).folder, "-odd-name");
}

TEST(BindwellCli, ListsFixesAndSaysSo)
{
    TempFolder home;
    MakeEpub(home / "books/one.epub", EpubVersion::Three);
    MakeEpub(home / "books/Series/Volume 1.epub", EpubVersion::Two);
    WriteFile(home / "books/notes.txt", "x");
    const std::string original = ReadFile(home / "books/one.epub");

    Result listed = RunCli("--list '" + home / "books" + "'", home);
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "one.epub\nSeries/Volume 1.epub\n");
    EXPECT_EQ(ReadFile(home / "books/one.epub"), original);

    Result fixed = RunCli("--no-justify '" + home / "books/" + "'", home);
    EXPECT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_EQ(fixed.out, "Okay, your books are all set. (2 epubs fixed.)\n");
    EXPECT_EQ(EntryBytes(home / "books/one.epub", BookStylesheet).find("text-align: justify"), std::string::npos);
    EXPECT_EQ(ZipEntryNames(home / "books/one.epub").at(0), "mimetype");
    EXPECT_FALSE(std::filesystem::exists(home / "config/Bindwell/Bindwell.ini")) << "saved only with --save";

    RunCli("--no-fonts --save '" + home / "books" + "'", home);
    EXPECT_NE(ReadFile(home / "config/Bindwell/Bindwell.ini").find("IntlFonts=No"), std::string::npos);
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

}  // namespace

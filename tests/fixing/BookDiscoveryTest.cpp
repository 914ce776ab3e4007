// Finding the books below a folder.
#include "BookDiscovery.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FindBooks, ListsBooksOfAFolderThenOfEachSubfolderDepthFirst)
{
    TempFolder dir;
    for (const char* name : {"one.epub", "TWO.EPUB", "notes.txt", "Sub/three.Epub", "Sub/Deeper/four.epub",
                             "Another/five.epub", ".hidden.epub", ".Hidden/six.epub", "Extra.epub/inner.epub"})
        WriteFile(dir / name, "x");
    EXPECT_EQ(ListBooks(dir.path()), (std::vector<std::string>{"Extra.epub", "one.epub", "TWO.EPUB",
                                                              "Another/five.epub", "Sub/three.Epub",
                                                              "Sub/Deeper/four.epub"}));
}

TEST(FindBooks, PrefixesEntriesWithTheInnerPathAndSurvivesLinkLoops)
{
    TempFolder dir;
    WriteFile(dir / "a/b.epub", "x");
    std::filesystem::create_directory_symlink(dir.path(), dir / "a/loop");
    std::vector<std::string> entries;
    FindBooks(dir.folder(), "top/", [&](const std::string& e) { entries.push_back(e); });
    EXPECT_EQ(entries, (std::vector<std::string>{"top/a/b.epub"}));
    EXPECT_TRUE(ListBooks(dir / "missing").empty());
}

}  // namespace

// Archives built to do harm, and archives that are simply broken: nothing
// lands outside the target folder, nothing crashes, and the result says
// what went wrong.
#include "FakePrompter.h"
#include "TestFiles.h"
#include "UnzipBinding.h"
#include "ZipFixtures.h"
#include "unzip32.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class HostileArchive : public ::testing::Test {
protected:
    int Unpack(const std::string& archive)
    {
        UnzipRequest& r = TheUnzipRequest();
        r = UnzipRequest{};
        r.noflag = 1;
        r.ndflag = 1;
        r.lpszZipFN = archive;
        r.lpszExtractDir = dir / "box/target";
        return RunUnzip();
    }
    // Everything below box/ other than what the target folder holds.
    std::map<std::string, std::string> Outside()
    {
        auto tree = ReadTree(dir / "box");
        std::erase_if(tree, [](const auto& e) { return e.first.rfind("target", 0) == 0; });
        return tree;
    }
    std::map<std::string, std::string> Target() { return ReadTree(dir / "box/target"); }

    FakePrompter prompter;
    TempFolder dir;
};

TEST_F(HostileArchive, TraversingNamesAreCutBackInsideTheTarget)
{
    BuildZip(dir / "evil.zip", {{"../evil", "1"},
                                {"/abs", "2"},
                                {"a/../../evil2", "3"},
                                {"C:\\evil3", "4"},
                                {"..\\..\\evil4", "5"},
                                {"ok/fine.txt", "6"}});
    EXPECT_EQ(Unpack(dir / "evil.zip"), UZ_WARN);
    EXPECT_TRUE(Outside().empty());
    const auto inside = Target();
    EXPECT_EQ(inside.at("evil"), "1");
    EXPECT_EQ(inside.at("abs"), "2");
    EXPECT_EQ(inside.at("a/evil2"), "3");
    EXPECT_EQ(inside.at("evil3"), "4");
    EXPECT_EQ(inside.at("evil4"), "5");
    EXPECT_EQ(inside.at("ok/fine.txt"), "6");
    EXPECT_NE(TheUnzipRequest().printText.find("warning:  skipped \"../\" path component(s) in ../evil"),
              std::string::npos);
    EXPECT_NE(TheUnzipRequest().printText.find("stripped the absolute part of the path from /abs"), std::string::npos);
}

TEST_F(HostileArchive, SymbolicLinksAreNeverCreated)
{
    BuildZip(dir / "link.zip", {{"link", "/etc/passwd", EntrySpec::SymbolicLink}, {"link/../../x", "y"}});
    EXPECT_EQ(Unpack(dir / "link.zip"), UZ_WARN);
    EXPECT_TRUE(Outside().empty());
    for (const auto& [name, bytes] : Target())
        EXPECT_NE(bytes, "<link>") << name;
}

TEST_F(HostileArchive, AFileInTheWayOfAFolderIsAnErrorNotAnEscape)
{
    BuildZip(dir / "clash.zip", {{"a", "file"}, {"a/b", "under a file"}});
    EXPECT_EQ(Unpack(dir / "clash.zip"), UZ_ERR);
    EXPECT_EQ(Target().at("a"), "file");
}

TEST_F(HostileArchive, BrokenArchivesSayWhatIsWrong)
{
    BuildZip(dir / "good.zip", {{"mimetype", "application/epub+zip", EntrySpec::File, true},
                                {"OEBPS/a.xhtml", RandomBytes(50000, 3)}});
    const std::string good = ReadFile(dir / "good.zip");

    WriteFile(dir / "notzip.epub", "this is just text, not an archive at all");
    EXPECT_EQ(Unpack(dir / "notzip.epub"), UZ_NOZIP);

    EXPECT_EQ(Unpack(dir / "missing.epub"), UZ_NOZIP);

    std::filesystem::create_directory(dir / "folder.epub");
    EXPECT_EQ(Unpack(dir / "folder.epub"), UZ_NOZIP);

    WriteFile(dir / "truncated.epub", good.substr(0, good.size() / 2));
    EXPECT_NE(Unpack(dir / "truncated.epub"), UZ_OK);

    std::string damaged = good;
    const auto central = damaged.rfind("PK\x01\x02");
    ASSERT_NE(central, std::string::npos);
    damaged[central + 20] ^= 0x55;  // compressed size of the last entry
    damaged[central + 42] ^= 0x55;  // its local header offset
    WriteFile(dir / "damaged.epub", damaged);
    const int damagedResult = Unpack(dir / "damaged.epub");
    EXPECT_GE(damagedResult, UZ_ERR);

    std::string corruptData = good;
    corruptData[corruptData.size() / 2] ^= 0x55;  // inside the deflated entry
    WriteFile(dir / "corrupt.epub", corruptData);
    EXPECT_GE(Unpack(dir / "corrupt.epub"), UZ_ERR);
    EXPECT_EQ(Target().count("OEBPS/a.xhtml"), 0u) << "a damaged entry leaves no half-written file";
    EXPECT_TRUE(Outside().count("target") == 0);
}

}  // namespace

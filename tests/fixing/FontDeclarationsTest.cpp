// The font rule, the manifest item and the package document edit.
#include "LiberationFaces.h"
#include "PackageDocument.h"
#include "ExpectedText.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(FontDef, BuildsTheRuleWithItsArgumentsVerbatim)
{
    EXPECT_EQ(FontDef("italic", "bold", "LiberationSerif-BoldItalic.ttf"),
              "@font-face {\r\nfont-style: italic;\r\nfont-family: 'Liberation', serif, sans-serif;\r\n"
              "font-weight: bold;\r\nsrc: url(LiberationSerif-BoldItalic.ttf);\r\n}\r\n");
    EXPECT_NE(FontDef("a\"}", "b", "c").find("font-style: a\"};\r\n"), std::string::npos);
}

TEST(OpfFontDef, BuildsTheItemWithItsArgumentsVerbatim)
{
    EXPECT_EQ(OpfFontDef("LiberationSerif-Regular.ttf", "liber1"),
              "<item href=\"LiberationSerif-Regular.ttf\" media-type=\"application/octet-stream\" "
              "id=\"liber1\"/>\r\n");
    EXPECT_EQ(OpfFontDef("a\"b", "{x}"), "<item href=\"a\"b\" media-type=\"application/octet-stream\" "
                                         "id=\"{x}\"/>\r\n");
}

class PackageDocumentTest : public ::testing::Test {
protected:
    std::string Alter(const std::string& opf, const std::string& prefix = "")
    {
        const std::string path = dir / "content.opf";
        WriteFile(path, opf);
        AlterContentOpf(path, prefix);
        return ReadFile(path);
    }
    TempFolder dir;
};

TEST_F(PackageDocumentTest, WorkedExampleComesOutByteForByte)
{
    const std::string before = "<package>\r\n<manifest>\r\n<item id=\"a\"/>\r\n</manifest>\r\n</package>";
    EXPECT_EQ(Alter(before), "<package>\r\n<manifest>" + ManifestItems("") +
                                 "\r\n<item id=\"a\"/>\r\n</manifest>\r\n</package>\r\n");
}

TEST_F(PackageDocumentTest, ItemsAreNamedRelativeToTheDocument)
{
    EXPECT_EQ(Alter("<manifest>", "../"), "<manifest>" + ManifestItems("../") + "\r\n");
}

TEST_F(PackageDocumentTest, ManifestStartTags)
{
    EXPECT_EQ(Alter("<MANIFEST>"), "<MANIFEST>" + ManifestItems("") + "\r\n") << "case is ignored";
    EXPECT_EQ(Alter("<manifest\r\n  id=\"m\">"), "<manifest\r\n  id=\"m\">" + ManifestItems("") + "\r\n")
        << "attributes over several lines";
    std::string prefixed = ManifestItems("");
    for (auto at = prefixed.find("<item"); at != std::string::npos; at = prefixed.find("<item", at + 1))
        prefixed.replace(at, 5, "<opf:item");
    const std::string once = Alter("<opf:manifest></opf:manifest>");
    EXPECT_EQ(once, "<opf:manifest>" + prefixed + "</opf:manifest>\r\n") << "prefixed items after a prefixed tag";
    EXPECT_EQ(Alter(once), once) << "and not again";
    const std::string named = Alter("<manifest:manifest>");
    EXPECT_EQ(Alter(named), named) << "the items after a manifest prefixed \"manifest:\" are no manifest";
    EXPECT_EQ(Alter("<manifest/>"), "<manifest/>" + ManifestItems("") + "\r\n") << "self-closing";
    EXPECT_EQ(Alter("<manifest>x</manifest><manifest>"),
              "<manifest>" + ManifestItems("") + "x</manifest><manifest>" + ManifestItems("") + "\r\n")
        << "every start tag, never the closing tag";
    EXPECT_EQ(Alter("<package/>"), "<package/>") << "no manifest";
    EXPECT_EQ(Alter("<manifest"), "<manifest") << "a tag that never closes";
}

// Fixing a fixed document adds nothing and leaves the file untouched, also
// one that an earlier release gave the items twice; items written for
// another folder depth are not the ones this document needs.
TEST_F(PackageDocumentTest, ASecondRunInsertsNothing)
{
    const std::string once = Alter("<manifest>");
    const auto written = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(dir / "content.opf", written);
    EXPECT_FALSE(AlterContentOpf(dir / "content.opf"));
    EXPECT_EQ(ReadFile(dir / "content.opf"), once);
    EXPECT_EQ(std::filesystem::last_write_time(dir / "content.opf"), written);

    const std::string doubled = "<manifest>" + ManifestItems("") + ManifestItems("") + "\r\n\r\n";
    EXPECT_EQ(Alter(doubled), doubled);
    EXPECT_EQ(Alter("<manifest>" + ManifestItems("../"), ""),
              "<manifest>" + ManifestItems("") + ManifestItems("../") + "\r\n");
}

TEST_F(PackageDocumentTest, TenThousandManifestTags)
{
    std::string opf;
    for (int i = 0; i < 10000; ++i)
        opf += "<manifest>";
    const std::string out = Alter(opf);
    EXPECT_EQ(out.size(), opf.size() + 10000 * ManifestItems("").size() + 2);
}

}  // namespace

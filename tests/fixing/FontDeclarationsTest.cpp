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
    EXPECT_EQ(Alter("<opf:manifest></opf:manifest>"), "<opf:manifest></opf:manifest>\r\n") << "prefixed";
    EXPECT_EQ(Alter("<manifest/>"), "<manifest/>" + ManifestItems("") + "\r\n") << "self-closing";
    EXPECT_EQ(Alter("<manifest>x</manifest><manifest>"),
              "<manifest>" + ManifestItems("") + "x</manifest><manifest>" + ManifestItems("") + "\r\n")
        << "every start tag, never the closing tag";
    EXPECT_EQ(Alter("<package/>"), "<package/>\r\n") << "no manifest";
    EXPECT_EQ(Alter("<manifest"), "<manifest\r\n") << "a tag that never closes";
}

TEST_F(PackageDocumentTest, ASecondRunInsertsAgain)
{
    Alter("<manifest>");
    AlterContentOpf(dir / "content.opf");
    EXPECT_EQ(ReadFile(dir / "content.opf"), "<manifest>" + ManifestItems("") + ManifestItems("") + "\r\n\r\n");
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

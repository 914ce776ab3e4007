// Stylesheets and package documents in UTF-16 are edited in UTF-16; the
// others keep every byte they had.
#include "PackageDocument.h"
#include "SettingsStore.h"
#include "Stylesheet.h"
#include "ExpectedText.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

// text (UTF-8) in UTF-16 with its byte-order mark, written out here by
// hand rather than with the code under test.
std::string Utf16(const std::string& text, bool littleEndian)
{
    std::u32string codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : n == 2 ? b & 0x1F : n == 3 ? b & 0x0F : b & 0x07;
        for (int k = 1; k < n; ++k)
            c = c << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        codes += c;
        i += n;
    }
    std::string out;
    auto unit = [&](char32_t u) {
        out += static_cast<char>(littleEndian ? u & 0xFF : u >> 8);
        out += static_cast<char>(littleEndian ? u >> 8 : u & 0xFF);
    };
    unit(0xFEFF);
    for (char32_t c : codes) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

class TextEncodingTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        SettingsStore::LoadOptions();
        for (const char* key : {OptionKey::FontSizes, OptionKey::IntlFonts, OptionKey::JustifyText})
            SettingsStore::PutOption(key, true);
    }
    ScratchSettings settings;
    TempFolder dir;
};

TEST_P(TextEncodingTest, Utf16IsEditedInUtf16AndASecondPassAddsNothing)
{
    const bool le = GetParam();
    const std::string css = dir / "style.css";
    WriteFile(css, Utf16("/* caf\xC3\xA9 \xF0\x9D\x84\x9E */ h1 { font-size: 2em; color: red }", le));
    EXPECT_TRUE(StripCSSFonts(css, "", FixOptions::Current()));
    const std::string once = Utf16("/* caf\xC3\xA9 \xF0\x9D\x84\x9E */ h1 {  color: red }\r\n" + FaceRules("") +
                                       BodyRule + "\r\n" + ParagraphRule + "\r\n",
                                   le);
    EXPECT_EQ(ReadFile(css), once);
    EXPECT_FALSE(StripCSSFonts(css, "", FixOptions::Current()));
    EXPECT_EQ(ReadFile(css), once);

    const std::string opf = dir / "content.opf";
    const std::string document = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<package><manifest>\r\n";
    WriteFile(opf, Utf16(document, le));
    EXPECT_TRUE(AlterContentOpf(opf));
    const std::string altered = Utf16(
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<package><manifest>" + ManifestItems("") + "\r\n\r\n", le);
    EXPECT_EQ(ReadFile(opf), altered);
    EXPECT_FALSE(AlterContentOpf(opf));
    EXPECT_EQ(ReadFile(opf), altered);
}

TEST_P(TextEncodingTest, ReaderOptionsEditUtf16InUtf16)
{
    for (const char* key : {OptionKey::LineHeights, OptionKey::PageMargins, OptionKey::FontFamilies,
                            OptionKey::RelativeSizes})
        SettingsStore::PutOption(key, true);
    const bool le = GetParam();
    const std::string css = dir / "style.css";
    WriteFile(css, Utf16("body { margin: 0; line-height: 1.2; font-family: \"Caf\xC3\xA9 \xF0\x9D\x84\x9E\", serif; "
                         "font-size: 12pt } h1 { font-size: 1.4em }",
                         le));
    EXPECT_TRUE(StripCSSFonts(css, "", FixOptions::Current()));
    const std::string once = Utf16(
        "body {    } h1 { font-size: 1.4em }\r\n" + FaceRules("") + BodyRule + "\r\n" + ParagraphRule + "\r\n", le);
    EXPECT_EQ(ReadFile(css), once);
    EXPECT_FALSE(StripCSSFonts(css, "", FixOptions::Current()));
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, TextEncodingTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "LittleEndian" : "BigEndian"; });

// A UTF-8 mark and Latin-1 bytes stay; a lone surrogate comes back as it
// was; what cannot be edited safely (a UTF-16 mark on an odd number of
// bytes, a UTF-32 mark, an edit that would make a mark) is left as it was.
TEST_F(TextEncodingTest, OtherEncodingsKeepTheirBytes)
{
    const std::string css = dir / "style.css";
    WriteFile(css, "\xEF\xBB\xBF@charset \"utf-8\"; a { font-size: 1em; }");
    StripCSSFonts(css, "", FixOptions::Current());
    const std::string kept = "\xEF\xBB\xBF@charset \"utf-8\"; a {  }\r\n";
    EXPECT_EQ(ReadFile(css).substr(0, kept.size()), kept);

    std::string lone = Utf16("a{}", true);
    lone.insert(2, "\x00\xD8", 2);  // a high surrogate with no low one after it
    WriteFile(css, lone);
    StripCSSFonts(css, "", FixOptions::Current());
    EXPECT_EQ(ReadFile(css).substr(0, lone.size()), lone);

    const std::string unsafes[] = {Utf16("a{font-size:1em;}", true) + "x", std::string("\xFF\xFE\0\0a\0\0\0", 8),
                                   "font-size:1px;\xFE\xFF"};  // the edit would make a UTF-16 mark
    for (const std::string& unsafe : unsafes) {
        WriteFile(css, unsafe);
        EXPECT_FALSE(StripCSSFonts(css, "", FixOptions::Current()));
        EXPECT_EQ(ReadFile(css), unsafe);
    }
}

}  // namespace

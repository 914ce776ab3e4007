// Stylesheets and package documents in UTF-16 are edited in UTF-16,
// stylesheets in Shift_JIS, Big5 or GB18030 by their characters; the others
// keep every byte they had.
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
    EXPECT_TRUE(StripCSSFonts(css, "", FixOptions::Current()).rewritten);
    const std::string once = Utf16("/* caf\xC3\xA9 \xF0\x9D\x84\x9E */ h1 {  color: red }\r\n" + FaceRules("") +
                                       BodyRule + "\r\n" + ParagraphRule + "\r\n",
                                   le);
    EXPECT_EQ(ReadFile(css), once);
    EXPECT_FALSE(StripCSSFonts(css, "", FixOptions::Current()).rewritten);
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
    EXPECT_TRUE(StripCSSFonts(css, "", FixOptions::Current()).rewritten);
    const std::string once = Utf16(
        "body {    } h1 { font-size: 1.4em }\r\n" + FaceRules("") + BodyRule + "\r\n" + ParagraphRule + "\r\n", le);
    EXPECT_EQ(ReadFile(css), once);
    EXPECT_FALSE(StripCSSFonts(css, "", FixOptions::Current()).rewritten);
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
        const StylesheetEdit edit = StripCSSFonts(css, "", FixOptions::Current());
        EXPECT_FALSE(edit.rewritten);
        EXPECT_EQ(edit.uneditable, "") << "skipped without a word, as ever";
        EXPECT_EQ(ReadFile(css), unsafe);
    }
}

// A stylesheet whose @charset names an encoding in which an ASCII byte can
// stand inside a character is edited by its characters, and keeps every
// byte outside the edits; one whose characters iconv cannot give back
// exactly, or in an encoding it does not know, is left as it was and its
// encoding named. EUC's bytes below 0x80 are ASCII: edited as bytes.
TEST_F(TextEncodingTest, MultiByteEncodingsAreEditedByTheirCharactersOrNamed)
{
    SettingsStore::PutOption(OptionKey::FontFamilies, true);
    const std::string css = dir / "style.css";
    const std::string appended = "\r\n" + FaceRules("") + BodyRule + "\r\n" + ParagraphRule + "\r\n";
    const std::pair<std::string, std::string> edited[] = {
        // マ明朝 ends in 7D ("}"), ソ in 5C ("\\").
        {"@charset \"Shift_JIS\";\r\np { font-family: \x83\x7D\x96\xBE\x92\xA9; font-size: 12px; color: red }\r\n"
         "h1::before { content: \"\x83\x5C\"; font-size: 2em; }",
         "@charset \"Shift_JIS\";\r\np {   color: red }\r\nh1::before { content: \"\x83\x5C\";  }"},
        // 許功 end in 5C.
        {"@charset \"Big5\";\r\nh1::before { content: \"\xB3\x5C\xA5\x5C\"; font-size: 2em; color: red }",
         "@charset \"Big5\";\r\nh1::before { content: \"\xB3\x5C\xA5\x5C\";  color: red }"},
        // 倉 ends in 7D; 𠀀 takes four bytes.
        {"@charset \"GB18030\";\r\np { font-family: \x82\x7D; font-size: 12px; color: red }\r\n"
         "p::after { content: \"\x95\x32\x82\x36\" }",
         "@charset \"GB18030\";\r\np {   color: red }\r\np::after { content: \"\x95\x32\x82\x36\" }"},
        // マ between shifts, which make no character.
        {"@charset \"ISO-2022-JP\";\r\n/* \x1B$B%^\x1B(B */ p { font-size: 1em; color: red }",
         "@charset \"ISO-2022-JP\";\r\n/* \x1B$B%^\x1B(B */ p {  color: red }"},
        // マ明朝 in EUC-JP; FF is no character, which iconv would refuse.
        {"@charset \"EUC-JP\";\r\np { font-family: \xA5\xDE\xCC\xC0\xC4\xAB; font-size: 12px; color: red } /* \xFF */",
         "@charset \"EUC-JP\";\r\np {   color: red } /* \xFF */"},
    };
    for (const auto& [before, after] : edited) {
        WriteFile(css, before);
        EXPECT_TRUE(StripCSSFonts(css, "", FixOptions::Current()).rewritten) << before;
        EXPECT_EQ(ReadFile(css), after + appended);
        EXPECT_FALSE(StripCSSFonts(css, "", FixOptions::Current()).rewritten) << "a second pass changes nothing";
        EXPECT_EQ(ReadFile(css), after + appended);
    }

    const std::pair<std::string, std::string> named[] = {
        // A 5C of its own, which iconv reads as a yen sign, not as the escape readers see.
        {"@charset \"Shift_JIS\";\r\nh1::before { content: \"\\2192\"; font-size: 2em }", "Shift_JIS"},
        // NEC's form of a character, which iconv gives back in IBM's (FA 5C).
        {"@charset \"windows-31j\";\r\np { font-family: \xED\x40; font-size: 1em }", "windows-31j"},
        {"@charset \"Big5\";\r\np { font-size: 1em } /* \xFF\x7D */", "Big5"},
        {"@charset \" x-no-such-encoding \";\r\np { font-size: 1em }", "x-no-such-encoding"},
        {"@charset \"UTF-8//IGNORE\";\r\np { font-size: 1em }", "UTF-8//IGNORE"},
    };
    for (const auto& [before, charset] : named) {
        WriteFile(css, before);
        const StylesheetEdit edit = StripCSSFonts(css, "", FixOptions::Current());
        EXPECT_FALSE(edit.rewritten);
        EXPECT_EQ(edit.uneditable, charset);
        EXPECT_EQ(ReadFile(css), before);
    }
    // With no option that edits stylesheets, none is read.
    for (const char* key : {OptionKey::FontSizes, OptionKey::IntlFonts, OptionKey::JustifyText, OptionKey::FontFamilies})
        SettingsStore::PutOption(key, false);
    EXPECT_EQ(StripCSSFonts(css, "", FixOptions::Current()).uneditable, "");
}

}  // namespace

// Rewriting one stylesheet: font sizes out, font faces and the two rules in.
#include "SettingsStore.h"
#include "Stylesheet.h"
#include "RunTimeError.h"
#include "ExpectedText.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

class StylesheetTest : public ::testing::Test {
protected:
    void SetOptions(bool sizes, bool fonts, bool justify)
    {
        SettingsStore::LoadOptions();
        SettingsStore::PutOption(OptionKey::FontSizes, sizes);
        SettingsStore::PutOption(OptionKey::IntlFonts, fonts);
        SettingsStore::PutOption(OptionKey::JustifyText, justify);
    }
    // The options for e-readers, on top of SetOptions.
    void SetReaderOptions(bool lineHeights, bool pageMargins, bool fontFamilies, bool relativeSizes)
    {
        SettingsStore::PutOption(OptionKey::LineHeights, lineHeights);
        SettingsStore::PutOption(OptionKey::PageMargins, pageMargins);
        SettingsStore::PutOption(OptionKey::FontFamilies, fontFamilies);
        SettingsStore::PutOption(OptionKey::RelativeSizes, relativeSizes);
    }
    std::string Rewrite(const std::string& css, const std::string& prefix = "")
    {
        const std::string path = dir / "style.css";
        WriteFile(path, css);
        StripCSSFonts(path, prefix, FixOptions::Current());
        return ReadFile(path);
    }

    ScratchSettings settings;
    TempFolder dir;
};

TEST_F(StylesheetTest, WorkedExampleComesOutByteForByte)
{
    SetOptions(true, true, true);
    EXPECT_EQ(Rewrite("h1 { font-size: 2em; color: red; }"),
              "h1 {  color: red; }\r\n" + FaceRules("") + BodyRule + "\r\n" + ParagraphRule + "\r\n");
}

TEST_F(StylesheetTest, FontsAreNamedRelativeToTheStylesheet)
{
    SetOptions(false, true, false);
    EXPECT_EQ(Rewrite("", "../../"), "\r\n" + FaceRules("../../") + BodyRule + "\r\n");
}

TEST_F(StylesheetTest, FontSizeDeclarations)
{
    SetOptions(true, false, false);
    EXPECT_EQ(Rewrite("a{FONT-SIZE:12PT;}"), "a{}\r\n") << "case is ignored";
    EXPECT_EQ(Rewrite("a{font-size : 12pt;}"), "a{font-size : 12pt;}") << "a blank before the colon";
    EXPECT_EQ(Rewrite("a{font-size:;}"), "a{font-size:;}") << "an empty value";
    EXPECT_EQ(Rewrite("a{font: 12px serif;}"), "a{font: 12px serif;}") << "the shorthand stays";
    EXPECT_EQ(Rewrite("a { font-size:1em; b: 2; font-size:3px; }"), "a {  b: 2;  }\r\n") << "every one";
}

// A declaration ends at its ";" or at the "}" of its rule: the rules after
// it, their selectors and comments stay whole.
TEST_F(StylesheetTest, DeclarationsWithoutASemicolonEndAtTheirRule)
{
    SetOptions(true, false, false);
    EXPECT_EQ(Rewrite("p.copyright { font-size: small }\r\nh2 { color: red; }"),
              "p.copyright { }\r\nh2 { color: red; }\r\n")
        << "the last declaration of a rule";
    EXPECT_EQ(Rewrite("p{font-size:12px}h1{color:red;font-size:2em}/* x; */.a{margin:0;FONT-SIZE:1EM}"),
              "p{}h1{color:red;}/* x; */.a{margin:0;}\r\n")
        << "a minified stylesheet";
    EXPECT_EQ(Rewrite("@media print { p { font-size: 10pt } }"), "@media print { p { } }\r\n") << "nested";
    EXPECT_EQ(Rewrite("h1 { font-size: 2em"), "h1 { font-size: 2em") << "no end at all";
    EXPECT_EQ(Rewrite("font-size: 2em\r\nh1 { color: red; }"), "font-size: 2em\r\nh1 { color: red; }")
        << "nothing is removed across a block";
}

TEST_F(StylesheetTest, CommentsAndStringsAreLeftAlone)
{
    SetOptions(true, false, false);
    const std::string kept = "/* p { font-size: 12px; } */ a::before { content: \"font-size: 2em;\" }"
                             " b::after { content: 'font-size:3px}' }";
    EXPECT_EQ(Rewrite(kept), kept);
    EXPECT_EQ(Rewrite("a { font-size: 12px /* not; here */ ; color: red }"), "a {  color: red }\r\n")
        << "a ; in a comment does not end the value";
    EXPECT_EQ(Rewrite("a { font-family: \"x;y\"; font-size: 1em }"), "a { font-family: \"x;y\"; }\r\n");
}

// Where every font-size declaration ends with ";" before its "}", the
// result is what the earlier pattern "font-size:[^;]+;" gave.
TEST_F(StylesheetTest, TerminatedDeclarationsComeOutAsBefore)
{
    SetOptions(true, false, false);
    const std::string css = "@charset \"utf-8\";\r\nbody { margin: 0; FONT-SIZE: 100%; }\r\n"
                            "h1 {\r\n  font-size:2em;\r\n  font-weight: bold }\r\n"
                            "p.x{font-size:12pt;text-indent:1em;font-size:1.2em;}\r\n"
                            "@media (min-width: 20em) { p { font-size: small; } }\r\n"
                            "a { font: 1em serif; font-size : 3px; }\r\n";
    // The earlier pattern, case ignored: "font-size:", one or more bytes
    // other than ";", and the ";".
    std::string before;
    for (std::size_t i = 0; i < css.size();) {
        std::string head = css.substr(i, 10);
        for (char& c : head)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::size_t end = head == "font-size:" ? css.find(';', i + 10) : std::string::npos;
        if (end != std::string::npos && end > i + 10) {
            i = end + 1;
        } else {
            before += css[i++];
        }
    }
    EXPECT_EQ(Rewrite(css), before + "\r\n");
}

TEST_F(StylesheetTest, AppendedRulesAndLineEnds)
{
    SetOptions(false, false, true);
    EXPECT_EQ(Rewrite("a{}"), "a{}\r\n" + ParagraphRule + "\r\n") << "no line break at the end";
    EXPECT_EQ(Rewrite("a{}\r\n"), "a{}\r\n\r\n" + ParagraphRule + "\r\n") << "an empty line before the rule";

    SetOptions(false, false, false);
    EXPECT_EQ(Rewrite("a { font-size: 1em; }"), "a { font-size: 1em; }") << "all off: left as it was";
    EXPECT_EQ(Rewrite(""), "") << "an empty stylesheet";
}

// Fixing a fixed stylesheet adds nothing and leaves the file untouched:
// also when a declaration that nothing ends comes before the appended
// rules, and when an earlier release appended them twice. Options turned
// on later add what is missing, once.
TEST_F(StylesheetTest, ASecondRunAddsNothing)
{
    SetOptions(true, true, true);
    const std::string once = Rewrite("a{} h1 { font-size: 2em ");
    EXPECT_EQ(once, "a{} h1 { font-size: 2em \r\n" + FaceRules("") + BodyRule + "\r\n" + ParagraphRule + "\r\n");
    const auto written = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(dir / "style.css", written);
    EXPECT_FALSE(StripCSSFonts(dir / "style.css", "", FixOptions::Current()).rewritten);
    EXPECT_EQ(ReadFile(dir / "style.css"), once);
    EXPECT_EQ(std::filesystem::last_write_time(dir / "style.css"), written);

    const std::string doubled = once + "\r\n" + FaceRules("") + BodyRule + "\r\n" + ParagraphRule + "\r\n";
    EXPECT_EQ(Rewrite(doubled), doubled);

    SetOptions(false, false, true);
    const std::string justified = Rewrite("a{}");
    SetOptions(false, true, true);
    EXPECT_EQ(Rewrite(justified), justified + "\r\n" + FaceRules("") + BodyRule + "\r\n");
}

TEST_F(StylesheetTest, BytesOutsideTheEditsSurvive)
{
    SetOptions(true, false, false);
    std::string bytes = "\xEF\xBB\xBF/* caf\xC3\xA9 \xE2\x80\x94 */ a{font-size:2em;}";
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += static_cast<char>(b);
    std::string expected = bytes;
    expected.erase(expected.find("font-size:2em;"), 14);
    EXPECT_EQ(Rewrite(bytes), expected + "\r\n");
}

TEST_F(StylesheetTest, LongStylesheetWithUnterminatedDeclaration)
{
    SetOptions(true, false, false);
    std::string css;
    while (css.size() < 10'000'000)
        css += "p.x { margin: 0; font-size: 1.2em; }\n";
    css += "h1 { font-size: 2em ";
    css.append(200'000, 'x');
    const std::string out = Rewrite(css);
    EXPECT_EQ(out.find("font-size: 1.2em;"), std::string::npos);
    EXPECT_NE(out.find("h1 { font-size: 2em "), std::string::npos);
}

// Each option for e-readers removes its declarations by the same rules:
// the last one of a rule without its ";", inside @media, with !important;
// never one in a comment or a string.
TEST_F(StylesheetTest, ReaderOptionsRemoveWholeDeclarations)
{
    struct Case {
        const char* option;
        std::string declaration;
    };
    const Case cases[] = {{"LineHeights", "line-height: 1.5"}, {"PageMargins", "margin: 0 5%"},
                          {"FontFamilies", "font-family: Georgia, \"Times New Roman\""},
                          {"RelativeSizes", "font-size: 12pt"}};
    for (const Case& c : cases) {
        const std::string& d = c.declaration;
        SetOptions(c.option == std::string("RelativeSizes"), false, false);
        SetReaderOptions(false, false, false, false);
        SettingsStore::PutOption(c.option, true);
        const std::string left = "/* body { " + d + "; } */ body::before { content: '" + d + ";' }\r\n";
        EXPECT_EQ(Rewrite(left + "body { color: red; " + d + " }\r\n@media print { body.x { " + d +
                          " !important; color: blue } }\r\nhtml{" + d + ";" + d + ";}"),
                  left + "body { color: red; }\r\n@media print { body.x {  color: blue } }\r\nhtml{}\r\n")
            << c.option;
    }
}

TEST_F(StylesheetTest, PageMarginsOnlyOfThePageAndItsBody)
{
    SetOptions(false, false, false);
    SetReaderOptions(false, true, false, false);
    EXPECT_EQ(Rewrite("body.x, html { margin: 0; Padding-Left: 1em; margin-top:2em; color: red }\r\n"
                      "@page :first { margin: 1in } body#top{padding:0}"),
              "body.x, html {    color: red }\r\n@page :first { } body#top{}\r\n");
    const std::string kept = "body p { margin: 0 } body, td { margin: 0 } p { padding: 0 } html body { margin: 0 }\r\n"
                             "body { scroll-margin: 1em; --margin: 2em; x-margin: 0 } div { body { margin: 0 } }";
    EXPECT_EQ(Rewrite(kept), kept);
}

TEST_F(StylesheetTest, TheReadersTypefaceKeepsMonospaceAndFontFaces)
{
    SetOptions(false, false, false);
    SetReaderOptions(false, false, true, false);
    const std::string kept = "@font-face { font-family: \"Pub\"; src: url(pub.otf) }\r\n"
                             "code { font-family: \"Courier New\", MONOSPACE }";
    EXPECT_EQ(Rewrite(kept + " p { FONT-FAMILY: \"Pub\", serif } pre { font-family: \"monospace\" }"),
              kept + " p { } pre { }\r\n")
        << "a quoted name is a font, not the generic family";
}

TEST_F(StylesheetTest, RelativeSizesKeepWhatFollowsTheReadersSize)
{
    SetOptions(true, false, false);
    SetReaderOptions(false, false, false, true);
    const std::string kept = "a{font-size:1.4em}b{font-size:120%}c{font-size:larger}d{font-size:inherit}"
                             "e{font-size:calc(2rem - 1ex)}f{font-size:var(--size-12px)}";
    EXPECT_EQ(Rewrite(kept + "g{font-size:12pt}h{font-size:14PX}i{font-size:calc(1em + 2px)}j{font-size:.5in;}"),
              kept + "g{}h{}i{}j{}\r\n");

    SetOptions(false, false, false);
    SetReaderOptions(false, false, false, true);
    EXPECT_EQ(Rewrite("g{font-size:12pt}"), "g{font-size:12pt}") << "only together with FontSizes";
}

// A library fixed by the first options gets the new ones: the publisher's
// declarations go, the rules the fix appended stay as they are, and a
// second pass changes nothing.
TEST_F(StylesheetTest, ASecondPassWithEveryOptionChangesNothing)
{
    const std::string publisher = "@charset \"utf-8\";\r\n"
                                  "html, body { margin: 0; line-height: 1.2; font-family: serif }\r\n"
                                  "@font-face { font-family: Pub; src: url(pub.otf) }\r\n"
                                  "h1 { font-family: Pub } p { margin: 0 0 1em; font-size: 11pt }";
    SetOptions(true, true, true);
    const std::string earlier = Rewrite(publisher);
    SetReaderOptions(true, true, true, true);
    const std::string once = Rewrite(earlier);
    EXPECT_EQ(once, "@charset \"utf-8\";\r\nhtml, body {   }\r\n@font-face { font-family: Pub; src: url(pub.otf) }\r\n"
                    "h1 { } p { margin: 0 0 1em; }\r\n" +
                        FaceRules("") + BodyRule + "\r\n" + ParagraphRule + "\r\n\r\n");
    EXPECT_FALSE(StripCSSFonts(dir / "style.css", "", FixOptions::Current()).rewritten);
    EXPECT_EQ(ReadFile(dir / "style.css"), once);
}

TEST_F(StylesheetTest, MissingFileIsARunTimeErrorAndNothingIsCreated)
{
    SetOptions(true, true, true);
    try {
        StripCSSFonts(dir / "missing.css", "", FixOptions::Current());
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_NE(e.description().find("missing.css"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.css"));
}

}  // namespace

// Rewriting one stylesheet: font sizes out, font faces and the two rules in.
#include "SettingsStore.h"
#include "Stylesheet.h"
#include "RunTimeError.h"
#include "ExpectedText.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>

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
    // Only these of the options that edit declarations on.
    void SetOnly(std::initializer_list<const char*> keys)
    {
        SetOptions(false, false, false);
        for (const char* key : keys)
            SettingsStore::PutOption(key, true);
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
    EXPECT_EQ(Rewrite("a{font-size : 12pt;}"), "a{}\r\n") << "a blank before the colon";
    EXPECT_EQ(Rewrite("a{font-size:;}"), "a{font-size:;}") << "an empty value";
    EXPECT_EQ(Rewrite("a{font: 12px serif;}"), "a{font-family: serif;}\r\n") << "the shorthand keeps the rest";
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

// Where every font-size declaration stands where a declaration starts and
// ends with ";" before its "}", the result is what the earlier pattern
// "font-size:[^;]+;" gave.
TEST_F(StylesheetTest, TerminatedDeclarationsComeOutAsBefore)
{
    SetOptions(true, false, false);
    const std::string css = "@charset \"utf-8\";\r\nbody { margin: 0; FONT-SIZE: 100%; }\r\n"
                            "h1 {\r\n  font-size:2em;\r\n  font-weight: bold }\r\n"
                            "p.x{font-size:12pt;text-indent:1em;font-size:1.2em;}\r\n"
                            "@media (min-width: 20em) { p { font-size: small; } }\r\n"
                            "a { font-weight: bold; font-size:3px; }\r\n";
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
// rules (one whose unclosed url runs into them the second time), and when
// an earlier release appended them twice. Options turned on later add
// what is missing, once.
TEST_F(StylesheetTest, ASecondRunAddsNothing)
{
    SetOptions(true, true, true);
    const std::string intoTheFaces = Rewrite("h1 { font-size: 2em url(x");
    EXPECT_FALSE(StripCSSFonts(dir / "style.css", "", FixOptions::Current()).rewritten);
    EXPECT_EQ(ReadFile(dir / "style.css"), intoTheFaces);

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
                          {"RelativeSizes", "font-size: 12pt"}, {"TextColors", "color: #333"}};
    for (const Case& c : cases) {
        const std::string& d = c.declaration;
        SetOptions(c.option == std::string("RelativeSizes"), false, false);
        SetReaderOptions(false, false, false, false);
        SettingsStore::PutOption(c.option, true);
        const std::string left = "/* body { " + d + "; } */ body::before { content: '" + d + ";' }\r\n";
        EXPECT_EQ(Rewrite(left + "body { text-indent: 0; " + d + " }\r\n@media print { body.x { " + d +
                          " !important; text-indent: 1em } }\r\nhtml{" + d + ";" + d + ";}"),
                  left + "body { text-indent: 0; }\r\n@media print { body.x {  text-indent: 1em } }\r\nhtml{}\r\n")
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
    EXPECT_EQ(Rewrite(kept + "g{font-size:12pt}h{font-size:14PX}i{font-size:calc(1em + 2px)}j{font-size:.5in;}"
                             "k{font-size:\\\n12px}"),
              kept + "g{}h{}i{}j{}k{}\r\n")
        << "a \\ before a line break escapes nothing";

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

// A removed declaration is found only where CSS reads one: never inside
// an unquoted url, which is one token whatever it holds, nor inside a
// custom property, whose value may hold ";", blocks and colons in its
// brackets, nor after the start of another name or value.
TEST_F(StylesheetTest, DeclarationsAreFoundOnlyWhereOneStarts)
{
    SetOnly({OptionKey::FontSizes, OptionKey::FontFamilies});
    const std::string kept =
        "a { background: url(data:image/svg+xml,%3Csvg%20style=font-size:9px%3E%3C/svg%3E) }\r\n"
        "b { background: url(data:image/svg+xml;utf8,<svg><style>text{font-family:serif;font-size:2px}</style>) }\r\n"
        ":root { --base-font-size: 16px; color: red; --x: { font-size: 1px; }; --y: [a; font-size: 2px] }\r\n"
        "c { x-font-size: 1px; *font-size: 2px; color: red font-size: 3px; content: \"a\" attr(font-size:1px) }\r\n";
    EXPECT_EQ(Rewrite(kept + "d { background: url(a;b.png); font-size: 1em; FONT-family: x }"),
              kept + "d { background: url(a;b.png);  }\r\n");
    EXPECT_EQ(Rewrite("e { font-size: calc(1px;2px); font-family: url(\"x;y\") a }"), "e {  }\r\n")
        << "a value's brackets and quoted urls are its own";

    // Between rules CSS reads no declaration, but a stray font size goes
    // where one would start, as it always did.
    EXPECT_EQ(Rewrite("@import url(x;font-size:1px);\r\nfont-size: 2em;\r\nh1 { color: red } font-size : 1px}"),
              "@import url(x;font-size:1px);\r\n\r\nh1 { color: red } }\r\n");
    const std::string between = "font-family: x; h1 font-size: 1px; p { } --font-size: 1px;";
    EXPECT_EQ(Rewrite(between), between);
    EXPECT_EQ(Rewrite("\xEF\xBB\xBF" "font-size: 1px; p{}"), "\xEF\xBB\xBF" " p{}\r\n") << "after a UTF-8 mark";
}

// A declaration is what CSS reads as one: blanks and comments may stand
// before its colon, and an escaped name is the name it spells.
TEST_F(StylesheetTest, EveryOptionReadsADeclarationAsCssDoes)
{
    struct Case {
        const char* option;
        std::string declaration;
    };
    const Case cases[] = {{OptionKey::FontSizes, "font-size /* x */ : 14pt"},
                          {OptionKey::FontSizes, "\\66 ont-size: 1px"},
                          {OptionKey::LineHeights, "line-height\t: 1.4"},
                          {OptionKey::LineHeights, "line\\-height: 1"},
                          {OptionKey::PageMargins, "margin : 3em 2em"},
                          {OptionKey::PageMargins, "PADDING\\2d left\r\n: 0"},
                          {OptionKey::FontFamilies, "font-family /**/: Georgia"},
                          {OptionKey::TextColors, "\\43 OLOR : #333"}};
    for (const Case& c : cases) {
        SetOnly({c.option});
        EXPECT_EQ(Rewrite("body { " + c.declaration + "; text-indent: 1em }\r\nbody { " + c.declaration + " }"),
                  "body {  text-indent: 1em }\r\nbody { }\r\n")
            << c.declaration;
    }
    SetOnly({OptionKey::LineHeights});
    const std::string kept = "p { line-height\\:x: 1; line-heigh\\74 x: 1 } .line-height : hover { }";
    EXPECT_EQ(Rewrite(kept), kept);
}

// Where an option removes what a font shorthand sets, the shorthand
// becomes the longhands it sets that stay, in its own order.
TEST_F(StylesheetTest, TheFontShorthandBecomesTheLonghandsThatStay)
{
    const std::string css = "h1 { font: italic bold 12pt/1.4 Georgia, serif; color: red }\r\n"
                            "code { font: 10pt monospace !important }\r\n"
                            "p { font: small-caps 700 2em/1.2 \"Palatino Linotype\" }\r\n"
                            "h2 { font : 12pt /* x */ / 2 Georgia ; }";
    struct Case {
        std::initializer_list<const char*> options;
        std::string expected;
    };
    const Case cases[] = {
        {{OptionKey::FontSizes},
         "h1 { font-style: italic; font-weight: bold; line-height: 1.4; font-family: Georgia, serif; color: red }\r\n"
         "code { font-family: monospace !important }\r\n"
         "p { font-variant: small-caps; font-weight: 700; line-height: 1.2; font-family: \"Palatino Linotype\" }\r\n"
         "h2 { line-height: 2; font-family: Georgia ; }\r\n"},
        {{OptionKey::LineHeights},
         "h1 { font-style: italic; font-weight: bold; font-size: 12pt; font-family: Georgia, serif; color: red }\r\n"
         "code { font: 10pt monospace !important }\r\n"
         "p { font-variant: small-caps; font-weight: 700; font-size: 2em; font-family: \"Palatino Linotype\" }\r\n"
         "h2 { font-size: 12pt; font-family: Georgia ; }\r\n"},
        {{OptionKey::FontFamilies},
         "h1 { font-style: italic; font-weight: bold; font-size: 12pt; line-height: 1.4; color: red }\r\n"
         "code { font: 10pt monospace !important }\r\n"
         "p { font-variant: small-caps; font-weight: 700; font-size: 2em; line-height: 1.2 }\r\n"
         "h2 { font-size: 12pt; line-height: 2 ; }\r\n"},
        {{OptionKey::TextColors, OptionKey::PageMargins},
         "h1 { font: italic bold 12pt/1.4 Georgia, serif; }\r\n" + css.substr(css.find("code")) + "\r\n"},
        {{OptionKey::FontSizes, OptionKey::LineHeights, OptionKey::FontFamilies},
         "h1 { font-style: italic; font-weight: bold; color: red }\r\n"
         "code { font-family: monospace !important }\r\n"
         "p { font-variant: small-caps; font-weight: 700 }\r\nh2 {  }\r\n"},
        {{OptionKey::FontSizes, OptionKey::RelativeSizes, OptionKey::LineHeights, OptionKey::FontFamilies},
         "h1 { font-style: italic; font-weight: bold; color: red }\r\n"
         "code { font-family: monospace !important }\r\n"
         "p { font-variant: small-caps; font-weight: 700; font-size: 2em }\r\nh2 {  }\r\n"},
    };
    for (const Case& c : cases) {
        SetOnly(c.options);
        const std::string once = Rewrite(css);
        EXPECT_EQ(once, c.expected) << *c.options.begin();
        EXPECT_FALSE(StripCSSFonts(dir / "style.css", "", FixOptions::Current()).rewritten) << "the longhands stay";
    }

    SetOnly({OptionKey::FontSizes, OptionKey::LineHeights, OptionKey::FontFamilies});
    EXPECT_EQ(Rewrite("a { font: normal oblique 10deg 900 normal 0/normal x !IMPORTANT }"),
              "a { font-variant: normal !important; font-style: oblique 10deg !important; "
              "font-weight: 900 !important; font-stretch: normal !important }\r\n")
        << "normal sets the first of the four that no other word sets";
    const std::string left = "a { font: caption } b { font: inherit } c { font: var(--f) } d { font: 12px var(--g) }"
                             " e { font: bold 12px } f { font: 12px serif, } g { font: calc(1em + var(--x)) serif }"
                             " h { font: 12px \"A\" B } i { font: bold bold 1em x } j { font: 12deg x }"
                             " @font-face { font: 12px x }";
    EXPECT_EQ(Rewrite(left), left) << "a system font, var() and what the rule cannot read stay";
}

// Text and background colours go; pictures (or what may be one) and the
// colours of borders and lines stay, and so does a colour between rules.
TEST_F(StylesheetTest, TheReadersOwnColours)
{
    SetOnly({OptionKey::TextColors});
    const std::string kept = "border-color: red; outline-color: red; text-decoration-color: red; "
                             "background-image: linear-gradient(red, blue) }\r\n"
                             "div { background: url(paper.png) repeat; background: #fff URL( \"a.png\" ); "
                             "background: var(--bg); background: image-set(\"a.png\" 1x) }\r\n"
                             "color: red; ";
    EXPECT_EQ(Rewrite("p { color: #333; background-color: #eee; background: linear-gradient(#fff, #000); " + kept +
                      "@media print { h1 { COLOR: black !important; background: none } }"),
              "p {    " + kept + "@media print { h1 {  } }\r\n");
}

// The rules the page's margins are looked for in, as CSS has grown, and
// the typefaces that keep code monospaced.
TEST_F(StylesheetTest, LayersContainersNestedRulesAndUiMonospace)
{
    SetOnly({OptionKey::PageMargins});
    const std::string kept = "@layer base { p { margin: 0 } } div { @media print { margin: 0 } } @layer a, b;\r\n";
    EXPECT_EQ(Rewrite(kept + "@layer base { body { margin: 0 } }\r\n@container (min-width: 30em) { html { padding: 1em } }\r\n"
                             "body { margin: 1em; & p { margin: 0 } padding: 2em; }\r\nbody { @media print { margin: 0 } }"),
              kept + "@layer base { body { } }\r\n@container (min-width: 30em) { html { } }\r\n"
                     "body {  & p { margin: 0 }  }\r\nbody { @media print { } }\r\n");

    EXPECT_EQ(Rewrite("\xEF\xBB\xBF" "body { margin: 0 }"), "\xEF\xBB\xBF" "body { }\r\n") << "after a UTF-8 mark";

    SetOnly({OptionKey::FontFamilies});
    const std::string code = "code { font-family: ui-monospace, \"Cascadia Mono\" } kbd { font: 1em ui-monospace }";
    EXPECT_EQ(Rewrite(code + " pre { font-family: ui-serif }"), code + " pre { }\r\n");
}

// Each option alone and all together: a second pass over what the first
// wrote changes nothing, shorthands, nested rules and custom properties
// included.
TEST_F(StylesheetTest, ASecondPassChangesNothingForEachOptionAndAll)
{
    const std::string css =
        "@charset \"utf-8\";\r\nfont-size: 1px;\r\n:root { --f: { font-size: 1px }; --base-font-size: 2px }\r\n"
        "body { margin : 0; FONT: italic 12pt/1.2 Pub, serif !important; & p { line-height: 1 } color: #333; }\r\n"
        "@layer x { html { padding: 1em; font: 2em/1 ui-monospace } }\r\n"
        "p { font: 700 1.1em Pub; background: #eee url(data:image/png;base64,AA==); font-size /**/: 11pt }\r\n"
        "h1 { fo\\nt: small-caps 2em Pub; background: linear-gradient(#fff, #000) }\r\n";
    const std::initializer_list<const char*> each[] = {
        {OptionKey::FontSizes}, {OptionKey::LineHeights}, {OptionKey::PageMargins},
        {OptionKey::FontFamilies}, {OptionKey::FontSizes, OptionKey::RelativeSizes}, {OptionKey::TextColors},
        {OptionKey::FontSizes, OptionKey::IntlFonts, OptionKey::JustifyText, OptionKey::LineHeights,
         OptionKey::PageMargins, OptionKey::FontFamilies, OptionKey::RelativeSizes, OptionKey::TextColors}};
    for (const std::initializer_list<const char*>& options : each) {
        SetOnly(options);
        const std::string once = Rewrite(css);
        EXPECT_NE(once, css) << *options.begin();
        EXPECT_FALSE(StripCSSFonts(dir / "style.css", "", FixOptions::Current()).rewritten) << *options.begin();
        EXPECT_EQ(ReadFile(dir / "style.css"), once);
    }
    const std::string all = ReadFile(dir / "style.css");
    EXPECT_EQ(all.substr(0, all.find("@font-face")),
              "@charset \"utf-8\";\r\n\r\n:root { --f: { font-size: 1px }; --base-font-size: 2px }\r\n"
              "body {  font-style: italic !important; & p { }  }\r\n"
              "@layer x { html {  font-size: 2em; font-family: ui-monospace } }\r\n"
              "p { font-weight: 700; font-size: 1.1em; background: #eee url(data:image/png;base64,AA==); }\r\n"
              "h1 { font-variant: small-caps; font-size: 2em; }\r\n\r\n");
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

// The characters a book's faces must have: what a reader draws from its
// text, and nothing else, or "unreadable" when that cannot be told.
#include "BookCharacters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool Has(const std::vector<char32_t>& characters, char32_t c)
{
    return std::binary_search(characters.begin(), characters.end(), c);
}

std::vector<char32_t> OfDocument(const std::string& bytes)
{
    BookCharacters book;
    book.AddContentDocument(bytes);
    EXPECT_TRUE(book.Readable()) << bytes;
    return book.Characters();
}

TEST(BookCharactersTest, TextAltTitleAndReferencesCountMarkupCommentsAndScriptsDoNot)
{
    const std::vector<char32_t> found = OfDocument(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.1//EN\" \"\xC3\xA6.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>T</title>\n"
        "<style type=\"text/css\">p.\xC3\xB0 { color: red } p::before { content: \"\\2192\" }</style>\n"
        "<script>var s = \"\xD1\x88\";</script></head>\n"
        "<body><!-- \xD0\xB6 -->\n"
        "<p class=\"\xC3\xB8\">Caf&eacute; &#x2020; &#8364; &#138; <![CDATA[\xC2\xA7]]>\n"
        "<img src=\"a.png\" alt=\"\xCE\xA9\"/><abbr title='\xC3\xB1'>x</abbr>\n"
        "<svg:text xlink:title=\"\xC4\x9B\">\xC3\xBE</svg:text></p></body></html>");

    // only in an alt, a title, behind references, in a CDATA section, an
    // SVG text, a style's generated content; &#138; as readers show it
    for (char32_t c : {0x3A9u, 0xF1u, 0x11Bu, 0xE9u, 0x2020u, 0x20ACu, 0x160u, 0xA7u, 0xFEu, 0x2192u})
        EXPECT_TRUE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
    // a comment, a script, a class, a selector, the document type
    for (char32_t c : {0x436u, 0x448u, 0xF8u, 0xF0u, 0xE6u})
        EXPECT_FALSE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
    // what readers draw themselves
    for (char32_t c : {0x20u, 0x7Eu, 0xA0u, 0xADu, 0x2010u, 0x2015u, 0x2018u, 0x201Fu, 0x2026u})
        EXPECT_TRUE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
}

TEST(BookCharactersTest, EachCharacterBringsItsOtherCases)
{
    BookCharacters book;
    // é and ÿ in the text, σ behind an entity; ǆ in a stylesheet's string
    book.AddContentDocument("<p>\xC3\xA9 \xC3\xBF &sigma; \xC3\x9F</p>");
    book.AddStylesheet("@charset \"UTF-8\";\n/* content: \"\xD0\xB6\" */\n"
                       ".content:first-child { color: red }\n"
                       "a::after { content: \"\\1C6 \" attr(href) } q { quotes: \"\xC2\xAB\" \"\xC2\xBB\" }");
    ASSERT_TRUE(book.Readable());
    const std::vector<char32_t> found = book.Characters();
    // É, Ÿ (beyond Latin-1), Σ with the final ς, ǆ Ǆ ǅ, « »
    for (char32_t c : {0xC9u, 0x178u, 0x3A3u, 0x3C2u, 0x1C6u, 0x1C4u, 0x1C5u, 0xABu, 0xBBu})
        EXPECT_TRUE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
    EXPECT_FALSE(Has(found, 0x436u));  // only in a comment
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    EXPECT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
}

// The markers of the lists a stylesheet styles: the predefined counter
// styles it names wherever a marker or counter is drawn, string markers,
// and the symbols of a style of its own; not a counter that has a style's
// name, a picture's address, a comment or a custom property.
TEST(BookCharactersTest, ListMarkersAreThoseOfTheStylesAStylesheetNames)
{
    BookCharacters book;
    book.AddStylesheet("ol.a { list-style-type: lower-greek }\n"
                       "ol.b { list-style: inside ARMENIAN url(\"\\416.png\") }\n"
                       "li::marker { content: counters(item, \".\", hebrew) \" \" }\n"
                       "h2::before { content: counter(georgian) }\n"
                       "ul.c { list-style-type: \"\\2192 \" } ul.d { list-style: symbols(cyclic \"\\2605\") }\n"
                       "@counter-style thumbs { system: extends katakana; symbols: \"\\1F44D\" \xE2\x97\x86 \\2660;"
                       " suffix: \"\\203A\" }\n"
                       "ol.e { list-style: thumbs } ul.f { list-style: square outside }\n"
                       "/* ol { list-style-type: thai } */ :root { --list-style-type: tamil }\n"
                       ".list-style-type:hover { color: red }");
    ASSERT_TRUE(book.Readable());
    const std::vector<char32_t> found = book.Characters();
    // α ω, Ա, ա (its lower case), א ׳, → ★, 👍 ◆ ♠ ›, ア (katakana, extended)
    for (char32_t c : {0x3B1u, 0x3C9u, 0x531u, 0x561u, 0x5D0u, 0x5F3u, 0x2192u, 0x2605u, 0x1F44Du, 0x25C6u, 0x2660u,
                       0x203Au, 0x30A2u})
        EXPECT_TRUE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
    // Ж (an address), ა (a counter named georgian), ๐ (a comment), ௦ (a custom property)
    for (char32_t c : {0x416u, 0x10D0u, 0xE50u, 0xBE6u})
        EXPECT_FALSE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
    // The square is drawn by readers anyway, and brings no page of its own.
    BookCharacters square;
    square.AddStylesheet("ul { list-style: square } ol { list-style-type: decimal }");
    EXPECT_TRUE(square.Characters(128) == BookCharacters().Characters(128));
}

// content: attr(name) draws the values of that attribute, in any case,
// references resolved, in the documents after the stylesheet; a <style>
// element's attr() counts in its whole document and after it. A style
// attribute's list markers count, and its other declarations do not.
TEST(BookCharactersTest, AttributesThatContentDrawsAreReadFromTheDocuments)
{
    BookCharacters book;
    book.AddStylesheet("h1::before { content: attr(data-label) \": \" }");
    book.AddContentDocument("<h1 data-label=\"\xD0\x93\" DATA-LABEL='&#x3A9;' data-other=\"\xD0\x82\">x</h1>");
    book.AddContentDocument("<html data-note=\"\xCF\x98\"><head><style>p::after { content: attr(data-note) }</style>"
                            "</head><body><ol style=\"list-style-type: hebrew; content: '\\416'\"><li>x</li></ol>"
                            "</body></html>");
    book.AddContentDocument("<p data-note=\"\xC7\xB7\">x</p>");
    ASSERT_TRUE(book.Readable());
    const std::vector<char32_t> found = book.Characters();
    // Г, Ω, Ϙ (before the <style> that names it), Ƿ (a later document), א (a style attribute)
    for (char32_t c : {0x413u, 0x3A9u, 0x3D8u, 0x1F7u, 0x5D0u})
        EXPECT_TRUE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
    // Ђ (another attribute), Ж (content in a style attribute draws nothing)
    for (char32_t c : {0x402u, 0x416u})
        EXPECT_FALSE(Has(found, c)) << std::hex << static_cast<unsigned>(c);
}

TEST(BookCharactersTest, TextInAnotherEncodingMakesTheBookUnreadable)
{
    using namespace std::string_view_literals;
    for (const std::string_view document : {
             "<p>caf\xE9</p>"sv,                                                   // Latin-1
             // UTF-8 bytes where another encoding is declared: a reader shows "cafÃ©"
             "<?xml version='1.0' encoding='ISO-8859-1'?><p>caf\xC3\xA9</p>"sv,
             "<html><head><title>caf\xC3\xA9</title><meta charset=\"windows-1252\"/></head></html>"sv,
             "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=us-ascii\"/><p>\xC3\xA9</p>"sv,
             "<?xml version='1.0' encoding='ISO-2022-JP'?><p>ASCII bytes, not ASCII text</p>"sv,
             "<\0p\0>\0"sv,                                                         // UTF-16 without its mark
             "<p>\x1B$B$3$s$K$A$O\x1B(B</p>"sv,                                       // ISO-2022-JP undeclared
             "<p>&frobnicate;</p>"sv,                                              // a character no one knows
         }) {
        BookCharacters book;
        book.AddContentDocument("<p>fine</p>");
        book.AddContentDocument(document);
        EXPECT_FALSE(book.Readable()) << document;
    }
    BookCharacters stylesheet;
    stylesheet.AddStylesheet("@charset \"ISO-8859-1\"; p::before { content: \"\xA7\" }");
    EXPECT_FALSE(stylesheet.Readable());

    // ASCII reads the same in the encodings of Europe.
    EXPECT_TRUE(Has(OfDocument("<?xml version='1.0' encoding='ISO-8859-1'?><p>caf&#233;</p>"), 0xE9));
    // A byte-order mark outranks a declaration: UTF-16 text is read.
    const std::string utf16le("\xFF\xFE<\0p\0>\0\xE9\0<\0/\0p\0>\0", 16);
    const std::vector<char32_t> found = OfDocument(utf16le);
    EXPECT_TRUE(Has(found, 0xE9));
    const std::vector<char32_t> marked =
        OfDocument("\xEF\xBB\xBF<?xml version='1.0' encoding='ISO-8859-1'?><p>\xC3\xA9</p>");
    EXPECT_TRUE(Has(marked, 0xE9));
}

}  // namespace

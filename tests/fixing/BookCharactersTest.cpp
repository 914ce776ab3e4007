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

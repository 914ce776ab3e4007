// Readying books for reading systems that want every content document to
// declare its encoding and every book to name a language code.
#include "EncodingDeclaration.h"
#include "HtmlLanguage.h"
#include "LanguageTag.h"
#include "PackageLanguage.h"
#include "ContentDocuments.h"
#include "Cover.h"
#include "KindleMarkup.h"
#include "TestFiles.h"
#include "TextEncoding.h"
#include "TextLanguage.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace std::string_literals;

const std::string Declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

// Each document comes out as expected, byte for byte, and a second pass
// over what came out changes nothing.
TEST(EncodingDeclaration, IsAddedWhereMissingAndNothingElseChanges)
{
    const std::string mark = "\xEF\xBB\xBF";
    const std::string body = "<html xmlns=\"http://www.w3.org/1999/xhtml\"><body><p>Caf\xC3\xA9</p></body></html>";
    const struct {
        std::string document;
        EncodingNeed need;
        std::string fixed;
    } cases[] = {
        {body + "\n", EncodingNeed::Declaration, Declaration + "\n" + body + "\n"},
        {"<html>\r\n<body/></html>", EncodingNeed::Declaration, Declaration + "\r\n<html>\r\n<body/></html>"},
        {body, EncodingNeed::Declaration, Declaration + "\r\n" + body},  // no line break of its own
        {mark + body + "\n", EncodingNeed::Declaration, mark + Declaration + "\n" + body + "\n"},
        {"<?xml-stylesheet href=\"a.css\"?>\n" + body, EncodingNeed::Declaration,
         Declaration + "\n<?xml-stylesheet href=\"a.css\"?>\n" + body},
        {"<?xml version='1.0' standalone=\"no\"?>\n" + body, EncodingNeed::EncodingName,
         "<?xml version='1.0' encoding=\"utf-8\" standalone=\"no\"?>\n" + body},
        {mark + "<?xml version = \"1.1\"?>" + body, EncodingNeed::EncodingName,
         mark + "<?xml version = \"1.1\" encoding=\"utf-8\"?>" + body},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        EXPECT_TRUE(MayNeedEncodingDeclaration(c.document));
        const EncodingDeclarationFix fix = FixEncodingDeclaration(c.document);
        EXPECT_EQ(fix.need, c.need);
        EXPECT_EQ(fix.document, c.fixed);
        EXPECT_FALSE(MayNeedEncodingDeclaration(fix.document));
        EXPECT_EQ(FixEncodingDeclaration(fix.document).need, EncodingNeed::None);
    }
}

// A named encoding and a UTF-16 mark need nothing, whatever the bytes
// after them; bytes that are not UTF-8 under no name leave the book alone.
TEST(EncodingDeclaration, NamedOrMarkedIsLeftAndUndeclaredLatin1IsReported)
{
    const std::string latin1 = "<html><body><p>Caf\xE9 cr\xE8me</p></body></html>";
    const std::string utf16 = EncodeEdited("<html><body><p>Caf\xC3\xA9</p></body></html>", TextEncoding::Utf16LE);
    for (const std::string& named : {"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>" + latin1, utf16,
                                     EncodeEdited("<html/>", TextEncoding::Utf16BE),
                                     std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<html/>")}) {
        EXPECT_FALSE(MayNeedEncodingDeclaration(named));
        EXPECT_EQ(FixEncodingDeclaration(named).need, EncodingNeed::None);
        EXPECT_TRUE(FixEncodingDeclaration(named).document.empty());
    }
    // The head alone tells: the bytes past it are never looked at.
    const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + std::string(EncodingHeadBytes, ' ');
    EXPECT_FALSE(MayNeedEncodingDeclaration(head + "\xFF"));

    for (const std::string& notUtf8 : {latin1, "<?xml version=\"1.0\"?>" + latin1,
                                       std::string("<html><p>\xC0\xAF</p></html>"),  // an overlong "/"
                                       std::string("<html><p>\xED\xA0\x80</p></html>")}) {  // a surrogate
        EXPECT_EQ(FixEncodingDeclaration(notUtf8).need, EncodingNeed::NotUtf8);
        EXPECT_TRUE(FixEncodingDeclaration(notUtf8).document.empty());
    }
    EXPECT_EQ(NotUtf8Reason("OEBPS/ch1.xhtml", latin1), "OEBPS/ch1.xhtml is not UTF-8 and names no encoding");
}

// Why a document is not taken for UTF-8, as it shows it: the encoding its
// head names (as it writes it), or a NUL byte.
TEST(EncodingDeclaration, TheReasonSaysWhatTheDocumentNames)
{
    const std::string latin1 = "<p>Caf\xE9</p></body></html>";
    const std::map<std::string, std::string> reasons = {
        {"<html><head><meta charset=\"windows-1252\"/></head><body>" + latin1, "names windows-1252"},
        {"<html><head><!-- <meta charset=\"x\"> --><META CHARSET = ISO-8859-15></head><body>" + latin1,
         "names ISO-8859-15"},
        {"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset='Windows-1250'\"/>"
         "</head><body>" + latin1, "names Windows-1250"},
        // Not Content-Type, after the head, or no name to show: none named.
        {"<html><head><meta name=\"x\" content=\"charset=cp1252\"/></head><body>" + latin1, "is not UTF-8 and"},
        {"<html><head></head><body><meta charset=\"cp1252\"/>" + latin1, "is not UTF-8 and"},
        {"<html><head><meta charset=\"caf\xE9\"/></head><body>" + latin1, "is not UTF-8 and"},
        {"<html><head><meta charset=\"windows-1252\"/></head><body><p>a"s + '\0' + latin1, "holds a NUL byte"},
        {"<html><body><p>Caf\xC3\xA9"s + '\0' + "</p></body></html>", "holds a NUL byte"},
    };
    for (const auto& [document, reason] : reasons) {
        EXPECT_EQ(FixEncodingDeclaration(document).need, EncodingNeed::NotUtf8) << document;
        EXPECT_EQ(NotUtf8Reason("OEBPS/ch1.xhtml", document).rfind("OEBPS/ch1.xhtml " + reason, 0), 0u)
            << NotUtf8Reason("OEBPS/ch1.xhtml", document);
    }
    EXPECT_EQ(NotUtf8Reason("a.xhtml", "<meta charset=\"windows-1252\"/>"), "a.xhtml names windows-1252 and is not UTF-8");
}

TEST(LanguageCode, UsableKeptWrittenBadlyNormalisedNamesLookedUpTheRestUnknown)
{
    // Registered codes Qt knows no locale for, and grandfathered tags, too.
    for (const char* usable : {"en", "en-US", "pt-BR", "zh-Hant-TW", "sr-Latn-RS", "es-419", "de-CH-1996", "haw",
                               "mul", "zxx", "tlh", "ang", "sgn-DE", "art-lojban", "en-GB-oed", "sgn-BE-FR",
                               "i-klingon", "zh-min-nan"})
        EXPECT_TRUE(IsUsableLanguage(usable)) << usable;
    const std::map<std::string, std::string> codes = {
        {"pt_BR", "pt-BR"}, {"EN-us", "en-US"}, {" en ", "en"},      {"eng", "en"},     {"fre", "fr"},
        {"deu", "de"},      {"ger-at", "de-AT"}, {"zh-hant", "zh-Hant"}, {"English", "en"}, {"french", "fr"},
        {"Deutsch", "de"},  {"Fran\xC3\xA7" "ais", "fr"}, {"MUL", "mul"}, {"tlh_latn", "tlh-Latn"},
        {"EN_gb_OED", "en-GB-oed"}, {"SGN-be-fr", "sgn-BE-FR"},
    };
    for (const auto& [value, code] : codes) {
        EXPECT_EQ(LanguageCode(value), code) << value;
        EXPECT_FALSE(IsUsableLanguage(value)) << value;
    }
    for (const char* unknown : {"", "  ", "C", "POSIX", "und", "UND-Latn", "us", "xx", "qaa", "en--US", "en-US-",
                                "C.UTF-8", "en-GB-oed-x", "i-xx", "Even"})
        EXPECT_EQ(LanguageCode(unknown), std::nullopt) << unknown;
}

// The registered codes come from iso-codes' tables, each written with its
// two-letter code where it has one; tables that cannot be read add none.
TEST(LanguageCode, RegisteredCodesAreReadFromTheIsoCodesTables)
{
    const std::map<std::string, std::string> codes = ReadIso639Codes("/usr/share/iso-codes/json");
    for (const auto& [code, written] : std::map<std::string, std::string>{
             {"mul", "mul"}, {"zxx", "zxx"}, {"tlh", "tlh"}, {"deu", "de"}, {"ger", "de"}, {"de", "de"}, {"sla", "sla"}})
        EXPECT_EQ(codes.count(code) ? codes.at(code) : "(none)", written) << code;
    EXPECT_EQ(codes.count("qaa-qtz") + codes.count("qaa"), 0u);

    TempFolder folder;
    EXPECT_TRUE(ReadIso639Codes(folder.path()).empty());
    WriteFile(folder / "iso_639-3.json", "{\"639-3\": [{\"alpha_3\": \"abc\"");
    WriteFile(folder / "iso_639-2.json", "{\"639-2\": [{\"alpha_3\": \"mul\"}, {\"alpha_3\": \"Tlh\"}, 7]}");
    EXPECT_EQ(ReadIso639Codes(folder.path()), (std::map<std::string, std::string>{{"mul", "mul"}}));
}

// A book's package document and content documents in memory, readied as
// the fix does: the language judged from the package document, taken from
// the text only where it must be, written, and given to the html elements
// that carried the old value.
struct Book {
    std::string package;
    std::map<std::string, std::string> documents;  // by entry name
};

std::optional<std::string> Ready(Book& book)
{
    const PackageLanguage judged = JudgePackageLanguage(book.package);
    std::optional<std::string> code;
    if (judged.kind == PackageLanguage::Rewrite) {
        code = judged.code;
    } else if (judged.kind == PackageLanguage::FromText) {
        TextLanguageCollector collector;
        const PackageContents contents = ReadPackageContents(book.package, "OEBPS/content.opf");
        std::vector<std::string> names;
        for (const auto& [name, bytes] : book.documents)
            names.push_back(name);
        for (const std::string& name : InSpineOrder(names, contents))
            collector.Add(name, book.documents[name]);
        code = collector.Language();
    }
    if (!code)
        return judged.kind == PackageLanguage::Usable ? judged.value : std::optional<std::string>();
    book.package = WritePackageLanguage(book.package, *code).value();
    for (auto& [name, bytes] : book.documents)
        if (std::optional<std::string> rewritten = RewriteHtmlLanguage(bytes, judged.value, *code))
            bytes = *rewritten;
    return code;
}

std::string Package(const std::string& metadata)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"id\">\n"
           "  <metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
           "    <dc:identifier id=\"id\">urn:x</dc:identifier>\n"
           "    <dc:title>Caf\xC3\xA9 \xF0\x9F\x93\x96</dc:title>" +
           metadata +
           "\n    <meta property=\"dcterms:modified\">2024-01-01T00:00:00Z</meta>\n"
           "  </metadata>\n"
           "  <manifest>\n"
           "    <item id=\"c1\" href=\"Text/ch%201.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "    <item id=\"c2\" href=\"Text/../ch2.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "  </manifest>\n"
           "  <spine><itemref idref=\"c2\"/><itemref idref=\"c1\"/></spine>\n"
           "</package>\n";
}

std::string Chapter(const std::string& htmlAttributes, const std::string& text)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"" +
           htmlAttributes + ">\n<head><title>x</title><style>p { margin: 0 }</style></head>\n<body><p>" + text +
           "</p></body></html>\n";
}

const std::string German =
    "Es war einmal ein kleines M&#228;dchen, das hatte eine Gro\xC3\x9Fmutter, die wohnte drau\xC3\x9F" "en im Wald. "
    "Die Gro\xC3\x9Fmutter hatte das Kind sehr lieb und schenkte ihm ein K\xC3\xA4ppchen von rotem Samt, und weil "
    "ihm das so wohl stand und es nichts anderes mehr tragen wollte, hie\xC3\x9F es nur das Rotk\xC3\xA4ppchen. "
    "Eines Tages sprach seine Mutter zu ihm: Komm, Rotk\xC3\xA4ppchen, da hast du ein St\xC3\xBC" "ck Kuchen und eine "
    "Flasche Wein, bring das der Gro\xC3\x9Fmutter hinaus; sie ist krank und schwach und wird sich daran laben.";
const std::string English =
    "Once upon a time there was a dear little girl who was loved by everyone who looked at her, but most of all by "
    "her grandmother, and there was nothing that she would not have given to the child. Once she gave her a little "
    "cap of red velvet, which suited her so well that she would never wear anything else; so she was always called "
    "Little Red Riding Hood. One day her mother said to her: Come, Little Red Riding Hood, here is a piece of cake.";

// "C" from a tool run in the C locale: the text tells German, and the html
// elements that said "C" too say "de" now; a second pass changes nothing.
TEST(BookLanguage, CIsGuessedFromTheTextAndTheHtmlElementsFollow)
{
    Book book{Package("\n    <dc:language>C</dc:language>"),
              {{"OEBPS/Text/ch 1.xhtml", Chapter(" xml:lang=\"C\" lang=\"C\"", German)},
               {"OEBPS/ch2.xhtml",
                Chapter(" xml:lang=\"C\"", "<script>// " + English + English + "</script>" + German)},
               {"OEBPS/nav.xhtml", Chapter(" xml:lang=\"en\"", "Contents")}}};
    EXPECT_EQ(Ready(book), "de");
    EXPECT_EQ(book.package, Package("\n    <dc:language>de</dc:language>"));
    EXPECT_EQ(book.documents["OEBPS/Text/ch 1.xhtml"], Chapter(" xml:lang=\"de\" lang=\"de\"", German));
    EXPECT_EQ(book.documents["OEBPS/nav.xhtml"], Chapter(" xml:lang=\"en\"", "Contents"));

    const Book once = book;
    EXPECT_EQ(JudgePackageLanguage(book.package).kind, PackageLanguage::Usable);
    EXPECT_EQ(Ready(book), "de");
    EXPECT_EQ(book.package, once.package);
    EXPECT_EQ(book.documents, once.documents);
}

// Codes written badly and names are replaced in place, in UTF-16 too;
// the html elements that carried the same value follow.
TEST(BookLanguage, BadCodesAndNamesAreReplacedInPlace)
{
    for (const auto& [value, code] : std::map<std::string, std::string>{
             {"pt_BR", "pt-BR"}, {"eng", "en"}, {"English", "en"}, {" fr-fr ", "fr-FR"}}) {
        Book book{Package("\n    <dc:language id=\"l\">" + value + "</dc:language>"),
                  {{"OEBPS/ch2.xhtml", Chapter(" lang=\"" + value + "\"", "x")}}};
        EXPECT_EQ(Ready(book), code);
        EXPECT_EQ(book.package, Package("\n    <dc:language id=\"l\">" + code + "</dc:language>"));
        EXPECT_EQ(book.documents["OEBPS/ch2.xhtml"], Chapter(" lang=\"" + code + "\"", "x"));
    }
    // Every other byte stays in every encoding: a UTF-8 mark, Latin-1,
    // UTF-16.
    const std::string before = Package("\n    <dc:language>pt_BR</dc:language>");
    const std::string after = Package("\n    <dc:language>pt-BR</dc:language>");
    EXPECT_EQ(WritePackageLanguage("\xEF\xBB\xBF" + before, "pt-BR"), "\xEF\xBB\xBF" + after);
    const std::string latin1 = "<package><metadata><dc:title xmlns:dc=\"http://purl.org/dc/elements/1.1/\">Caf\xE9";
    EXPECT_EQ(WritePackageLanguage(latin1 + "</dc:title></metadata></package>", "fr"),
              latin1 + "</dc:title><dc:language xmlns:dc=\"http://purl.org/dc/elements/1.1/\">fr</dc:language>"
                       "</metadata></package>");
    EXPECT_EQ(WritePackageLanguage(EncodeEdited(before, TextEncoding::Utf16BE), "pt-BR"),
              EncodeEdited(after, TextEncoding::Utf16BE));
}

// Empty and missing languages come from the text: a missing element goes
// after the last Dublin Core element with its indentation and the
// document's own prefix, in a prefixed package document too.
TEST(BookLanguage, EmptyAndMissingAreFilledFromTheText)
{
    const std::map<std::string, std::string> documents = {{"OEBPS/ch2.xhtml", Chapter("", English)}};
    for (const std::string empty : {"<dc:language/>", "<dc:language></dc:language>"}) {
        Book book{Package("\n    " + empty), documents};
        EXPECT_EQ(Ready(book), "en");
        EXPECT_EQ(book.package, Package("\n    <dc:language>en</dc:language>"));
    }
    Book missing{Package(""), documents};
    EXPECT_EQ(Ready(missing), "en");
    EXPECT_EQ(missing.package, Package("\n    <dc:language>en</dc:language>"));

    const std::string prefixed =
        "<opf:package xmlns:opf=\"http://www.idpf.org/2007/opf\" xmlns:purl=\"http://purl.org/dc/elements/1.1/\">"
        "<opf:metadata>\n\t<purl:title>T</purl:title>\n\t<opf:meta name=\"cover\" content=\"c\"/>\n</opf:metadata>"
        "</opf:package>";
    EXPECT_EQ(WritePackageLanguage(prefixed, "en"),
              "<opf:package xmlns:opf=\"http://www.idpf.org/2007/opf\" xmlns:purl=\"http://purl.org/dc/elements/1.1/\">"
              "<opf:metadata>\n\t<purl:title>T</purl:title>\n\t<purl:language>en</purl:language>"
              "\n\t<opf:meta name=\"cover\" content=\"c\"/>\n</opf:metadata></opf:package>");
    // No prefix bound: the new element declares its own.
    EXPECT_EQ(WritePackageLanguage("<package><metadata>\n  <meta/></metadata></package>", "en"),
              "<package><metadata>\n  <dc:language xmlns:dc=\"http://purl.org/dc/elements/1.1/\">en</dc:language>"
              "\n  <meta/></metadata></package>");
    // A prefix in a Latin-1 document is written in Latin-1, as it reads.
    const std::string latin1 = "<package><metadata xmlns:d\xE9=\"http://purl.org/dc/elements/1.1/\">"
                               "<d\xE9:title>T</d\xE9:title></metadata></package>";
    const std::optional<std::string> written = WritePackageLanguage(latin1, "en");
    ASSERT_TRUE(written);
    EXPECT_NE(written->find("<d\xE9:title>T</d\xE9:title><d\xE9:language>en</d\xE9:language>"), std::string::npos)
        << *written;
    EXPECT_EQ(JudgePackageLanguage(*written).kind, PackageLanguage::Usable);
}

// Comments and processing instructions in a dc:language are no part of
// its value; where the value is rewritten they stay, in order, and the
// code takes the place of the text.
TEST(BookLanguage, CommentsInTheLanguageArePassedOverAndKept)
{
    const auto language = [](const std::string& content) {
        return Package("\n    <dc:language>" + content + "</dc:language>");
    };
    const PackageLanguage usable = JudgePackageLanguage(language("en<!-- from the shop -->"));
    EXPECT_EQ(usable.kind, PackageLanguage::Usable);
    EXPECT_EQ(usable.value, "en");
    EXPECT_EQ(WritePackageLanguage(language("en<!-- from the shop -->"), "en"), std::nullopt);
    for (const auto& [before, after] : std::map<std::string, std::string>{
             {"English<!-- from the shop -->", "en<!-- from the shop -->"},
             {"\n  <!-- a -->\n  Eng<?pi x?>lish\n", "<!-- a -->en<?pi x?>"},
             {"<?pi x?><![CDATA[pt_BR]]> ", "<?pi x?>pt-BR"}}) {
        const PackageLanguage judged = JudgePackageLanguage(language(before));
        EXPECT_EQ(judged.kind, PackageLanguage::Rewrite) << before;
        EXPECT_EQ(WritePackageLanguage(language(before), judged.code), language(after)) << before;
    }
    EXPECT_EQ(WritePackageLanguage(language(" <!-- none --> "), "de"), language("de<!-- none -->"));
    // An element inside is more than text: left alone.
    EXPECT_EQ(JudgePackageLanguage(language("en<b/>")).kind, PackageLanguage::CannotEdit);
}

// A start tag the first bytes do not hold whole is said to be cut short,
// so that the whole document is read for it.
TEST(BookLanguage, AnHtmlStartTagBeyondTheHeadIsCutShort)
{
    const std::string document = Chapter(" xml:lang=\"C\" lang=\"C\"", "x");
    const std::string commented = "<!-- " + std::string(5000, '~') + " -->" + document;
    for (const std::size_t cut : {std::size_t{30}, document.find("lang=") + 2, document.find("\"C\"") + 2}) {
        EXPECT_TRUE(ReadHtmlLanguage(document.substr(0, cut)).cutShort) << cut;
        EXPECT_NE(ReadHtmlLanguage(document.substr(0, cut)).xmlLang, "C") << cut;
    }
    EXPECT_TRUE(ReadHtmlLanguage(commented.substr(0, 4096)).cutShort);
    const HtmlLanguageValues whole = ReadHtmlLanguage(commented);
    EXPECT_FALSE(whole.cutShort);
    EXPECT_EQ(whole.lang, "C");
    EXPECT_FALSE(ReadHtmlLanguage("<svg xmlns=\"http://www.w3.org/2000/svg\"").cutShort);
}

// The html elements decide when one usable value is the most common; a
// tie, or too little text, and nothing is found.
TEST(BookLanguage, HtmlLanguagesOutvoteTheGuessAndTooLittleFindsNothing)
{
    Book book{Package(""),
              {{"OEBPS/ch2.xhtml", Chapter(" lang=\"fr\"", English)},
               {"OEBPS/Text/ch 1.xhtml", Chapter(" xml:lang=\"fr-FR\" lang=\"C\"", English)},
               {"OEBPS/a.xhtml", Chapter(" xml:lang=\"fr_FR\"", English)}}};
    EXPECT_EQ(Ready(book), "fr-FR");

    Book tie{Package("<dc:language>und</dc:language>"),
             {{"OEBPS/ch2.xhtml", Chapter(" lang=\"fr\"", "Oui.")},
              {"OEBPS/a.xhtml", Chapter(" lang=\"en\"", "Yes.")}}};
    const Book before = tie;
    EXPECT_EQ(Ready(tie), std::nullopt);
    EXPECT_EQ(tie.package, before.package);
    EXPECT_EQ(NoLanguageFoundReason(), "no language found");
}

TEST(BookLanguage, ContentDocumentsAreFoundAndOrderedByTheSpine)
{
    const PackageContents contents = ReadPackageContents(Package(""), "OEBPS/content.opf");
    EXPECT_EQ(contents.spine, (std::vector<std::string>{"OEBPS/ch2.xhtml", "OEBPS/Text/ch 1.xhtml"}));
    EXPECT_EQ(KindOfDocument("OEBPS/Text/ch 1.xhtml", contents), DocumentKind::Markup);
    EXPECT_EQ(KindOfDocument("OEBPS/extra.HTM", contents), DocumentKind::Markup);
    EXPECT_EQ(KindOfDocument("OEBPS/ch.xht", contents), DocumentKind::Markup);
    EXPECT_EQ(KindOfDocument("OEBPS/map.SVG", contents), DocumentKind::Svg);
    EXPECT_EQ(KindOfDocument("OEBPS/style.css", contents), DocumentKind::None);
    for (const char* hidden : {"OEBPS/.hidden.xhtml", ".DS_Store.html", "OEBPS/.svn/text-base/ch1.xhtml"})
        EXPECT_EQ(KindOfDocument(hidden, contents), DocumentKind::None) << hidden;
    EXPECT_EQ(InSpineOrder({"OEBPS/a.xhtml", "OEBPS/Text/ch 1.xhtml", "OEBPS/ch2.xhtml"}, contents),
              (std::vector<std::string>{"OEBPS/ch2.xhtml", "OEBPS/Text/ch 1.xhtml", "OEBPS/a.xhtml"}));
}

// The cover's edits where the package is written otherwise: the property
// goes beside those the item has, in single quotes too; the meta carries
// the package's prefix and the indentation of the metadata's children. A
// package whose elements do not nest, or in UTF-16, is left as it is.
TEST(Cover, IsNamedBesideWhatThePackageSaysAndNotInPackagesThatDoNotRead)
{
    const auto package = [](const std::string& item, const std::string& meta) {
        return "<opf:package xmlns:opf=\"http://www.idpf.org/2007/opf\" version=\"3.0\"><opf:metadata>\n\t<dc:title>T"
               "</dc:title>" + meta + "\n</opf:metadata><opf:manifest>" + item + "</opf:manifest></opf:package>";
    };
    const std::string svg = "<opf:item id=\"c\" href=\"cover.svg\" media-type=\"image/svg+xml\" properties='svg'/>";
    EXPECT_EQ(FindCover(package(svg, "")), "c");
    EXPECT_EQ(NameCoverBothWays(package(svg, "")),
              package("<opf:item id=\"c\" href=\"cover.svg\" media-type=\"image/svg+xml\" properties='svg cover-image'/>",
                      "\n\t<opf:meta name=\"cover\" content=\"c\"/>"));
    EXPECT_EQ(GiveCoverItsProperty(package(svg, "")), std::nullopt) << "not named by the meta";
    // A meta that names a page, not an image, is mended; one naming
    // another image stays.
    const std::string page = "<opf:item id=\"p\" href=\"p.xhtml\" media-type=\"application/xhtml+xml\"/>";
    const std::string named = "<opf:item id=\"c\" href=\"cover.svg\" media-type=\"image/svg+xml\" "
                              "properties='svg cover-image'/>";
    EXPECT_EQ(NameCoverBothWays(package(page + named, "<opf:meta name=\"cover\" content=\"p\"/>")),
              package(page + named, "<opf:meta name=\"cover\" content=\"c\"/>"));
    const std::string other = "<opf:item id=\"o\" href=\"o.png\" media-type=\"image/png\"/>";
    EXPECT_EQ(NameCoverBothWays(package(other + named, "<opf:meta name=\"cover\" content=\"o\"/>")), std::nullopt);

    for (const std::string& unread : {
             package(svg, "").replace(package(svg, "").find("</dc:title>"), 11, ""),  // an element left open
             EncodeEdited(package(svg, ""), TextEncoding::Utf16LE)}) {
        EXPECT_EQ(FindCover(unread), std::nullopt);
        EXPECT_EQ(NameCoverBothWays(unread), std::nullopt);
    }
}

// The markup mends read tags as tags: a picture or a link in a comment,
// a CDATA section or a script is no element and stays; a document whose
// markup does not read to its end is left as it is.
TEST(KindleMarkup, OnlyTagsAreMendedAndOnlyInMarkupThatReads)
{
    const std::map<std::string, std::string> bodies = {{"OEBPS/a.xhtml", "top"}};
    const std::string kept = "<!-- <img/> <a href=\"a.xhtml#top\"/> --><![CDATA[<img/>]]>"
                             "<script>if (a<b) x = '<img>';</script><style>p{}</style>";
    const std::string document = "<html><body id=\"top\">" + kept + "<IMG ALT=\"\"/><a HREF=\"a.xhtml#top\"/></body></html>";
    EXPECT_EQ(BodyId(document), "top");
    const std::optional<KindleMends> mends = MendKindleMarkup(document, "OEBPS/a.xhtml", bodies);
    ASSERT_TRUE(mends);
    EXPECT_EQ(mends->document, "<html><body id=\"top\">" + kept + "<a HREF=\"a.xhtml\"/></body></html>");
    EXPECT_EQ(mends->links, 1u);
    EXPECT_EQ(mends->pictures, 1u);
    EXPECT_FALSE(MayNeedKindleMends(mends->document));
    EXPECT_EQ(MendKindleMarkup(document + "<img alt=\"x", "OEBPS/a.xhtml", bodies), std::nullopt);
    EXPECT_EQ(MendKindleMarkup("<p>1 < 2<img/></p>", "OEBPS/a.xhtml", bodies), std::nullopt);
}

}  // namespace

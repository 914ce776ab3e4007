// The options for e-readers that read a book's content documents, end to
// end through the batch run: faces cut down to the book's characters, and
// books readied for Send to Kindle.
#include "BatchRun.h"
#include "BookBuilder.h"
#include "FakePrompter.h"
#include "FakeWindow.h"
#include "FontFiles.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>
#include <hb.h>

#include <filesystem>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string_view>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const char* const Faces[] = {"LiberationSerif-Regular.ttf", "LiberationSerif-Italic.ttf", "LiberationSerif-Bold.ttf",
                             "LiberationSerif-BoldItalic.ttf"};

std::set<char32_t> CharactersOf(const std::string& face)
{
    hb_blob_t* blob = hb_blob_create(face.data(), static_cast<unsigned>(face.size()), HB_MEMORY_MODE_READONLY,
                                     nullptr, nullptr);
    hb_face_t* read = hb_face_create(blob, 0);
    hb_set_t* unicodes = hb_set_create();
    hb_face_collect_unicodes(read, unicodes);
    std::set<char32_t> characters;
    for (hb_codepoint_t c = HB_SET_VALUE_INVALID; hb_set_next(unicodes, &c);)
        characters.insert(c);
    hb_set_destroy(unicodes);
    hb_face_destroy(read);
    hb_blob_destroy(blob);
    return characters;
}

// A package document naming language (none when nullopt), its content
// documents chapters, in the spine in that order.
std::string Package(std::optional<std::string> language, const std::vector<std::string>& chapters,
                    const std::string& prefix = "")
{
    std::string items, spine;
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        items += "<" + prefix + "item id=\"c" + std::to_string(i) + "\" href=\"" + chapters[i] +
                 "\" media-type=\"application/xhtml+xml\"/>\n";
        spine += "<" + prefix + "itemref idref=\"c" + std::to_string(i) + "\"/>";
    }
    const std::string ns = prefix.empty() ? "xmlns" : "xmlns:" + prefix.substr(0, prefix.size() - 1);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + prefix + "package " + ns +
           "=\"http://www.idpf.org/2007/opf\" version=\"2.0\" unique-identifier=\"uid\">\n<" + prefix +
           "metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
           "<dc:identifier id=\"uid\">urn:uuid:12345678-1234-4234-8234-123456789abc</dc:identifier>\n"
           "<dc:title>A Book</dc:title>\n" +
           (language ? "<dc:language>" + *language + "</dc:language>\n" : std::string()) + "</" + prefix +
           "metadata>\n<" + prefix + "manifest>\n" + items + "<" + prefix +
           "item id=\"css\" href=\"style.css\" media-type=\"text/css\"/>\n</" + prefix + "manifest>\n<" + prefix +
           "spine>" + spine + "</" + prefix + "spine>\n</" + prefix + "package>\n";
}

std::string Page(const std::string& body, const std::string& htmlAttributes = "", const std::string& head = "")
{
    return head + "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"" + htmlAttributes +
           "><head><title>T</title><link rel=\"stylesheet\" href=\"style.css\"/></head>\n<body>" + body +
           "</body></html>\n";
}

class EReaderBooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        ::setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
        SettingsStore::LoadOptions();  // the fonts embedded, cut down (the first-run values)
        SettingsStore::PutOption(OptionKey::KeepOriginals, false);
        window.folder = library.path();
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    // A book of its own package document and pages (name -> bytes), with
    // a stylesheet; every page is a content document of the book.
    std::string Book(const std::string& entry, const std::string& opf,
                     const std::vector<std::pair<std::string, std::string>>& pages,
                     const std::vector<EntrySpec>& others = {})
    {
        std::vector<EntrySpec> entries = {
            {"mimetype", "application/epub+zip", EntrySpec::File, true},
            {"META-INF/container.xml",
             "<?xml version=\"1.0\"?><container version=\"1.0\" "
             "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile full-path=\""
             "OEBPS/content.opf\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>"},
            {"OEBPS/content.opf", opf},
            {"OEBPS/style.css", "p { font-size: 12pt; }\n.shout { text-transform: uppercase; }\n"}};
        for (const auto& [name, bytes] : pages)
            entries.push_back({"OEBPS/" + name, bytes});
        entries.insert(entries.end(), others.begin(), others.end());
        BuildZip(library / entry, entries);
        window.Add(entry);
        return library / entry;
    }

    ScratchSettings settings;
    TempFolder library, runtime, cache;
    FakePrompter prompter;
    FakeWindow window;
};

// Every character of a book's text is in each face it gets, whenever the
// whole face has it: one only upper-cased by a stylesheet, one only in an
// alt, one only behind a character reference. A book whose text cannot be
// read gets the whole faces; two books of the same characters get the
// same bytes; a second pass changes nothing.
TEST_F(EReaderBooks, TheFacesAreCutDownToEveryCharacterOfTheBook)
{
    // ÿ is upper-cased to Ÿ (U+0178, another page); λ is only in an alt; Ж
    // only behind a reference.
    const std::string text = Package("en", {"a.xhtml"});
    const std::string chars = Book("chars.epub", text,
        {{"a.xhtml", Page("<p class=\"shout\">\xC3\xBF</p><p><img src=\"x.png\" alt=\"\xCE\xBB\"/> &#x416;</p>")}});
    const std::string latin1 = Book("latin1.epub", text, {{"a.xhtml", Page("<p>Caf\xE9</p>")}});
    const std::string twin1 = Book("twin1.epub", text, {{"a.xhtml", Page("<p>Gr\xC3\xBC\xC3\x9F Gott</p>")}});
    const std::string twin2 = Book("twin2.epub", text, {{"a.xhtml", Page("<p>Gott gr\xC3\xBC\xC3\x9Ft</p>")}});

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    for (const char* face : Faces) {
        const std::string whole = ReadFile(InstalledFontFolder() + "/" + face);
        const std::set<char32_t> wholeHas = CharactersOf(whole);
        const std::set<char32_t> cutHas = CharactersOf(EntryBytes(chars, face));
        for (const char32_t c : {U'\u00FF', U'\u0178', U'\u03BB', U'\u039B', U'\u0416', U'\u0436', U'A', U'\u2014'})
            EXPECT_TRUE(!wholeHas.count(c) || cutHas.count(c))
                << face << " lacks U+" << std::hex << static_cast<unsigned>(c);
        EXPECT_LT(EntryBytes(chars, face).size(), whole.size() / 2) << face;
        EXPECT_TRUE(EntryBytes(latin1, face) == whole) << face << ": text that is not UTF-8 gets the whole face";
        EXPECT_TRUE(EntryBytes(twin1, face) == EntryBytes(twin2, face)) << face;
    }
    std::map<std::string, std::string> once;
    for (const std::string& book : {chars, latin1, twin1, twin2})
        once[book] = ReadFile(book);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    for (const auto& [book, bytes] : once)
        EXPECT_TRUE(ReadFile(book) == bytes) << book << ": a second pass changes nothing";
}

// Cut faces go into a book deflated as the cache of cut faces keeps them
// (by libdeflate), in this run and the next, which reads them back from
// $XDG_CACHE_HOME/bindwell; a cache folder that cannot be written fails no
// run, and its books get the same faces. A small book's faces are cut to
// whole pages of characters, which books share; a large book's to its own.
TEST_F(EReaderBooks, CutFacesArePackedAsTheCacheKeepsThemAcrossRuns)
{
    const std::string text = Package("en", {"a.xhtml"});
    const auto page = [](const std::string& name) { return Page("<p>Gr\xC3\xBC\xC3\x9F Gott, " + name + "</p>"); };
    const std::string first = Book("first.epub", text, {{"a.xhtml", page("first")}});
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    std::vector<std::string> kept;
    for (const auto& entry : fs::directory_iterator(cache / "bindwell"))
        kept.push_back(entry.path().filename());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(kept.front().ends_with(".faces")) << kept.front();

    const std::string second = Book("second.epub", text, {{"a.xhtml", page("second")}});
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    const std::string unwritable = cache / "file";
    WriteFile(unwritable, "not a folder");
    ::setenv("XDG_CACHE_HOME", unwritable.c_str(), 1);
    const std::string third = Book("third.epub", text, {{"a.xhtml", page("third")}});
    const std::string large = Book("large.epub", text, {{"a.xhtml", page("large")}},
                                   {{"OEBPS/noise.bin", RandomBytes(600u << 10, 3), EntrySpec::File, true}});
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    EXPECT_TRUE(CharactersOf(EntryBytes(first, Faces[0])).count(U'\u00E9')) << "the page of \u00FC";
    EXPECT_FALSE(CharactersOf(EntryBytes(large, Faces[0])).count(U'\u00E9')) << "the book's own characters";
    EXPECT_TRUE(CharactersOf(EntryBytes(large, Faces[0])).count(U'\u00FC'));
    for (const char* face : Faces) {
        const std::string cut = EntryBytes(first, face);
        EXPECT_LT(cut.size(), ReadFile(InstalledFontFolder() + "/" + face).size() / 2) << face;
        EXPECT_TRUE(PackedEntryBytes(first, face) == PackFace(cut).deflated) << face;
        EXPECT_TRUE(PackedEntryBytes(second, face) == PackedEntryBytes(first, face)) << face;
        EXPECT_TRUE(PackedEntryBytes(third, face) == PackedEntryBytes(first, face)) << face;
    }
}

// The markers of the lists a book's stylesheet styles, and the labels it
// draws from an attribute, are in each face wherever the whole face has
// them: lower-greek, armenian, hebrew, georgian, a string marker and a
// Cyrillic label, which nothing else in the book brings in. A book that
// names only markers readers draw anyway gets the faces of one that
// names none.
TEST_F(EReaderBooks, TheFacesHoldTheMarkersAndLabelsTheStylesheetsDraw)
{
    const std::string lists = "ol.greek { list-style-type: lower-greek }\nol.armenian { list-style: armenian inside }\n"
                              "li::marker { content: counter(list-item, hebrew) \". \" }\n"
                              "ol.georgian > li::before { content: counters(item, \".\", georgian) }\n"
                              "ul { list-style: square } ul.arrow { list-style-type: \"\\2192 \" }\n"
                              "h2[data-label]::before { content: attr(data-label) \" \" }\n";
    const std::string text = Package("en", {"a.xhtml"});
    const std::string page = Page("<h2 data-label=\"\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB0\">One</h2>"
                                  "<ol class=\"greek\"><li>a</li></ol><ul class=\"arrow\"><li>b</li></ul>");
    const std::string marked = Book("marked.epub", text, {{"a.xhtml", page}}, {{"OEBPS/lists.css", lists}});
    const std::string plain = Book("plain.epub", text, {{"a.xhtml", Page("<p>One</p>")}});
    const std::string squares = Book("squares.epub", text, {{"a.xhtml", Page("<ul><li>One</li></ul>")}},
                                     {{"OEBPS/lists.css", "ul { list-style: square } ol { list-style-type: disc }"}});

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    // α ω, Ա ա, א ׳, ა, ▪, →, the label's Г л; those the faces have must be there
    const std::u32string_view drawn = U"\u03B1\u03C9\u0531\u0561\u05D0\u05F3\u10D0\u25AA\u2192\u0413\u043B";
    for (const char* face : Faces) {
        const std::set<char32_t> wholeHas = CharactersOf(ReadFile(InstalledFontFolder() + "/" + face));
        const std::set<char32_t> cutHas = CharactersOf(EntryBytes(marked, face));
        for (const char32_t c : drawn)
            EXPECT_TRUE(!wholeHas.count(c) || cutHas.count(c))
                << face << " lacks U+" << std::hex << static_cast<unsigned>(c);
        for (const char32_t c : std::u32string_view(U"\u03B1\u05D0\u2192\u0413"))  // what the test rests on
            EXPECT_TRUE(wholeHas.count(c)) << face << " never had U+" << std::hex << static_cast<unsigned>(c);
        EXPECT_TRUE(EntryBytes(squares, face) == EntryBytes(plain, face)) << face;
    }
}

// Send to Kindle: each content document names its encoding, each book a
// language code, and a second pass changes nothing. A book with a
// document that is not UTF-8 and names no encoding is left as it was; one
// whose language cannot be found keeps it; the summary names both.
TEST_F(EReaderBooks, BooksAreReadiedForSendToKindle)
{
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    const std::string page = Page("<p>Caf\xC3\xA9</p>");
    const auto en = [](const std::string& language = "en") { return Package(language, {"a.xhtml"}); };
    const std::string noDeclaration = Book("nodecl.epub", en(), {{"a.xhtml", page}});
    const std::string noEncoding = Book("noenc.epub", en(), {{"a.xhtml", "<?xml version=\"1.0\"?>\n" + page}});
    const std::string mark = Book("mark.epub", en(), {{"a.xhtml", "\xEF\xBB\xBF" + page}});
    std::string utf16 = "\xFF\xFE";
    for (const char c : page)
        utf16 += std::string{c, '\0'};
    const std::string wide = Book("utf16.epub", en(), {{"a.xhtml", utf16}});
    const std::string latin1 = Book("latin1.epub", en(), {{"a.xhtml", Page("<p>Caf\xE9</p>")}});
    const std::string latin1Before = ReadFile(latin1);
    const std::string c = Book("c.epub", Package("C", {"a.xhtml"}),
                               {{"a.xhtml", Page(GermanParagraph, " xml:lang=\"C\"", declaration)}});
    const std::string ptBr = Book("ptbr.epub", en("pt_BR"), {{"a.xhtml", page}});
    const std::string eng = Book("eng.epub", en("eng"), {{"a.xhtml", page}});
    const std::string english = Book("english.epub", en("English"), {{"a.xhtml", page}});
    const std::string empty = Book("empty.epub", en(""), {{"a.xhtml", Page(GermanParagraph)}});
    const std::string missing = Book("missing.epub", Package(std::nullopt, {"a.xhtml"}), {{"a.xhtml", Page(GermanParagraph)}});
    const std::string prefixed = Book("prefixed.epub", Package("pt_BR", {"a.xhtml"}, "opf:"), {{"a.xhtml", page}});
    const std::string none = Book("none.epub", en("C"), {{"a.xhtml", page}});

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    const auto chapter = [](const std::string& book) { return EntryBytes(book, "OEBPS/a.xhtml"); };
    const auto language = [](const std::string& book) {
        const std::string opf = EntryBytes(book, "OEBPS/content.opf");
        const auto at = opf.find("<dc:language>");
        return at == std::string::npos ? std::string("(none)")
                                       : opf.substr(at + 13, opf.find("</dc:language>", at) - at - 13);
    };
    EXPECT_EQ(chapter(noDeclaration), declaration + page);
    EXPECT_EQ(chapter(noEncoding), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" + page);
    EXPECT_EQ(chapter(mark), "\xEF\xBB\xBF" + declaration + page);
    EXPECT_EQ(chapter(wide), utf16);
    EXPECT_TRUE(ReadFile(latin1) == latin1Before) << "left as it was";
    EXPECT_EQ(language(c), "de");
    EXPECT_NE(chapter(c).find(" xml:lang=\"de\""), std::string::npos);
    EXPECT_EQ(language(ptBr), "pt-BR");
    EXPECT_EQ(language(eng), "en");
    EXPECT_EQ(language(english), "en");
    EXPECT_EQ(language(empty), "de");
    EXPECT_EQ(language(missing), "de");
    EXPECT_NE(EntryBytes(prefixed, "OEBPS/content.opf").find("<dc:language>pt-BR</dc:language>"), std::string::npos);
    EXPECT_EQ(language(none), "C") << "no language found: left as it is";
    EXPECT_EQ(chapter(none), declaration + page) << "the encoding is fixed all the same";

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find("For 1 of them no language was found"), std::string::npos)
        << prompter.messages[0].text;
    // The source text: the English singular comes with the translations.
    EXPECT_NE(prompter.messages[0].text.find(" 1 books were left as they were"), std::string::npos)
        << prompter.messages[0].text;
    EXPECT_NE(prompter.messages[0].details.find("latin1.epub: OEBPS/a.xhtml is not UTF-8 and names no encoding"),
              std::string::npos) << prompter.messages[0].details;
    EXPECT_NE(prompter.messages[0].details.find("none.epub: no language found"), std::string::npos);

    std::map<std::string, std::string> once;
    for (const fs::directory_entry& book : fs::directory_iterator(library.path()))
        once[book.path()] = ReadFile(book.path());
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    for (const auto& [book, bytes] : once)
        EXPECT_TRUE(ReadFile(book) == bytes) << book << ": a second pass changes nothing";
}

// Send to Kindle keeps what a book says and says what it saw: registered
// codes and grandfathered tags stay as they are; every html element that
// carries the package's unusable value gets its code, wherever its start
// tag stands; a comment in dc:language is no part of the value and stays;
// a book left as it was is named with what its document names or holds.
TEST_F(EReaderBooks, SendToKindleKeepsWhatTheBookSaysAndSaysWhatItSaw)
{
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    const std::string page = Page("<p>Caf\xC3\xA9</p>", "", declaration);
    std::map<std::string, std::string> languages;  // book -> its dc:language's content as it is to be
    for (const char* code : {"mul", "zxx", "tlh", "en-GB-oed", "art-lojban", "sgn-BE-FR", "en<!-- from the shop -->"})
        languages[Book(std::to_string(languages.size()) + ".epub", Package(code, {"a.xhtml"}), {{"a.xhtml", page}})] =
            code;
    languages[Book("shop.epub", Package("English<!-- from the shop -->", {"a.xhtml"}), {{"a.xhtml", page}})] =
        "en<!-- from the shop -->";
    // The twin's start tag lies beyond the first 4096 bytes.
    const std::string lang = " lang=\"English\" xml:lang=\"English\"";
    const std::string farHead = declaration + "<!-- " + std::string(5000, '~') + " -->\n";
    const std::string twins = Book("twins.epub", Package("English", {"a.xhtml", "b.xhtml"}),
                                   {{"a.xhtml", Page("<p>Once upon a time.</p>", lang, declaration)},
                                    {"b.xhtml", Page("<p>Once upon a time.</p>", lang, farHead)}});

    const auto withMeta = [](const std::string& meta, const std::string& body) {
        std::string document = Page(body);
        return document.insert(document.find("<head>") + 6, meta);
    };
    std::map<std::string, std::string> leftAlone;  // book -> its bytes
    for (const auto& [entry, document] : std::vector<std::pair<std::string, std::string>>{
             {"cp1252.epub", withMeta("<meta charset=\"windows-1252\"/>", "<p>Caf\xE9</p>")},
             {"equiv.epub", withMeta("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\"/>",
                                     "<p>Caf\xE9</p>")},
             {"nul.epub", Page(std::string("<p>Caf\xC3\xA9\0</p>", 12))}})
        leftAlone[Book(entry, Package("en", {"a.xhtml"}), {{"a.xhtml", document}})] = "";
    for (auto& [book, bytes] : leftAlone)
        bytes = ReadFile(book);

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    for (const auto& [book, language] : languages)
        EXPECT_NE(EntryBytes(book, "OEBPS/content.opf").find("<dc:language>" + language + "</dc:language>"),
                  std::string::npos) << book << ": " << language;
    const std::string en = " lang=\"en\" xml:lang=\"en\"";
    EXPECT_EQ(EntryBytes(twins, "OEBPS/a.xhtml"), Page("<p>Once upon a time.</p>", en, declaration));
    EXPECT_TRUE(EntryBytes(twins, "OEBPS/b.xhtml") == Page("<p>Once upon a time.</p>", en, farHead))
        << "the twin whose start tag lies far in follows";
    for (const auto& [book, bytes] : leftAlone)
        EXPECT_TRUE(ReadFile(book) == bytes) << book << ": left as it was";

    ASSERT_EQ(prompter.messages.size(), 1u);
    const std::string& details = prompter.messages[0].details;
    for (const char* reason : {"cp1252.epub: OEBPS/a.xhtml names windows-1252 and is not UTF-8",
                               "equiv.epub: OEBPS/a.xhtml names ISO-8859-1 and is not UTF-8",
                               "nul.epub: OEBPS/a.xhtml holds a NUL byte"})
        EXPECT_NE(details.find(reason), std::string::npos) << reason << " in " << details;
    EXPECT_EQ(details.find("no language found"), std::string::npos) << details;

    std::map<std::string, std::string> once;
    for (const fs::directory_entry& book : fs::directory_iterator(library.path()))
        once[book.path()] = ReadFile(book.path());
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    for (const auto& [book, bytes] : once)
        EXPECT_TRUE(ReadFile(book) == bytes) << book << ": a second pass changes nothing";
}

// A package document of version ("2.0", "3.0") with the nav and NCX, its
// metadata ending in metadata, its manifest holding items besides.
std::string LinkedPackage(const std::string& version, const std::string& metadata, const std::string& items)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"" +
           version +
           "\" unique-identifier=\"uid\">\n  <metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
           "    <dc:identifier id=\"uid\">urn:uuid:12345678-1234-4234-8234-123456789abc</dc:identifier>\n"
           "    <dc:title>A Book</dc:title>\n    <dc:language>en</dc:language>\n"
           "    <meta property=\"dcterms:modified\">2024-01-01T00:00:00Z</meta>" +
           metadata +
           "\n  </metadata>\n  <manifest>\n"
           "    <item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\"/>\n"
           "    <item id=\"ncx\" href=\"toc.ncx\" media-type=\"application/x-dtbncx+xml\"/>\n"
           "    <item id=\"c1\" href=\"Text/ch1.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "    <item id=\"c2\" href=\"Text/sub/ch2.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "    <item id=\"css\" href=\"style.css\" media-type=\"text/css\"/>\n" +
           items + "  </manifest>\n  <spine toc=\"ncx\"><itemref idref=\"c1\"/><itemref idref=\"c2\"/></spine>\n</package>\n";
}

const char Declared[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

std::string Chapter(const std::string& bodyId, const std::string& body)
{
    return Declared + Page(body).replace(Page(body).find("<body>"), 6, "<body id=\"" + bodyId + "\">");
}

std::string Ncx(const std::string& points)
{
    return std::string(Declared) +
           "<ncx xmlns=\"http://www.daisy.org/z3986/2005/ncx/\" version=\"2005-1\"><head><meta name=\"dtb:uid\" "
           "content=\"urn:uuid:12345678-1234-4234-8234-123456789abc\"/></head><docTitle><text>A Book</text>"
           "</docTitle><navMap>" + points + "</navMap></ncx>\n";
}

std::string NavPoint(const std::string& id, const std::string& src)
{
    return "<navPoint id=\"" + id + "\" playOrder=\"" + id.substr(1) + "\"><navLabel><text>" + id +
           "</text></navLabel><content src=\"" + src + "\"/></navPoint>";
}

std::string Nav(const std::string& links)
{
    return std::string(Declared) +
           "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\">"
           "<head><title>T</title></head>\n<body><nav epub:type=\"toc\"><ol>" + links + "</ol></nav></body></html>\n";
}

// Send to Kindle: links from the nav, the NCX and the chapters to a
// chapter's body id lose the fragment, whatever their path ("./", "../",
// folders); links to a section, and external ones, keep it. Every img
// without a source goes, end tag and all; one with a source stays. A
// second pass changes nothing.
TEST_F(EReaderBooks, SendToKindleCutsLinksToABodyAndDeletesPicturesWithoutASource)
{
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    const auto li = [](const std::string& href) { return "<li><a href=\"" + href + "\">x</a></li>"; };
    const std::string nav = Nav(li("Text/ch1.xhtml#b1") + li("./Text/sub/ch2.xhtml#body%202") + li("Text/ch1.xhtml#s1") +
                                li("http://example.com/Text/ch1.xhtml#b1") + li("Text/sub/../ch1.xhtml#b1"));
    const std::string ncx = Ncx(NavPoint("p1", "Text/ch1.xhtml#b1") + NavPoint("p2", "Text/sub/ch2.xhtml#s2") +
                                NavPoint("p3", "./Text/sub/ch2.xhtml#body 2"));
    const std::string pictures = "<p><img/>a<img alt=\"\" />b<img class=\"x\"></img>c"
                                 "<img src=\"../Images/a.png\" alt=\"\"/>d<img alt=\"\"> </img></p>";
    const std::string ch1 = Chapter("b1", "<section id=\"s1\">" + pictures + "<a href=\"sub/ch2.xhtml#body 2\">n</a>"
                                          "<a href=\"#b1\">top</a></section>");
    const std::string ch2 = Chapter("body 2", "<p id=\"s2\"><a href=\"../ch1.xhtml#b1\">back</a>"
                                              "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                              "xmlns:xlink=\"http://www.w3.org/1999/xlink\"><a xlink:href=\"../ch1."
                                              "xhtml#b1\"><text>t</text></a></svg></p>");
    const std::string book =
        Book("linked.epub", LinkedPackage("3.0", "", ""),
             {{"nav.xhtml", nav}, {"toc.ncx", ncx}, {"Text/ch1.xhtml", ch1}, {"Text/sub/ch2.xhtml", ch2}});

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    EXPECT_EQ(EntryBytes(book, "OEBPS/nav.xhtml"),
              Nav(li("Text/ch1.xhtml") + li("./Text/sub/ch2.xhtml") + li("Text/ch1.xhtml#s1") +
                  li("http://example.com/Text/ch1.xhtml#b1") + li("Text/sub/../ch1.xhtml")));
    EXPECT_EQ(EntryBytes(book, "OEBPS/toc.ncx"),
              Ncx(NavPoint("p1", "Text/ch1.xhtml") + NavPoint("p2", "Text/sub/ch2.xhtml#s2") +
                  NavPoint("p3", "./Text/sub/ch2.xhtml")));
    EXPECT_EQ(EntryBytes(book, "OEBPS/Text/ch1.xhtml"),
              Chapter("b1", "<section id=\"s1\"><p>abc<img src=\"../Images/a.png\" alt=\"\"/>d </p>"
                            "<a href=\"sub/ch2.xhtml\">n</a><a href=\"#b1\">top</a></section>"))
        << "a link to the document itself has nothing but its fragment: it stays";
    EXPECT_EQ(EntryBytes(book, "OEBPS/Text/sub/ch2.xhtml"),
              Chapter("body 2", "<p id=\"s2\"><a href=\"../ch1.xhtml\">back</a><svg xmlns=\"http://www.w3.org/2000/svg\" "
                                "xmlns:xlink=\"http://www.w3.org/1999/xlink\"><a xlink:href=\"../ch1.xhtml\">"
                                "<text>t</text></a></svg></p>"));

    const std::string once = ReadFile(book);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    EXPECT_TRUE(ReadFile(book) == once) << "a second pass changes nothing";
}

// The cover, named both ways for Send to Kindle: in EPUB 3 the property
// and the meta, in EPUB 2 the meta alone; a meta that names a missing id
// is mended; two candidates, or none, and nothing changes. For Kobo alone,
// an EPUB 3 cover named only by the meta gets the property, and nothing
// else changes.
TEST_F(EReaderBooks, TheCoverIsNamedBothWays)
{
    const std::string image = "    <item id=\"cover\" href=\"Images/front.jpg\" media-type=\"image/jpeg\"/>\n";
    const std::string named = "    <item id=\"cover\" href=\"Images/front.jpg\" media-type=\"image/jpeg\" "
                              "properties=\"cover-image\"/>\n";
    const std::string byFile = "    <item id=\"i1\" href=\"Images/Cover.png\" media-type=\"image/png\" />\n";
    const std::string byFileNamed = "    <item id=\"i1\" href=\"Images/Cover.png\" media-type=\"image/png\" "
                                    "properties=\"cover-image\" />\n";
    const std::string meta = "\n    <meta name=\"cover\" content=\"cover\"/>";
    const std::string missing = "\n    <meta content=\"gone\" name=\"cover\"/>";
    struct Case {
        std::string entry, version, metadata, items, fixed;  // fixed: the package as it is to be ("": as it was)
    };
    const std::vector<Case> cases = {
        {"property.epub", "3.0", "", named, LinkedPackage("3.0", meta, named)},
        {"meta.epub", "3.0", meta, image, LinkedPackage("3.0", meta, named)},
        {"missing.epub", "3.0", missing, byFile,
         LinkedPackage("3.0", "\n    <meta content=\"i1\" name=\"cover\"/>", byFileNamed)},
        {"id.epub", "3.0", "", image, LinkedPackage("3.0", meta, named)},
        {"twice.epub", "3.0", "", image + byFile, ""},
        {"none.epub", "3.0", missing, "", ""},
        {"two-meta.epub", "2.0", meta, image, ""},
        {"two-id.epub", "2.0", "", byFile, LinkedPackage("2.0", "\n    <meta name=\"cover\" content=\"i1\"/>", byFile)},
        {"two-missing.epub", "2.0", missing, image,
         LinkedPackage("2.0", "\n    <meta content=\"cover\" name=\"cover\"/>", image)},
        {"two-twice.epub", "2.0", "", image + byFile, ""},
    };
    const std::string chapter = Chapter("b1", "<p>x</p>");
    std::map<std::string, std::string> packages;  // book -> as it is to be
    for (const Case& c : cases) {
        const std::string opf = LinkedPackage(c.version, c.metadata, c.items);
        packages[Book(c.entry, opf, {{"Text/ch1.xhtml", chapter}})] = c.fixed.empty() ? opf : c.fixed;
    }
    // Kobo alone: the property, and not the Send to Kindle edits.
    const std::string undeclared = Page("<p>x</p>");
    const std::string kobo = Book("kobo.epub", LinkedPackage("3.0", meta, image), {{"Text/ch1.xhtml", undeclared}});
    const std::string koboId = Book("kobo-id.epub", LinkedPackage("3.0", "", image), {{"Text/ch1.xhtml", undeclared}});
    const std::string koboTwo = Book("kobo-2.epub", LinkedPackage("2.0", meta, image), {{"Text/ch1.xhtml", undeclared}});

    SettingsStore::PutOption(OptionKey::IntlFonts, false);
    SettingsStore::PutOption(OptionKey::KoboBooks, true);
    for (auto& [entry, ticked] : window.entries)
        ticked = entry.starts_with("kobo");
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    // Kobo books take their new names.
    const auto renamed = [](const std::string& book) { return book.substr(0, book.size() - 5) + ".kepub.epub"; };
    EXPECT_EQ(EntryBytes(renamed(kobo), "OEBPS/content.opf"), LinkedPackage("3.0", meta, named));
    EXPECT_FALSE(EntryBytes(renamed(kobo), "OEBPS/Text/ch1.xhtml").starts_with("<?xml")) << "no Send to Kindle edit";
    EXPECT_EQ(EntryBytes(renamed(koboId), "OEBPS/content.opf"), LinkedPackage("3.0", "", image))
        << "not named by the meta";
    EXPECT_EQ(EntryBytes(renamed(koboTwo), "OEBPS/content.opf"), LinkedPackage("2.0", meta, image))
        << "EPUB 2 has no properties";

    SettingsStore::PutOption(OptionKey::KoboBooks, false);
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    for (auto& [entry, ticked] : window.entries)
        ticked = !entry.starts_with("kobo");
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    for (const auto& [book, opf] : packages)
        EXPECT_EQ(EntryBytes(book, "OEBPS/content.opf"), opf) << book;

    std::map<std::string, std::string> once;
    for (const auto& [book, opf] : packages)
        once[book] = ReadFile(book);
    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary);
    for (const auto& [book, bytes] : once)
        EXPECT_TRUE(ReadFile(book) == bytes) << book << ": a second pass changes nothing";
}

// A book larger than Send to Kindle takes by e-mail is fixed all the same,
// and the summary names it with its size; one within the limit is not named.
TEST_F(EReaderBooks, ABookTooLargeToMailIsNamed)
{
    SettingsStore::PutOption(OptionKey::IntlFonts, false);
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    std::string noise(52'900'000, '\0');
    std::mt19937_64 random(37);
    for (std::size_t i = 0; i + 8 <= noise.size(); i += 8) {
        const std::uint64_t r = random();
        std::memcpy(&noise[i], &r, 8);
    }
    const std::string page = Page("<p>x</p>");
    const std::string large = Book("large.epub", Package("en", {"a.xhtml"}), {{"a.xhtml", page}},
                                   {{"OEBPS/noise.bin", noise, EntrySpec::File, true}});
    noise.resize(1'000'000);
    const std::string small = Book("small.epub", Package("en", {"a.xhtml"}), {{"a.xhtml", page}},
                                   {{"OEBPS/noise.bin", noise, EntrySpec::File, true}});

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    EXPECT_EQ(EntryBytes(large, "OEBPS/a.xhtml"), Declared + page) << "fixed all the same";
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].details, "large.epub is 53 MB: Send to Kindle takes at most 50 MB by e-mail.");
    EXPECT_EQ(EntryBytes(small, "OEBPS/a.xhtml"), Declared + page);
}

// Entries whose names have a part beginning with a dot belong to another
// program or are hidden by their owner: no option reads or edits them,
// whatever they hold, and the rest of the book is fixed as ever.
TEST_F(EReaderBooks, HiddenEntriesAreNeitherReadNorEdited)
{
    SettingsStore::PutOption(OptionKey::KindleReady, true);
    const std::string page = Page("<p>Caf\xC3\xA9</p>");
    const std::string latin1 = Page("<p>Caf\xE9</p>");
    const std::vector<EntrySpec> hidden = {{"OEBPS/.hidden.xhtml", page},
                                           {"OEBPS/.svn/text-base/ch1.xhtml", latin1},
                                           {".DS_Store.html", latin1}};
    const std::string book = Book("hidden.epub", Package("en", {"a.xhtml"}), {{"a.xhtml", page}}, hidden);

    ASSERT_EQ(StartBatchRun(window), RunOutcome::Summary) << prompter.texts().back();
    EXPECT_EQ(EntryBytes(book, "OEBPS/a.xhtml"), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" + page);
    for (const EntrySpec& entry : hidden)
        EXPECT_EQ(EntryBytes(book, entry.name), entry.data) << entry.name;
    // Only the visible chapter's characters count: é is in the cut faces
    // (the whole faces would mean the Latin-1 entries made the text unreadable).
    EXPECT_LT(EntryBytes(book, Faces[0]).size(), ReadFile(InstalledFontFolder() + "/" + Faces[0]).size() / 2);
}

}  // namespace

// The walk over one unpacked book: which files it touches, in which order,
// and where the font references point.
#include "ContentWalk.h"
#include "RunTimeError.h"
#include "SettingsStore.h"
#include "ExpectedText.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string Untouched = "a { font-size: 1em; }";

class ContentWalkTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore::LoadOptions(); }
    void Options(bool sizes, bool fonts, bool justify, bool deleteCss)
    {
        SettingsStore::PutOption(OptionKey::FontSizes, sizes);
        SettingsStore::PutOption(OptionKey::IntlFonts, fonts);
        SettingsStore::PutOption(OptionKey::JustifyText, justify);
        SettingsStore::PutOption(OptionKey::DeleteCSS, deleteCss);
    }
    void Put(const std::string& relative, const std::string& bytes = Untouched) { WriteFile(book / relative, bytes); }
    std::string Get(const std::string& relative) { return ReadFile(book / relative); }
    bool Rewritten(const std::string& relative) { return Get(relative) != Untouched; }
    bool Exists(const std::string& relative) { return std::filesystem::exists(book / relative); }

    ScratchSettings settings;
    TempFolder book;
};

TEST_F(ContentWalkTest, ClassifiesNamesByTheirEndings)
{
    Options(true, true, false, false);
    for (const char* name : {"style.css", "Style.CSS", "main.Css", "style.css.bak", "css", ".hidden.css"})
        Put(name);
    for (const char* name : {"content.opf", "Content.OPF", "bookcontent.opf", "package.opf"})
        Put(name, "<manifest>");
    Put(".hidden/x.css");
    FindCSS(book.folder(), FixOptions::Current());
    for (const char* name : {"style.css", "Style.CSS", "main.Css"})
        EXPECT_TRUE(Rewritten(name)) << name;
    for (const char* name : {"content.opf", "Content.OPF", "bookcontent.opf"})
        EXPECT_NE(Get(name), "<manifest>") << name;
    EXPECT_EQ(Get("package.opf"), "<manifest>");
    for (const char* name : {"style.css.bak", "css", ".hidden.css", ".hidden/x.css"})
        EXPECT_FALSE(Rewritten(name)) << name;
}

TEST_F(ContentWalkTest, PackageDocumentsAreNotOpenedWithFontsOff)
{
    Options(true, false, false, false);
    Put("content.opf", "<manifest>");
    FindCSS(book.folder(), FixOptions::Current());
    EXPECT_EQ(Get("content.opf"), "<manifest>") << "not even a CR LF added";
}

TEST_F(ContentWalkTest, DeleteCssDeletesStylesheetsAndStillAltersTheManifest)
{
    // The walk as asked, whatever the rules between options would make of it.
    FixOptions options;
    options.intlFonts = options.deleteCSS = true;
    Put("OEBPS/a.css");
    Put("OEBPS/content.opf", "<manifest>");
    std::filesystem::create_directories(book / "folder.css/inner");
    Put("folder.css/inner/b.css");
    FindCSS(book.folder(), options);
    EXPECT_FALSE(Exists("OEBPS/a.css"));
    EXPECT_NE(Get("OEBPS/content.opf").find("href=\"../LiberationSerif-Regular.ttf\""), std::string::npos);
    EXPECT_TRUE(Exists("folder.css/inner/b.css")) << "a folder named like a stylesheet is not walked into";
}

TEST_F(ContentWalkTest, FilesBeforeSubfoldersDepthFirstAndTheFirstFailureEndsTheWalk)
{
    Options(true, false, false, false);
    for (const char* name : {"a.css", "z.css", "sub/b.css", "sub/deeper/y.css", "sub/deeper/zz.css", "sub2/c.css"})
        Put(name);
    std::filesystem::create_directories(book / "sub/deeper/m.css");  // read as a stylesheet: fails
    try {
        FindCSS(book.folder(), FixOptions::Current());
        FAIL() << "a folder named m.css should end the walk";
    } catch (const RunTimeError&) {
    }
    EXPECT_TRUE(Rewritten("a.css"));
    EXPECT_TRUE(Rewritten("z.css"));
    EXPECT_TRUE(Rewritten("sub/b.css"));
    EXPECT_FALSE(Rewritten("sub/deeper/y.css")) << "listed after m.css";
    EXPECT_FALSE(Rewritten("sub/deeper/zz.css"));
    EXPECT_FALSE(Rewritten("sub2/c.css")) << "walked after sub";
}

TEST_F(ContentWalkTest, FontReferencesPointUpToTheTopFolder)
{
    Options(false, true, false, false);
    Put("top.css", "");
    Put("OEBPS/Styles/book.css", "");
    Put("EPUB/content.opf", "<manifest>");
    FindCSS(book.folder(), FixOptions::Current());
    EXPECT_NE(Get("top.css").find("src: url(LiberationSerif-Italic.ttf);"), std::string::npos);
    EXPECT_NE(Get("OEBPS/Styles/book.css").find("src: url(../../LiberationSerif-Italic.ttf);"), std::string::npos);
    EXPECT_NE(Get("EPUB/content.opf").find("<item href=\"../LiberationSerif-Regular.ttf\""), std::string::npos);
}

TEST_F(ContentWalkTest, EveryPackageDocumentAtAnyDepthIsAltered)
{
    Options(false, true, false, false);
    Put("a/content.opf", "<manifest>");
    Put("b/c/content.opf", "<manifest>");
    Put("only.txt", "x");
    FindCSS(book.folder(), FixOptions::Current());
    EXPECT_NE(Get("a/content.opf"), "<manifest>");
    EXPECT_NE(Get("b/c/content.opf").find("../../LiberationSerif-Bold.ttf"), std::string::npos);
    EXPECT_EQ(Get("only.txt"), "x");
}

std::string Container(const std::string& rootfiles)
{
    return "<?xml version=\"1.0\"?>\n<container version=\"1.0\" "
           "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n<rootfiles>" +
           rootfiles + "</rootfiles>\n</container>\n";
}

std::string Rootfile(const std::string& path, const std::string& type = "application/oebps-package+xml")
{
    return "<rootfile full-path=\"" + path + "\" media-type=\"" + type + "\"/>";
}

// Package documents of any name get the font items when the container
// names them, each once, pointing up to the top folder; without a usable
// container the name rule alone applies.
TEST_F(ContentWalkTest, PackageDocumentsTheContainerNames)
{
    Options(false, true, false, false);
    const auto items = [&](const std::string& document) { return Get(document).find("LiberationSerif-Bold.ttf\""); };
    auto fresh = [&](const std::string& container) {
        std::filesystem::remove_all(book.path());
        for (const char* document : {"EPUB/package.opf", "OPS/fb.opf", "book.opf", "OEBPS/content.opf"})
            Put(document, "<manifest>");
        if (!container.empty())
            Put("META-INF/container.xml", container);
    };

    fresh(Container(Rootfile("EPUB/package.opf") + Rootfile("OPS/fb.opf") + Rootfile("OEBPS/content.opf") +
                    Rootfile("book.opf", "application/xhtml+xml")));
    EXPECT_TRUE(FindCSS(book.folder(), FixOptions::Current()).changed);
    EXPECT_NE(Get("EPUB/package.opf").find("href=\"../LiberationSerif-Regular.ttf\""), std::string::npos);
    EXPECT_NE(items("OPS/fb.opf"), std::string::npos);
    EXPECT_EQ(Get("OEBPS/content.opf"), "<manifest>" + ManifestItems("../") + "\r\n") << "named and listed: once";
    EXPECT_EQ(Get("book.opf"), "<manifest>") << "another media type";
    EXPECT_FALSE(FindCSS(book.folder(), FixOptions::Current()).changed) << "a second pass adds nothing";

    for (const std::string& container :
         {std::string(), Container(Rootfile("EPUB/package.opf")).substr(0, 90), Container(Rootfile("../book.opf")),
          Container(Rootfile("/book.opf")), Container(Rootfile("EPUB/../../book.opf")), Container(Rootfile("EPUB"))}) {
        fresh(container);
        FindCSS(book.folder(), FixOptions::Current());
        EXPECT_EQ(Get("EPUB/package.opf"), "<manifest>") << container;
        EXPECT_EQ(Get("book.opf"), "<manifest>") << container;
        EXPECT_NE(items("OEBPS/content.opf"), std::string::npos) << "the name rule still holds: " << container;
    }
}

}  // namespace

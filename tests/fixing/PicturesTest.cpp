// Pictures fitted to the e-reader's screen and made grey, end to end through the batch run, on books
// built for each kind of picture.
#include "BatchRun.h"
#include "FakePrompter.h"
#include "FakeWindow.h"
#include "PictureHead.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>
#include <vips/vips.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace {

struct Unref {
    void operator()(VipsImage* image) const { g_object_unref(image); }
};
using Image = std::unique_ptr<VipsImage, Unref>;

// An image of one colour, each band's value given.
Image Flat(int width, int height, std::vector<double> colour,
           VipsInterpretation kind = VIPS_INTERPRETATION_sRGB)
{
    VipsImage *black = nullptr, *lit = nullptr, *out = nullptr;
    std::vector<double> ones(colour.size(), 1.0);
    vips_black(&black, width, height, "bands", static_cast<int>(colour.size()), nullptr);
    // 16-bit grey is 16 bits a pixel in memory too: a PNG of it is written
    // from two bytes a pixel.
    const VipsBandFormat format = kind == VIPS_INTERPRETATION_GREY16 ? VIPS_FORMAT_USHORT : VIPS_FORMAT_UCHAR;
    VipsImage* cast = nullptr;
    vips_linear(black, &lit, ones.data(), colour.data(), static_cast<int>(colour.size()), nullptr);
    vips_cast(lit, &cast, format, nullptr);
    vips_copy(cast, &out, "interpretation", kind, nullptr);
    g_object_unref(black);
    g_object_unref(lit);
    g_object_unref(cast);
    return Image(out);
}

// Colour noise: what a photograph costs a JPEG encoder.
Image Noise(int width, int height)
{
    std::vector<VipsImage*> planes(3);
    for (VipsImage*& plane : planes)
        vips_gaussnoise(&plane, width, height, "mean", 128.0, "sigma", 50.0, nullptr);
    VipsImage *joined = nullptr, *cast = nullptr, *out = nullptr;
    vips_bandjoin(planes.data(), &joined, 3, nullptr);
    vips_cast_uchar(joined, &cast, nullptr);
    vips_copy(cast, &out, "interpretation", VIPS_INTERPRETATION_sRGB, nullptr);
    for (VipsImage* image : {planes[0], planes[1], planes[2], joined, cast})
        g_object_unref(image);
    return Image(out);
}

std::string Taken(void* buffer, std::size_t length)
{
    std::string bytes(static_cast<const char*>(buffer), length);
    g_free(buffer);
    return bytes;
}

std::string Jpeg(const Image& image, bool progressive = false, int orientation = 0)
{
    VipsImage* copy = nullptr;
    vips_copy(image.get(), &copy, nullptr);
    Image turned(copy);
    if (orientation)
        vips_image_set_int(copy, VIPS_META_ORIENTATION, orientation);
    void* buffer = nullptr;
    std::size_t length = 0;
    vips_jpegsave_buffer(copy, &buffer, &length, "Q", 90, "interlace", progressive ? TRUE : FALSE, nullptr);
    return Taken(buffer, length);
}

std::string Png(const Image& image, bool palette = false, int bitdepth = 0)
{
    void* buffer = nullptr;
    std::size_t length = 0;
    if (bitdepth)
        vips_pngsave_buffer(image.get(), &buffer, &length, "bitdepth", bitdepth, nullptr);
    else
        vips_pngsave_buffer(image.get(), &buffer, &length, "palette", palette ? TRUE : FALSE, nullptr);
    return Taken(buffer, length);
}

// A picture as a reader shows it.
struct Look {
    int width = 0, height = 0, bands = 0;
    VipsInterpretation kind = VIPS_INTERPRETATION_ERROR;
    int orientation = 1;
    PictureHead head;
};

Look LookAt(const std::string& bytes)
{
    Look look;
    look.head = ReadPictureHead(bytes);
    Image image(vips_image_new_from_buffer(bytes.data(), bytes.size(), "", nullptr));
    if (!image)
        return look;
    look.width = vips_image_get_width(image.get());
    look.height = vips_image_get_height(image.get());
    look.bands = vips_image_get_bands(image.get());
    look.kind = vips_image_get_interpretation(image.get());
    if (vips_image_get_typeof(image.get(), VIPS_META_ORIENTATION))
        vips_image_get_int(image.get(), VIPS_META_ORIENTATION, &look.orientation);
    return look;
}

const char Container[] = "<?xml version=\"1.0\"?><container version=\"1.0\" "
                         "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile "
                         "full-path=\"OEBPS/content.opf\" media-type=\"application/oebps-package+xml\"/>"
                         "</rootfiles></container>";

std::string MediaTypeOf(const std::string& name)
{
    const std::string suffix = name.substr(name.rfind('.') + 1);
    if (suffix == "png")
        return "image/png";
    if (suffix == "gif")
        return "image/gif";
    if (suffix == "svg")
        return "image/svg+xml";
    return "image/jpeg";
}

// An EPUB 3 book of one page showing every picture (name below OEBPS ->
// bytes), each in the manifest.
std::vector<EntrySpec> BookOf(const std::map<std::string, std::string>& pictures)
{
    std::string items, images;
    int n = 0;
    for (const auto& [name, bytes] : pictures) {
        items += "<item id=\"p" + std::to_string(++n) + "\" href=\"" + name + "\" media-type=\"" +
                 MediaTypeOf(name) + "\"/>\n";
        images += "<img src=\"" + name + "\" alt=\"\"/>";
    }
    const std::string opf =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<package xmlns=\"http://www.idpf.org/2007/opf\" "
        "version=\"3.0\" unique-identifier=\"uid\">\n<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
        "<dc:identifier id=\"uid\">urn:uuid:12345678-1234-4234-8234-123456789abc</dc:identifier>\n"
        "<dc:title>Pictures</dc:title><dc:language>en</dc:language>\n"
        "<meta property=\"dcterms:modified\">2026-01-01T00:00:00Z</meta>\n</metadata>\n<manifest>\n"
        "<item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\"/>\n"
        "<item id=\"page\" href=\"page.xhtml\" media-type=\"application/xhtml+xml\"/>\n" +
        items + "</manifest>\n<spine><itemref idref=\"page\"/></spine>\n</package>\n";
    const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE html>\n<html "
                             "xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\" "
                             "xml:lang=\"en\"><head><title>P</title></head><body>";
    std::vector<EntrySpec> entries = {
        {"mimetype", "application/epub+zip", EntrySpec::File, true},
        {"META-INF/container.xml", Container},
        {"OEBPS/content.opf", opf},
        {"OEBPS/nav.xhtml", head + "<nav epub:type=\"toc\"><ol><li><a href=\"page.xhtml\">P</a></li></ol></nav>"
                                   "</body></html>\n"},
        {"OEBPS/page.xhtml", head + "<div>" + images + "</div></body></html>\n"}};
    for (const auto& [name, bytes] : pictures)
        entries.push_back({"OEBPS/" + name, bytes});
    return entries;
}

class Pictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(VIPS_INIT("bindwell-tests"), 0); }

    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        SettingsStore::LoadOptions();
        SettingsStore::PutOption(OptionKey::KeepOriginals, false);
        SettingsStore::PutOption(OptionKey::IntlFonts, false);
        window.folder = library.path();
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    std::string Book(const std::string& entry, const std::map<std::string, std::string>& pictures)
    {
        BuildZip(library / entry, BookOf(pictures));
        window.Add(entry);
        return library / entry;
    }

    // Runs the batch; the summary's text and details.
    FakePrompter::Message Run()
    {
        prompter.messages.clear();
        EXPECT_EQ(StartBatchRun(window), RunOutcome::Summary);
        return prompter.messages.empty() ? FakePrompter::Message{} : prompter.messages.back();
    }

    ScratchSettings settings;
    TempFolder library, runtime;
    FakePrompter prompter;
    FakeWindow window;
};

// Every picture larger than the screen, whichever way it is turned, is
// scaled down to fit it, its proportions kept, and stored; the rest of the
// book is as it was, and a second pass changes nothing.
TEST_F(Pictures, PicturesLargerThanTheScreenAreScaledDownToIt)
{
    SettingsStore::PutOption(OptionKey::FitPictures, true);
    SettingsStore::PutOptionText(OptionKey::ScreenSize, "1264x1680");
    const Image portrait = Flat(3000, 4000, {200, 30, 40});
    const std::string cmyk = Jpeg(Flat(3000, 4000, {10, 200, 30, 0}, VIPS_INTERPRETATION_CMYK));
    ASSERT_EQ(LookAt(cmyk).kind, VIPS_INTERPRETATION_CMYK);
    const std::string turned = Jpeg(Flat(4000, 3000, {20, 40, 200}), false, 6);
    ASSERT_EQ(LookAt(turned).orientation, 6);
    const std::string whole = Jpeg(portrait);
    const std::map<std::string, std::string> pictures = {
        {"portrait.jpg", whole},
        {"landscape.jpg", Jpeg(Flat(4000, 3000, {200, 30, 40}))},
        {"panorama.jpg", Jpeg(Flat(9000, 1200, {200, 30, 40}))},
        {"turned.jpg", turned},
        {"cmyk.jpg", cmyk},
        {"progressive.jpg", Jpeg(portrait, true)},
        {"grey16.png", Png(Flat(3000, 2000, {30000}, VIPS_INTERPRETATION_GREY16))},
        {"palette.png", Png(Flat(3000, 2000, {10, 200, 30}), true)},
        {"alpha.png", Png(Flat(3000, 2000, {10, 200, 30, 128}))},
        {"png-named.jpg", Png(Flat(3000, 2000, {10, 200, 30}))},
        {"fits.jpg", Jpeg(Flat(1200, 1600, {200, 30, 40}))},
        {"cut.jpg", whole.substr(0, whole.size() / 2)},
        {"animated.gif", "GIF89a\x10\x27\x10\x27\x80\x00\x00" + std::string(64, '\0') + ";"},
        {"drawing.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9000\" height=\"9000\"/>"},
        {".hidden.jpg", whole}};
    const std::string book = Book("photos.epub", pictures);
    const auto before = *ZipContents(book);

    const FakePrompter::Message summary = Run();
    const auto after = ZipContents(book);
    ASSERT_TRUE(after);
    struct Expected {
        int width, height, bands;
    };
    const std::map<std::string, Expected> fitted = {
        {"portrait.jpg", {1260, 1680, 3}},   {"landscape.jpg", {1680, 1260, 3}}, {"panorama.jpg", {1680, 224, 3}},
        {"turned.jpg", {1260, 1680, 3}},     {"cmyk.jpg", {1260, 1680, 3}},      {"progressive.jpg", {1260, 1680, 3}},
        {"grey16.png", {1680, 1120, 1}},     {"palette.png", {1680, 1120, 3}},   {"alpha.png", {1680, 1120, 4}},
        {"png-named.jpg", {1680, 1120, 3}}};
    const std::map<std::string, int> methods = ZipMethods(book);
    for (const auto& [name, expected] : fitted) {
        const std::string entry = "OEBPS/" + name;
        const Look look = LookAt(after->at(entry));
        EXPECT_EQ(look.width, expected.width) << name;
        EXPECT_EQ(look.height, expected.height) << name;
        EXPECT_EQ(look.bands, expected.bands) << name;
        EXPECT_EQ(look.orientation, 1) << name << ": the turn is in the pixels, no tag is left";
        EXPECT_EQ(look.head.kind, ReadPictureHead(before.at(entry)).kind) << name << " keeps its kind";
        EXPECT_FALSE(look.head.decodedWhole) << name << ": baseline, not progressive";
        EXPECT_EQ(methods.at(entry), 0) << name << " is stored";
    }
    EXPECT_EQ(LookAt(after->at("OEBPS/cmyk.jpg")).kind, VIPS_INTERPRETATION_sRGB);
    EXPECT_TRUE(LookAt(after->at("OEBPS/palette.png")).head.palette);
    for (const auto& [name, bytes] : before) {
        if (!fitted.count(name.substr(name.find('/') + 1))) {
            EXPECT_EQ(after->at(name), bytes) << name << " is as it was";
        }
    }
    for (const auto& [name, bytes] : *after)
        EXPECT_TRUE(name.ends_with('/') || before.count(name)) << name << ": no file is added";
    EXPECT_NE(summary.text.find("Pictures: "), std::string::npos) << summary.text;
    EXPECT_NE(summary.details.find("OEBPS/cut.jpg could not be read and was left as it was"), std::string::npos)
        << summary.details;

    Run();
    EXPECT_EQ(*ZipContents(book), *after) << "a second pass changes nothing";
}

// Grey asked alone: a picture in colour becomes 8-bit grey, its alpha
// kept, but only greyed it keeps its bytes unless the new ones are
// smaller; one already grey is not touched; nothing is scaled. The book
// whose pictures all stay as they are is left untouched.
TEST_F(Pictures, PicturesInColourAreMadeGreyWhereThatIsSmaller)
{
    SettingsStore::PutOption(OptionKey::GreyPictures, true);
    const std::string grey = Jpeg(Flat(800, 600, {128}, VIPS_INTERPRETATION_B_W));
    const std::string colour = Jpeg(Flat(800, 600, {200, 30, 40}));
    const std::string greyPalette = Png(Flat(300, 200, {90, 90, 90}), true);
    ASSERT_TRUE(ReadPictureHead(greyPalette).palette);
    const std::string book = Book("colour.epub", {{"photo.jpg", Jpeg(Noise(3000, 2000))},
                                                  {"alpha.png", Png(Flat(3000, 2000, {10, 200, 30, 128}))},
                                                  {"palette.png", Png(Noise(300, 200), true)},
                                                  {"grey-palette.png", greyPalette},
                                                  {"grey.jpg", grey}});
    // Its one picture in colour does not decode: nothing in it changes.
    const std::string unchanged =
        Book("unchanged.epub", {{"grey.jpg", grey}, {"cut.jpg", colour.substr(0, colour.size() / 2)}});
    const auto untouched = ReadFile(unchanged);

    const FakePrompter::Message summary = Run();
    const auto after = *ZipContents(book);
    const Look photo = LookAt(after.at("OEBPS/photo.jpg")), alpha = LookAt(after.at("OEBPS/alpha.png"));
    EXPECT_EQ(photo.width, 3000) << "not scaled";
    EXPECT_EQ(photo.bands, 1);
    EXPECT_EQ(photo.kind, VIPS_INTERPRETATION_B_W);
    EXPECT_EQ(alpha.bands, 2) << "grey, with its alpha";
    EXPECT_EQ(after.at("OEBPS/grey.jpg"), grey);
    EXPECT_EQ(after.at("OEBPS/grey-palette.png"), greyPalette) << "a palette of greys is grey";
    EXPECT_TRUE(ReadPictureHead(after.at("OEBPS/palette.png")).grey) << "greyed, its palette kept";
    EXPECT_EQ(ReadFile(unchanged), untouched) << "a book whose pictures all stay is not written";
    EXPECT_NE(summary.details.find("unchanged.epub: OEBPS/cut.jpg could not be read"), std::string::npos)
        << summary.details;
    EXPECT_NE(summary.text.find("1 of them"), std::string::npos) << summary.text;

    Run();
    EXPECT_EQ(*ZipContents(book), after) << "a second pass changes nothing";
}

bool EpubcheckIsInstalled()
{
    return std::system("java -version > /dev/null 2>&1") == 0 && std::filesystem::exists("/usr/share/java/epubcheck.jar");
}

// The kinds of the errors epubcheck reports for book, one a line.
std::string EpubcheckErrors(const std::string& book, const std::string& report)
{
    std::system(("java -XX:TieredStopAtLevel=1 -XX:+UseSerialGC -jar /usr/share/java/epubcheck.jar '" + book +
                 "' > '" + report + "' 2>&1")
                    .c_str());
    std::string errors;
    std::istringstream lines(ReadFile(report));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("ERROR", 0) == 0 || line.rfind("FATAL", 0) == 0)
            errors += line.substr(0, line.find(':')) + "\n";
    return errors;
}

// epubcheck finds nothing in a book of fitted and greyed pictures that it
// did not find before.
TEST_F(Pictures, EpubcheckFindsNoNewErrors)
{
    if (!EpubcheckIsInstalled())
        GTEST_SKIP() << "epubcheck is not installed";
    SettingsStore::PutOption(OptionKey::FitPictures, true);
    SettingsStore::PutOption(OptionKey::GreyPictures, true);
    const std::string book = Book("checked.epub", {{"photo.jpg", Jpeg(Noise(2000, 3000))},
                                                   {"turned.jpg", Jpeg(Flat(4000, 3000, {20, 40, 200}), true, 8)},
                                                   {"alpha.png", Png(Flat(3000, 2000, {10, 200, 30, 128}))},
                                                   {"palette.png", Png(Flat(3000, 2000, {10, 200, 30}), true)}});
    const std::string before = EpubcheckErrors(book, runtime / "before.txt");
    EXPECT_EQ(before, "");
    const auto original = ReadFile(book);
    Run();
    ASSERT_NE(ReadFile(book), original);
    EXPECT_EQ(EpubcheckErrors(book, runtime / "after.txt"), before);
}

}  // namespace

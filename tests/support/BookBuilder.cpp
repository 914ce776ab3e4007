#include "BookBuilder.h"

#include "TestFiles.h"
#include "ZipFixtures.h"

#include <zip.h>

#include <filesystem>
#include <stdexcept>

namespace {

std::string Container(const std::string& packageDocument)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
           "  <rootfiles><rootfile full-path=\"" +
           packageDocument + "\" media-type=\"application/oebps-package+xml\"/></rootfiles>\n</container>\n";
}

std::string Png()
{
    const unsigned char bytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00, 0x00, 0x00,
        0x0D, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xFF, 0xFF, 0x3F, 0x00, 0x05, 0xFE, 0x02, 0xFE, 0xA7,
        0xD6, 0xA8, 0xA5, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::string Page(EpubVersion version, const std::string& title)
{
    const std::string head = version == EpubVersion::Three
                                 ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
                                   "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
                                 : "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.1//EN\" "
                                   "\"http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd\">\n"
                                   "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n";
    return head + "<head><title>" + title +
           "</title><link rel=\"stylesheet\" type=\"text/css\" href=\"../Styles/book.css\"/></head>\n"
           "<body><h1>" + title + "</h1><p>Caf\xC3\xA9, \xC5\x81\xC3\xB3" "d\xC5\xBA, \xCE\xB1\xCE\xB2\xCE\xB3.</p>"
           "<p><img src=\"../Images/pic.png\" alt=\"a dot\"/></p></body>\n</html>\n";
}

std::string Package(EpubVersion version, const std::string& title)
{
    if (version == EpubVersion::Three)
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
               "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"uid\">\r\n"
               "<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\r\n"
               "<dc:identifier id=\"uid\">urn:uuid:12345678-1234-4234-8234-123456789abc</dc:identifier>\r\n"
               "<dc:title>" + title + "</dc:title>\r\n<dc:language>en</dc:language>\r\n"
               "<meta property=\"dcterms:modified\">2026-01-01T00:00:00Z</meta>\r\n</metadata>\r\n"
               "<manifest>\r\n"
               "<item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\"/>\r\n"
               "<item id=\"ch1\" href=\"Text/chapter1.xhtml\" media-type=\"application/xhtml+xml\"/>\r\n"
               "<item id=\"css\" href=\"Styles/book.css\" media-type=\"text/css\"/>\r\n"
               "<item id=\"pic\" href=\"Images/pic.png\" media-type=\"image/png\"/>\r\n"
               "</manifest>\r\n<spine>\r\n<itemref idref=\"ch1\"/>\r\n</spine>\r\n</package>\r\n";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"2.0\" unique-identifier=\"uid\">\r\n"
           "<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:opf=\"http://www.idpf.org/2007/opf\">\r\n"
           "<dc:identifier id=\"uid\">urn:uuid:12345678-1234-4234-8234-123456789abd</dc:identifier>\r\n"
           "<dc:title>" + title + "</dc:title>\r\n<dc:language>en</dc:language>\r\n</metadata>\r\n"
           "<manifest>\r\n"
           "<item id=\"ncx\" href=\"toc.ncx\" media-type=\"application/x-dtbncx+xml\"/>\r\n"
           "<item id=\"ch1\" href=\"Text/chapter1.xhtml\" media-type=\"application/xhtml+xml\"/>\r\n"
           "<item id=\"css\" href=\"Styles/book.css\" media-type=\"text/css\"/>\r\n"
           "<item id=\"pic\" href=\"Images/pic.png\" media-type=\"image/png\"/>\r\n"
           "</manifest>\r\n<spine toc=\"ncx\">\r\n<itemref idref=\"ch1\"/>\r\n</spine>\r\n</package>\r\n";
}

const char Nav[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\">\n"
    "<head><title>Contents</title></head>\n<body><nav epub:type=\"toc\"><ol><li>"
    "<a href=\"Text/chapter1.xhtml\">Chapter 1</a></li></ol></nav></body>\n</html>\n";

const char Ncx[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<ncx xmlns=\"http://www.daisy.org/z3986/2005/ncx/\" version=\"2005-1\">\n"
    "<head><meta name=\"dtb:uid\" content=\"urn:uuid:12345678-1234-4234-8234-123456789abd\"/>"
    "<meta name=\"dtb:depth\" content=\"1\"/><meta name=\"dtb:totalPageCount\" content=\"0\"/>"
    "<meta name=\"dtb:maxPageNumber\" content=\"0\"/></head>\n"
    "<docTitle><text>A Test Book</text></docTitle>\n"
    "<navMap><navPoint id=\"n1\" playOrder=\"1\"><navLabel><text>Chapter 1</text></navLabel>"
    "<content src=\"Text/chapter1.xhtml\"/></navPoint></navMap>\n</ncx>\n";

}  // namespace

void MakeEpub(const std::string& path, EpubVersion version, const std::string& title,
              const std::string& packageDocument)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const std::string folder = packageDocument.substr(0, packageDocument.find_last_of('/') + 1);
    std::vector<EntrySpec> entries = {
        {"mimetype", "application/epub+zip", EntrySpec::File, true},
        {"META-INF/container.xml", Container(packageDocument)},
        {packageDocument, Package(version, title)},
        {folder + "Text/chapter1.xhtml", Page(version, title)},
        {folder + "Styles/book.css", BookCss},
        {folder + "Images/pic.png", Png(), EntrySpec::File, true},
    };
    entries.push_back(version == EpubVersion::Three ? EntrySpec{folder + "nav.xhtml", Nav}
                                                    : EntrySpec{folder + "toc.ncx", Ncx});
    BuildZip(path, entries);
}

std::string EntryBytes(const std::string& archive, const std::string& name)
{
    zip_t* za = zip_open(archive.c_str(), ZIP_RDONLY, nullptr);
    if (!za)
        throw std::runtime_error("cannot open " + archive);
    zip_stat_t st;
    zip_file_t* file = zip_stat(za, name.c_str(), 0, &st) == 0 ? zip_fopen(za, name.c_str(), 0) : nullptr;
    if (!file) {
        zip_discard(za);
        throw std::runtime_error("no " + name + " in " + archive);
    }
    std::string bytes(st.size, '\0');
    zip_fread(file, bytes.data(), st.size);
    zip_fclose(file);
    zip_discard(za);
    return bytes;
}

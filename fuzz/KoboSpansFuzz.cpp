// Kobo's spans on arbitrary bytes: the first byte chooses the style element, the rest is the document. No
// edit may crash; a UTF-8 document that reads as XML is never refused, and edited it still reads as XML; it
// holds every byte of the old one in order with only the insertions between them; and a second pass over one
// without spans of its own adds nothing.
#include "KoboSpans.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool ReadsAsXml(std::string_view document)
{
    QXmlStreamReader xml(QByteArray(document.data(), static_cast<qsizetype>(document.size())));
    while (!xml.atEnd())
        xml.readNext();
    return !xml.hasError();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const KoboStyle style = data[0] & 1 ? KoboStyle::WithClass : KoboStyle::WithoutClass;
    const std::string_view document(reinterpret_cast<const char*>(data + 1), size - 1);
    KoboDocument found;
    const std::optional<std::string> edited = KoboEdited(document, style, found);
    const bool reads = ReadsAsXml(document);
    if (!edited) {
        if (found.problem == KoboDocument::Problem::None && !found.insertions.empty())
            std::abort();
        const bool ownType = document.find("<!DOCTYPE") != std::string_view::npos;
        if (found.problem == KoboDocument::Problem::NotXml && reads && !ownType)
            std::abort();
        return 0;
    }
    if (found.problem != KoboDocument::Problem::None || !reads || !ReadsAsXml(*edited))
        std::abort();
    const bool utf16 = document.substr(0, 2) == "\xFF\xFE" || document.substr(0, 2) == "\xFE\xFF";
    if (!utf16) {
        std::size_t at = 0;
        for (const KoboInsertion& insertion : found.insertions) {
            if (insertion.at < at || insertion.at > document.size() || insertion.bytes.empty())
                std::abort();
            at = insertion.at;
        }
        if (WithInsertions(document, found.insertions) != *edited)
            std::abort();
    }
    if (!HoldsKoboSpans(document) && found.spans == 0) {
        KoboDocument again;
        if (KoboEdited(*edited, style, again) || again.problem != KoboDocument::Problem::None)
            std::abort();
    }
    return 0;
}

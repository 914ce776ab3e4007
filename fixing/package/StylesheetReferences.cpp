// Takes the manifest items and links of deleted stylesheets out of a document, as bytes.
#include "StylesheetReferences.h"

#include "PackageSpine.h"
#include "TextEncoding.h"
#include "Translation.h"
#include "XmlText.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

enum class Target { ManifestItems, Links };

// One reference to take out, in characters of the document as read:
// from its "<" to past its last ">".
struct Span {
    qint64 begin = 0;
    qint64 end = 0;
};

struct Found {
    std::vector<Span> spans;
    std::set<QString> ids;        // of the items to go
    std::vector<QString> values;  // every attribute value of every other element
};

bool NamesDeleted(const QString& href, const std::string& entry, const std::set<std::string>& deleted)
{
    const std::optional<std::string> named = EntryOf(href, entry);
    return named && deleted.contains(*named);
}

// The href of an xml-stylesheet instruction's data, its references
// expanded; empty where it has none. Its pseudo-attributes are written as
// attributes are, and read so.
QString PseudoHref(QStringView data)
{
    QXmlStreamReader xml(QStringLiteral("<x ") + data.toString() + QStringLiteral("/>"));
    return xml.readNextStartElement() ? xml.attributes().value(QLatin1String("href")).toString() : QString();
}

// Reads the element whose start tag was just read to its end.
void SkipElement(QXmlStreamReader& xml)
{
    for (int depth = 0; !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement())
            ++depth;
        else if (xml.isEndElement() && depth-- == 0)
            return;
    }
}

// Whether the XML white space or the character that ends a name of a tag
// or instruction ("/", ">", "?") is at offset.
bool EndsName(const QString& text, qint64 offset)
{
    if (offset >= text.size())
        return false;
    const QChar c = text[offset];
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'/' || c == u'>' || c == u'?';
}

// Whether the text from begin to end is start, a name's end, anything,
// and finish: a reference written out there. One that an entity of the
// document's own brings in is read at the entity's reference instead,
// whose bytes cannot be taken out alone.
bool Spells(const QString& text, qint64 begin, qint64 end, QStringView start, QStringView finish)
{
    if (begin < 0 || end <= begin || end > text.size())
        return false;
    const QStringView written = QStringView(text).sliced(begin, end - begin);
    return written.size() >= start.size() + finish.size() && written.startsWith(start) &&
           EndsName(text, begin + start.size()) && written.endsWith(finish);
}

// The references in text to the deleted stylesheets; nullopt where text
// is not well-formed, or one of them is not written out in it.
std::optional<Found> FindReferences(const QString& text, const std::string& entry,
                                    const std::set<std::string>& deleted, Target target)
{
    QXmlStreamReader xml(text);
    Found found;
    std::vector<QString> open;  // the local names of the elements being read
    while (!xml.atEnd()) {
        const qint64 before = xml.characterOffset();
        xml.readNext();
        if (xml.isEndElement() && !open.empty())
            open.pop_back();
        if (xml.isProcessingInstruction() && target == Target::Links &&
            xml.processingInstructionTarget() == u"xml-stylesheet" &&
            NamesDeleted(PseudoHref(xml.processingInstructionData()), entry, deleted)) {
            const qint64 begin = text.indexOf(u"<?", before);
            const qint64 end = xml.characterOffset();
            if (!Spells(text, begin, end, u"<?xml-stylesheet", u"?>"))
                return std::nullopt;
            found.spans.push_back({begin, end});
        }
        if (!xml.isStartElement())
            continue;
        const bool inManifest = !open.empty() && open.back() == u"manifest";
        const QXmlStreamAttributes attributes = xml.attributes();
        const bool reference = target == Target::ManifestItems ? xml.name() == u"item" && inManifest
                                                               : xml.name() == u"link";
        if (reference && NamesDeleted(attributes.value(QLatin1String("href")).toString(), entry, deleted)) {
            // No attribute value holds a "<": the last one before the end
            // of the start tag begins it.
            const qint64 startEnd = xml.characterOffset();
            const qint64 begin = text.lastIndexOf(u'<', startEnd - 1);
            const QString start = u'<' + xml.qualifiedName().toString();
            SkipElement(xml);
            const qint64 end = xml.characterOffset();
            if (!Spells(text, begin, startEnd, start, u">") || !Spells(text, begin, end, start, u">"))
                return std::nullopt;
            found.spans.push_back({begin, end});
            found.ids.insert(attributes.value(QLatin1String("id")).trimmed().toString());
            continue;
        }
        open.push_back(xml.name().toString());
        if (target == Target::ManifestItems)
            for (const QXmlStreamAttribute& attribute : attributes)
                found.values.push_back(attribute.value().trimmed().toString());
    }
    if (xml.hasError())
        return std::nullopt;
    return found;
}

// Whether an element that stays names an item that goes, by its id
// (idref="css", fallback-style="css", refines="#css").
bool NamesAnItemToGo(const Found& found)
{
    for (const QString& value : found.values)
        for (const QString& id : found.ids)
            if (!id.isEmpty() && (value == id || value == u'#' + id))
                return true;
    return false;
}

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// text without spans (byte offsets, in order, apart), and without every
// line they leave holding nothing but spaces and tabs, with its line
// break; the first line begins at textBegin (after a UTF-8 mark).
std::string WithoutSpans(const std::string& text, std::size_t textBegin,
                         const std::vector<std::pair<std::size_t, std::size_t>>& spans)
{
    std::string joined;
    std::vector<std::size_t> joins;  // where in joined each span was
    std::size_t from = 0;
    for (const auto& [begin, end] : spans) {
        joined.append(text, from, begin - from);
        joins.push_back(joined.size());
        from = end;
    }
    joined.append(text, from);

    std::string out;
    std::size_t copied = 0;
    for (const std::size_t join : joins) {
        std::size_t lineBegin = join;
        std::size_t lineEnd = join;
        while (lineBegin > textBegin && !IsLineBreak(joined[lineBegin - 1]))
            --lineBegin;
        while (lineEnd < joined.size() && !IsLineBreak(joined[lineEnd]))
            ++lineEnd;
        if (lineBegin < copied || joined.find_first_not_of(" \t", lineBegin) < lineEnd)
            continue;  // gone already, or it holds more
        std::size_t cutBegin = lineBegin;
        std::size_t cutEnd = lineEnd;
        if (lineEnd < joined.size())
            cutEnd += joined.compare(lineEnd, 2, "\r\n") == 0 ? 2 : 1;
        else if (lineBegin > textBegin)
            cutBegin -= lineBegin - textBegin >= 2 && joined.compare(lineBegin - 2, 2, "\r\n") == 0 ? 2 : 1;
        cutBegin = std::max(cutBegin, copied);
        out.append(joined, copied, cutBegin - copied);
        copied = cutEnd;
    }
    out.append(joined, copied);
    return out;
}

ReferencesRemoved Remove(std::string_view bytes, const std::string& entry, const std::set<std::string>& deleted,
                         Target target)
{
    const std::optional<XmlText> document = ReadXmlText(bytes);
    if (!document)
        return {ReferencesRemoved::Unreadable, {}};
    const std::optional<Found> found = FindReferences(document->characters, entry, deleted, target);
    if (!found || NamesAnItemToGo(*found))
        return {ReferencesRemoved::Unreadable, {}};
    if (found->spans.empty())
        return {};
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (const Span& span : found->spans)
        spans.emplace_back(document->ByteOffset(span.begin), document->ByteOffset(span.end));
    const std::string text = WithoutSpans(document->editable.text, document->ByteOffset(0), spans);
    if (!KeepsItsEncoding(text, document->editable.encoding))
        return {ReferencesRemoved::Unreadable, {}};
    std::string edited = document->Encoded(text);
    // The reader lets some documents through that are not well-formed (a
    // NUL in a name); edited, such a document may read otherwise, and is
    // left as it is.
    const std::optional<XmlText> again = ReadXmlText(edited);
    const std::optional<Found> left = again ? FindReferences(again->characters, entry, deleted, target) : std::nullopt;
    if (!left || !left->spans.empty())
        return {ReferencesRemoved::Unreadable, {}};
    return {ReferencesRemoved::Edited, std::move(edited)};
}

}  // namespace

ReferencesRemoved WithoutStylesheetItems(std::string_view packageDocument, const std::string& entry,
                                         const std::set<std::string>& deleted)
{
    return Remove(packageDocument, entry, deleted, Target::ManifestItems);
}

ReferencesRemoved WithoutStylesheetLinks(std::string_view contentDocument, const std::string& entry,
                                         const std::set<std::string>& deleted)
{
    // A link element and an xml-stylesheet instruction spell "link" and
    // "xml-stylesheet" in ASCII bytes in every encoding the fix edits but
    // UTF-16, whose text holds NUL bytes.
    const bool mayHoldOne = contentDocument.find("link") != std::string_view::npos ||
                            contentDocument.find("xml-stylesheet") != std::string_view::npos ||
                            contentDocument.find('\0') != std::string_view::npos;
    return mayHoldOne ? Remove(contentDocument, entry, deleted, Target::Links) : ReferencesRemoved{};
}

std::string KeptStylesheetsReason(const std::string& entryName)
{
    //: %1 is the name of a package or content document in the book, as OEBPS/ch1.xhtml.
    return Words::Fill(Words::translate("DeleteCss", "%1 cannot be edited safely, so the stylesheets are kept"),
                       {entryName});
}

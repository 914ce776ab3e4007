// The language a package document names, judged and written.
#include "PackageLanguage.h"

#include "LanguageTag.h"
#include "Translation.h"
#include "XmlText.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <vector>

namespace {

const QString DublinCore = QStringLiteral("http://purl.org/dc/elements/1.1/");

// Where the language is, or is to go, in one package document.
struct LanguageSite {
    bool found = false;
    // Found: the element as written, and its content (character offsets).
    QString qualifiedName;
    qint64 contentBegin = 0;
    qint64 contentEnd = 0;
    bool emptyElementTag = false;  // <dc:language/>
    bool onlyText = true;          // text, comments and processing instructions
    QString value;                 // the text alone
    // The comments and processing instructions in the content, in order
    // (character offsets, from "<" to past ">"): they stay where they are.
    std::vector<std::pair<qint64, qint64>> kept;
    // Which part of the text (the n-th one before or between them) is the
    // first to hold more than white space, 0 where none does: where a code
    // goes in place of the text.
    std::size_t firstText = 0;
    // Missing: where the new element goes, what goes before it, and its name.
    qint64 insertAt = 0;
    QString lead;
    QString prefix;
    bool declarePrefix = false;
};

bool IsSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The start of the tag that ends just before offset: the last "<" before
// it (no attribute value holds a "<").
qint64 TagStart(const QString& text, qint64 offset)
{
    return text.lastIndexOf(u'<', offset - 1);
}

// The prefixes bound to the Dublin Core namespace where scopes (outermost
// first) hold, "" for the default namespace; innermost first.
std::vector<QString> DublinCorePrefixes(const std::vector<QXmlStreamNamespaceDeclarations>& scopes)
{
    std::map<QString, QString> bound;
    for (const QXmlStreamNamespaceDeclarations& scope : scopes)
        for (const QXmlStreamNamespaceDeclaration& declaration : scope)
            bound[declaration.prefix().toString()] = declaration.namespaceUri().toString();
    std::vector<QString> prefixes;
    for (auto scope = scopes.rbegin(); scope != scopes.rend(); ++scope)
        for (const QXmlStreamNamespaceDeclaration& declaration : *scope) {
            const QString prefix = declaration.prefix().toString();
            if (bound[prefix] == DublinCore && std::find(prefixes.begin(), prefixes.end(), prefix) == prefixes.end())
                prefixes.push_back(prefix);
        }
    return prefixes;
}

// The language's element read to its end: its text, and whether it holds
// nothing else but comments and processing instructions, which no reader
// takes for the value.
void ReadLanguageElement(QXmlStreamReader& xml, const QString& text, LanguageSite& site)
{
    site.found = true;
    site.qualifiedName = xml.qualifiedName().toString();
    site.contentBegin = xml.characterOffset();
    bool sawText = false;
    for (int depth = 0; !xml.atEnd();) {
        // The reader's offset is past a token's end, and past the "<" that
        // ends text: a comment begins there, or one before.
        const qint64 before = xml.characterOffset();
        xml.readNext();
        if (xml.isEndElement() && depth-- == 0)
            break;
        if (xml.isStartElement())
            ++depth;
        if (xml.isCharacters() && depth == 0) {
            site.value += xml.text();
            if (!sawText && !xml.isWhitespace())
                site.firstText = site.kept.size();
            sawText |= !xml.isWhitespace();
        } else if ((xml.isComment() || xml.isProcessingInstruction()) && depth == 0) {
            const qint64 begin = before < text.size() && text[before] == u'<' ? before : before - 1;
            if (!text.mid(begin, 2).startsWith(xml.isComment() ? u"<!" : u"<?"))
                site.onlyText = false;  // not where it was expected: not edited
            site.kept.emplace_back(begin, xml.characterOffset());
        } else {
            site.onlyText = false;
        }
    }
    const qint64 end = xml.characterOffset();
    site.emptyElementTag = end == site.contentBegin;
    site.contentEnd = site.emptyElementTag ? end : TagStart(text, end);
}

// The first dc:language of the metadata, or where one is to go; nullopt
// when the document is not well-formed that far or has no metadata to put
// one in.
std::optional<LanguageSite> FindLanguageSite(const QString& text)
{
    QXmlStreamReader xml(text);
    std::vector<QXmlStreamNamespaceDeclarations> scopes;
    int metadataDepth = 0;
    LanguageSite site;
    qint64 lastDublinCoreEnd = -1;
    QString lastDublinCorePrefix;
    qint64 lastDublinCoreStart = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (static_cast<int>(scopes.size()) == metadataDepth) {
                if (xml.characterOffset() == site.insertAt)
                    return std::nullopt;  // <metadata/>: nowhere to put it
                break;
            }
            if (metadataDepth && static_cast<int>(scopes.size()) == metadataDepth + 1 &&
                xml.namespaceUri() == DublinCore)
                lastDublinCoreEnd = xml.characterOffset();
            scopes.pop_back();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        scopes.push_back(xml.namespaceDeclarations());
        const int depth = static_cast<int>(scopes.size());
        if (!metadataDepth && depth == 2 && xml.name() == u"metadata") {
            metadataDepth = depth;
            site.insertAt = xml.characterOffset();
            continue;
        }
        if (!metadataDepth || xml.namespaceUri() != DublinCore)
            continue;
        if (xml.name() == u"language") {
            ReadLanguageElement(xml, text, site);
            return xml.hasError() ? std::nullopt : std::optional(site);
        }
        if (depth == metadataDepth + 1) {
            lastDublinCoreStart = TagStart(text, xml.characterOffset());
            lastDublinCorePrefix = xml.prefix().toString();
        }
    }
    if (xml.hasError() || !metadataDepth)
        return std::nullopt;

    // Missing: after the last Dublin Core element, indented as it is, or
    // after the metadata start tag, indented as what follows it.
    if (lastDublinCoreEnd >= 0) {
        qint64 from = lastDublinCoreStart;
        while (from > 0 && IsSpace(text[from - 1]))
            --from;
        site.lead = text.mid(from, lastDublinCoreStart - from);
        site.insertAt = lastDublinCoreEnd;
    } else {
        qint64 to = site.insertAt;
        while (to < text.size() && IsSpace(text[to]))
            ++to;
        site.lead = text.mid(site.insertAt, to - site.insertAt);
    }
    scopes.resize(static_cast<std::size_t>(metadataDepth));
    const std::vector<QString> prefixes = DublinCorePrefixes(scopes);
    if (prefixes.empty()) {
        site.prefix = QStringLiteral("dc");
        site.declarePrefix = true;
    } else if (std::find(prefixes.begin(), prefixes.end(), lastDublinCorePrefix) != prefixes.end()) {
        site.prefix = lastDublinCorePrefix;
    } else {
        const bool dc = std::find(prefixes.begin(), prefixes.end(), QStringLiteral("dc")) != prefixes.end();
        site.prefix = dc ? QStringLiteral("dc") : prefixes.front();
    }
    return site;
}

}  // namespace

PackageLanguage JudgePackageLanguage(std::string_view packageDocument)
{
    const std::optional<XmlText> document = ReadXmlText(packageDocument);
    if (!document)
        return {};
    const std::optional<LanguageSite> site = FindLanguageSite(document->characters);
    if (!site || !site->onlyText)
        return {};
    const std::string value = site->value.toStdString();
    if (!site->found)
        return {PackageLanguage::FromText, {}, {}};
    std::optional<std::string> code = LanguageCode(value);
    if (!code)
        return {PackageLanguage::FromText, value, {}};
    if (*code == value)
        return {PackageLanguage::Usable, value, {}};
    return {PackageLanguage::Rewrite, value, std::move(*code)};
}

std::optional<std::string> WritePackageLanguage(std::string_view packageDocument, const std::string& code)
{
    const std::optional<XmlText> document = ReadXmlText(packageDocument);
    if (!document)
        return std::nullopt;
    const QString& characters = document->characters;
    const std::optional<LanguageSite> site = FindLanguageSite(characters);
    if (!site || !site->onlyText || (site->found && site->value.toStdString() == code))
        return std::nullopt;

    const std::string& text = document->editable.text;
    std::size_t from;
    std::size_t to;
    std::string written;
    if (!site->found) {
        from = to = document->ByteOffset(site->insertAt);
        const QString prefix = site->prefix.isEmpty() ? QString() : site->prefix + u':';
        const std::string name = document->TextBytes(prefix) + "language";
        const std::string declaration =
            site->declarePrefix ? " xmlns:dc=\"" + DublinCore.toStdString() + "\"" : std::string();
        written = document->TextBytes(site->lead) + "<" + name + declaration + ">" + code + "</" + name + ">";
    } else if (site->emptyElementTag) {
        // "/>" becomes ">code</dc:language>".
        to = document->ByteOffset(site->contentEnd);
        from = to - 2;
        if (to < 2 || text.compare(from, 2, "/>") != 0)
            return std::nullopt;
        written = ">" + code + "</" + document->TextBytes(site->qualifiedName) + ">";
    } else {
        // The text gives way to code; comments and processing instructions
        // stay, in order, with no text between them.
        from = document->ByteOffset(site->contentBegin);
        to = document->ByteOffset(site->contentEnd);
        for (std::size_t part = 0; part <= site->kept.size(); ++part) {
            if (part == site->firstText)
                written += code;
            if (part < site->kept.size()) {
                const std::size_t begin = document->ByteOffset(site->kept[part].first);
                written += text.substr(begin, document->ByteOffset(site->kept[part].second) - begin);
            }
        }
    }
    // The reader lets some documents through that are not well-formed (a
    // NUL in a name); edited, such a document may read otherwise, and is
    // left as it is.
    std::string edited = document->Encoded(text.substr(0, from) + written + text.substr(to));
    const PackageLanguage check = JudgePackageLanguage(edited);
    if (check.kind != PackageLanguage::Usable || check.value != code)
        return std::nullopt;
    return edited;
}

std::string NoLanguageFoundReason()
{
    return Words::translate("KindleReady", "no language found");
}

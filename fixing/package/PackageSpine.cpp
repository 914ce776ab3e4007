// What a package document says of the book's content documents: its manifest and spine.
#include "PackageSpine.h"

#include "XmlText.h"

#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <optional>

std::optional<std::string> EntryOf(const QString& href, const std::string& documentEntry)
{
    QString path = href.section(u'#', 0, 0);
    const qsizetype colon = path.indexOf(u':');
    if (path.isEmpty() || path.startsWith(u'/') || (colon >= 0 && colon < path.indexOf(u'/')) ||
        (colon >= 0 && !path.contains(u'/')))
        return std::nullopt;
    const std::string decoded = QUrl::fromPercentEncoding(path.toUtf8()).toStdString();
    const std::size_t cut = documentEntry.rfind('/');
    std::vector<std::string> parts;
    const std::string joined = (cut == std::string::npos ? "" : documentEntry.substr(0, cut + 1)) + decoded;
    std::size_t from = 0;
    for (std::size_t at = 0; at <= joined.size(); ++at) {
        if (at < joined.size() && joined[at] != '/')
            continue;
        const std::string part = joined.substr(from, at - from);
        from = at + 1;
        if (part == "..") {
            if (parts.empty())
                return std::nullopt;
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
    }
    if (parts.empty() || joined.back() == '/')
        return std::nullopt;
    std::string entry = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        entry += "/" + parts[i];
    return entry;
}

PackageContents ReadPackageContents(std::string_view packageDocument, const std::string& packageEntry)
{
    PackageContents contents;
    const std::optional<XmlText> document = ReadXmlText(packageDocument);
    if (!document)
        return contents;
    QXmlStreamReader xml(document->characters);
    std::map<QString, std::string> items;  // id -> entry
    std::vector<QString> spine;
    std::vector<QString> open;  // the local names of the elements being read
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && !open.empty())
            open.pop_back();
        if (!xml.isStartElement())
            continue;
        const QString parent = open.empty() ? QString() : open.back();
        open.push_back(xml.name().toString());
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"item" && parent == u"manifest") {
            const QString href = attributes.value(QLatin1String("href")).toString();
            const std::optional<std::string> entry = EntryOf(href, packageEntry);
            if (!entry)
                continue;
            items.emplace(attributes.value(QLatin1String("id")).toString(), *entry);
            if (attributes.value(QLatin1String("media-type")).trimmed() == u"application/xhtml+xml")
                contents.xhtmlItems.insert(*entry);
            if (attributes.value(QLatin1String("media-type")).trimmed() == u"application/x-dtbncx+xml")
                contents.ncxItems.insert(*entry);
        } else if (xml.name() == u"itemref" && parent == u"spine") {
            spine.push_back(attributes.value(QLatin1String("idref")).toString());
        }
    }
    for (const QString& id : spine) {
        const auto item = items.find(id);
        if (item != items.end() &&
            std::find(contents.spine.begin(), contents.spine.end(), item->second) == contents.spine.end())
            contents.spine.push_back(item->second);
    }
    return contents;
}

std::vector<std::string> InSpineOrder(std::vector<std::string> entries, const PackageContents& contents)
{
    std::map<std::string, std::size_t> places;
    for (std::size_t i = 0; i < contents.spine.size(); ++i)
        places.emplace(contents.spine[i], i);
    auto place = [&](const std::string& entry) {
        const auto found = places.find(entry);
        return found == places.end() ? places.size() : found->second;  // past the spine: after it
    };
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const std::string& a, const std::string& b) { return place(a) < place(b); });
    return entries;
}

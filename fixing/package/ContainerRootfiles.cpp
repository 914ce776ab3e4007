// The package documents a book's container names.
#include "ContainerRootfiles.h"

#include <QFile>
#include <QXmlStreamReader>

#include <sstream>
#include <vector>

namespace {

constexpr char PackageMediaType[] = "application/oebps-package+xml";

// A path that stays inside the book: relative, and made of names only.
bool StaysInside(const std::string& path)
{
    if (path.empty() || path.front() == '/')
        return false;
    std::istringstream parts(path);
    for (std::string part; std::getline(parts, part, '/');)
        if (part.empty() || part == "." || part == "..")
            return false;
    return path.back() != '/';
}

}  // namespace

std::set<std::string> ContainerRootfiles(const std::string& topFolder)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(topFolder + ContainerEntry)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    std::vector<std::string> named;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("rootfile") &&
            xml.attributes().value(QLatin1String("media-type")) == QLatin1String(PackageMediaType))
            named.push_back(xml.attributes().value(QLatin1String("full-path")).toUtf8().toStdString());
    }
    if (xml.hasError())
        return {};
    std::set<std::string> documents;
    for (const std::string& path : named)
        if (StaysInside(path))
            documents.insert(path);
    return documents;
}

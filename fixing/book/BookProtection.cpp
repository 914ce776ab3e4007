// Whether a book is protected, read from its META-INF/encryption.xml.
#include "BookProtection.h"

#include "BookUnpacking.h"
#include "RealFilePath.h"
#include "LiberationFaces.h"
#include "ContentDocuments.h"
#include "FileSystemObject.h"
#include "PathText.h"
#include "RunTimeError.h"
#include "Translation.h"
#include "WorkingFolder.h"

#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

// The two ways of obfuscating a font, which hide only its first bytes.
bool IsObfuscation(QStringView algorithm)
{
    return algorithm == QLatin1String("http://www.idpf.org/2008/embedding") ||
           algorithm == QLatin1String("http://ns.adobe.com/pdf/enc#RC");
}

struct Declared {
    std::string resource;  // percent-decoded; empty when it names none
    bool obfuscated = false;
};

// Every EncryptedData of the document, or nullopt when it is not
// well-formed.
std::optional<std::vector<Declared>> ReadDeclarations(QFile& file, std::string& error)
{
    QXmlStreamReader xml(&file);
    std::vector<Declared> declared;
    int depth = 0;
    int dataDepth = -1;  // the depth of the EncryptedData being read
    for (xml.readNext(); !xml.atEnd(); xml.readNext()) {
        if (xml.isEndElement()) {
            if (depth-- == dataDepth)
                dataDepth = -1;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        ++depth;
        if (xml.name() == QLatin1String("EncryptedData")) {
            declared.push_back({});
            dataDepth = depth;
        } else if (dataDepth >= 0 && depth == dataDepth + 1 && xml.name() == QLatin1String("EncryptionMethod")) {
            declared.back().obfuscated = IsObfuscation(xml.attributes().value(QLatin1String("Algorithm")));
        } else if (dataDepth >= 0 && xml.name() == QLatin1String("CipherReference")) {
            const QByteArray uri = xml.attributes().value(QLatin1String("URI")).toUtf8();
            declared.back().resource = QUrl::fromPercentEncoding(uri).toUtf8().toStdString();
        }
    }
    if (xml.hasError()) {
        error = Words::Fill(Words::translate("Protection", "line %1: %2"),
                            {std::to_string(xml.lineNumber()), xml.errorString().toStdString()});
        return std::nullopt;
    }
    return declared;
}

// Whether the fix writes over an entry of this name.
bool FixWritesOver(const std::string& name, bool fontsCopied)
{
    if (IsStylesheetName(name) || IsPackageDocumentName(name))
        return true;
    if (fontsCopied)
        for (const LiberationFace& face : LiberationFaces::CopyOrder)
            if (name == face.fileName)
                return true;
    return false;
}

}  // namespace

std::optional<std::string> ProtectionOf(const std::string& unpackedFolder, bool fontsCopied)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(PathText::Join(unpackedFolder, EncryptionEntry))));
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return Words::Fill(Words::translate("Protection", "protected: %1 cannot be read"), {EncryptionEntry});
    std::string error;
    const std::optional<std::vector<Declared>> declared = ReadDeclarations(file, error);
    if (!declared)
        return Words::Fill(Words::translate("Protection", "protected: %1 is not well-formed (%2)"),
                           {EncryptionEntry, error});

    std::vector<std::string> encrypted;
    for (const Declared& d : *declared) {
        if (!d.obfuscated)
            encrypted.push_back(d.resource.empty() ? Words::translate("Protection", "a resource it does not name")
                                                   : d.resource);
        else if (FixWritesOver(d.resource, fontsCopied))
            return Words::Fill(Words::translate("Protection", "protected: %1 obfuscates %2, which the fix would "
                                                              "write over"),
                               {EncryptionEntry, d.resource});
    }
    if (encrypted.empty())
        return std::nullopt;
    if (encrypted.size() == 1)
        return Words::Fill(Words::translate("Protection", "protected: %1 encrypts %2"),
                           {EncryptionEntry, encrypted.front()});
    const int more = static_cast<int>(encrypted.size() - 1);
    //: %1 is META-INF/encryption.xml, %2 the first resource it
    //: encrypts, %n how many more it encrypts.
    return Words::Fill(Words::translate("Protection", "protected: %1 encrypts %2 and %n more", nullptr, more),
                       {EncryptionEntry, encrypted.front()});
}

std::optional<std::string> PackedBookProtection(const std::string& book, bool fontsCopied)
{
    std::string scratch = WorkingFolderPath() + ".probe-XXXXXX";
    if (!::mkdtemp(scratch.data()))
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "creating"), scratch);
    SetRunWideUnzipValues();
    std::optional<std::string> protection;
    try {
        UnpackBookEntries(RealFilePath(book), scratch, {EncryptionEntry}, Selection::Only);
        protection = ProtectionOf(scratch, fontsCopied);
    } catch (const RunTimeError&) {
        DeleteFolderIfExists(scratch);
        throw;
    }
    DeleteFolderIfExists(scratch);
    return protection;
}

// The four font items added to a package document's manifest.
#include "PackageDocument.h"

#include "LiberationFaces.h"
#include "RegexReplacer.h"
#include "TextFile.h"

#include <map>
#include <optional>

namespace {

// The four items, each element name carrying prefix ("opf:"), so that
// items after a prefixed manifest start tag are in the package namespace
// whatever the default namespace is.
std::string Items(const std::string& fontFolder, const std::string& prefix)
{
    std::string items;
    for (const LiberationFace& face : LiberationFaces::ManifestOrder)
        items += "<" + prefix + OpfFontDef(fontFolder + face.fileName, face.id).substr(1);
    return items;
}

}  // namespace

bool AlterContentOpf(const std::string& sFileName, const std::string& fontFolder)
{
    // A manifest start tag, with or without a namespace prefix; group 1 is
    // the prefix with its colon. A name that goes on to a colon after
    // "manifest" is a prefix of another element (<manifest:item>, as this
    // fix writes after <manifest:manifest>), not a manifest.
    const RegexReplacer manifestStart("<((?:[A-Za-z_][A-Za-z0-9_.-]*:)?)manifest(?![A-Za-z0-9_.-]*:)[^>]*>", true);
    const std::optional<EditableText> document = ReadEditableText(sFileName);
    if (!document)
        return false;  // no encoding it can be edited in safely: left as it is
    const std::string& text = document->text;

    // Items already there, as this fix writes them for that prefix, are not
    // added again.
    std::map<std::string, std::string> missingItems;  // by prefix; empty when present
    const std::string altered = manifestStart.ReplaceEach(text, '>', [&](const RegexReplacer::Groups& match) {
        const std::string& prefix = match[1];
        auto found = missingItems.find(prefix);
        if (found == missingItems.end()) {
            std::string items = Items(fontFolder, prefix);
            found = missingItems.emplace(prefix, text.find(items) == std::string::npos ? items : "").first;
        }
        return match[0] + found->second;
    });
    if (altered == text)
        return false;
    WriteEditedText(sFileName, altered, document->encoding);
    return true;
}

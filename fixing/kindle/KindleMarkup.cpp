// The markup Send to Kindle refuses: links to a document's body element, and pictures without a source.
#include "KindleMarkup.h"

#include "AsciiText.h"
#include "MarkupTags.h"
#include "PackageSpine.h"

#include <QString>
#include <QUrl>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool IsPicture(const MarkupTag& tag)
{
    return SameIgnoringAsciiCase(tag.name, "img");
}

bool IsLink(const MarkupAttribute& attribute)
{
    return SameIgnoringAsciiCase(attribute.name, "href") || SameIgnoringAsciiCase(attribute.name, "src") ||
           attribute.name == "xlink:href";
}

// The offset of the "#" of a link that goes to another document with a
// fragment; npos where the link has no fragment or no path before it.
std::size_t FragmentAt(std::string_view link)
{
    const std::size_t hash = link.find('#');
    return hash == 0 || hash + 1 >= link.size() ? std::string_view::npos : hash;
}

// Whether the "<img" at begin has a "</img>" of its own: the first end
// tag of an img not taken by another start tag after it.
std::optional<std::pair<std::size_t, std::size_t>> EndTagOf(std::string_view document, const MarkupTag& start)
{
    std::optional<std::pair<std::size_t, std::size_t>> end;
    int depth = 0;
    ForEachTag(document.substr(start.after), [&](const MarkupTag& tag) {
        if (!IsPicture(tag) || tag.selfClosing)
            return true;
        if (!tag.end) {
            ++depth;
            return true;
        }
        if (depth-- > 0)
            return true;
        end.emplace(start.after + tag.begin, start.after + tag.after);
        return false;
    });
    return end;
}

}  // namespace

std::optional<std::string> BodyId(std::string_view document)
{
    std::optional<std::string> id;
    // Stopped at the body, the reading is whole.
    const bool read = ForEachTag(document, [&](const MarkupTag& tag) {
        if (tag.end || !SameIgnoringAsciiCase(tag.LocalName(), "body"))
            return true;
        if (const MarkupAttribute* attribute = tag.Attribute("id"); attribute && !attribute->value.empty())
            id = std::string(attribute->value);
        return false;
    });
    return read ? id : std::nullopt;
}

bool MayNeedKindleMends(std::string_view document)
{
    bool may = false;
    ForEachTag(document, [&](const MarkupTag& tag) {
        if (tag.end)
            return true;
        if (IsPicture(tag) && !tag.Attribute("src"))
            may = true;
        for (const MarkupAttribute& attribute : tag.attributes)
            may |= IsLink(attribute) && FragmentAt(attribute.value) != std::string_view::npos;
        return !may;
    });
    return may;
}

std::optional<KindleMends> MendKindleMarkup(std::string_view document, const std::string& entry,
                                            const std::map<std::string, std::string>& bodyIds)
{
    KindleMends mends;
    std::vector<std::pair<std::size_t, std::size_t>> cuts;  // [from, to) to delete
    const bool read = ForEachTag(document, [&](const MarkupTag& tag) {
        if (tag.end)
            return true;
        if (IsPicture(tag) && !tag.Attribute("src")) {
            cuts.emplace_back(tag.begin, tag.after);
            if (!tag.selfClosing)
                if (const auto end = EndTagOf(document, tag))
                    cuts.push_back(*end);
            ++mends.pictures;
            return true;
        }
        for (const MarkupAttribute& attribute : tag.attributes) {
            const std::size_t hash = IsLink(attribute) ? FragmentAt(attribute.value) : std::string_view::npos;
            if (hash == std::string_view::npos)
                continue;
            const std::string_view path = attribute.value.substr(0, hash);
            const std::string_view fragment = attribute.value.substr(hash + 1);
            const std::optional<std::string> target =
                EntryOf(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())), entry);
            const auto body = target ? bodyIds.find(*target) : bodyIds.end();
            if (body == bodyIds.end())
                continue;
            const std::string decoded =
                QUrl::fromPercentEncoding(QByteArray(fragment.data(), static_cast<qsizetype>(fragment.size())))
                    .toStdString();
            if (fragment != body->second && decoded != body->second)
                continue;
            cuts.emplace_back(attribute.valueAt + hash, attribute.valueAt + attribute.value.size());
            ++mends.links;
        }
        return true;
    });
    if (!read || cuts.empty())
        return std::nullopt;
    // Cuts never overlap (each is in its own tag); an end tag cut twice,
    // for two start tags, is cut once.
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    mends.document.reserve(document.size());
    std::size_t at = 0;
    for (const auto& [from, to] : cuts) {
        if (from < at)
            return std::nullopt;  // not reached: tags do not overlap
        mends.document.append(document.substr(at, from - at));
        at = to;
    }
    mends.document.append(document.substr(at));
    return mends;
}

// Which manifest item of a package document is the book's cover, and naming it both ways readers look for it.
#include "Cover.h"

#include "AsciiText.h"
#include "MarkupTags.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view CoverImage = "cover-image";

struct Item {
    std::string id;
    std::string href;
    bool image = false;
    bool coverImage = false;                // its properties hold cover-image
    std::optional<std::size_t> propertiesEnd;  // the offset just after its properties' value
    std::size_t close = 0;                  // the offset of its tag's "/>" or ">"
};

struct Meta {
    std::string content;
    std::optional<std::size_t> contentAt;  // the offset of its content's value; none: no content attribute
    std::size_t close = 0;
};

// What a package document says of its cover, with the offsets the edits
// put their bytes at.
struct CoverSite {
    bool epub3 = false;
    std::vector<Item> items;
    std::vector<Meta> metas;          // <meta name="cover">
    std::string metaName;             // the metadata's element name for a meta ("meta", "opf:meta")
    std::optional<std::size_t> metaAt;  // where a new meta goes, before the end of the metadata
    std::string indent;               // the white space before the metadata's first child
    std::optional<std::size_t> cover;  // the cover, by its place in items

    const Item* ImageItem(const std::string& id) const
    {
        for (const Item& item : items)
            if (item.id == id && item.image)
                return &item;
        return nullptr;
    }
};

bool HoldsToken(std::string_view list, std::string_view token)
{
    std::size_t at = 0;
    while (at < list.size()) {
        while (at < list.size() && IsXmlSpace(list[at]))
            ++at;
        std::size_t end = at;
        while (end < list.size() && !IsXmlSpace(list[end]))
            ++end;
        if (list.substr(at, end - at) == token)
            return true;
        at = end;
    }
    return false;
}

// The file name of an href without its folders, fragment and extension.
std::string Stem(std::string_view href)
{
    href = href.substr(0, href.find('#'));
    const std::size_t slash = href.rfind('/');
    std::string_view name = slash == std::string_view::npos ? href : href.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string_view LocalNameOf(std::string_view name)
{
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The one index among candidates, where there is exactly one.
std::optional<std::size_t> TheOne(const std::set<std::size_t>& candidates)
{
    return candidates.size() == 1 ? std::optional(*candidates.begin()) : std::nullopt;
}

std::optional<CoverSite> ReadCoverSite(std::string_view document)
{
    if (document.starts_with("\xFF\xFE") || document.starts_with("\xFE\xFF") ||
        document.find('\0') != std::string_view::npos)
        return std::nullopt;
    CoverSite site;
    std::vector<std::string_view> open;  // the names of the elements being read, as written
    bool nested = true;                  // every end tag closes the element open last
    bool oldStructure = false;           // metadata in dc-metadata and x-metadata: no meta of ours goes in
    std::optional<std::size_t> firstChild;
    std::optional<std::size_t> metadataAfter;
    const bool read = ForEachTag(document, [&](const MarkupTag& tag) {
        const std::string_view local = tag.LocalName();
        if (tag.end) {
            if (open.empty() || open.back() != tag.name) {
                nested = false;
                return false;
            }
            open.pop_back();
            if (local == "metadata" && metadataAfter && !site.metaAt) {
                std::size_t at = tag.begin;
                while (at > *metadataAfter && IsXmlSpace(document[at - 1]))
                    --at;
                site.metaAt = at;
            }
            return true;
        }
        const std::string_view parent = open.empty() ? std::string_view() : LocalNameOf(open.back());
        if (!tag.selfClosing)
            open.push_back(tag.name);
        const auto value = [&](std::string_view name) {
            const MarkupAttribute* a = tag.Attribute(name);
            return a ? std::string(a->value) : std::string();
        };
        if (local == "package" && parent.empty()) {
            site.epub3 = value("version").starts_with("3");
        } else if (local == "metadata" && parent == "package" && !metadataAfter) {
            metadataAfter = tag.after;
            const std::string_view name = tag.name;
            site.metaName = std::string(name.substr(0, name.size() - local.size())) + "meta";
        } else if (parent == "metadata") {
            if (!firstChild) {
                firstChild = tag.begin;
                std::size_t at = tag.begin;
                while (at > *metadataAfter && IsXmlSpace(document[at - 1]))
                    --at;
                if (at == *metadataAfter)
                    site.indent = std::string(document.substr(at, tag.begin - at));
            }
            oldStructure |= local == "dc-metadata" || local == "x-metadata";
            if (local == "meta" && value("name") == "cover") {
                Meta meta;
                if (const MarkupAttribute* content = tag.Attribute("content")) {
                    meta.content = std::string(content->value);
                    meta.contentAt = content->valueAt;
                }
                meta.close = tag.close;
                site.metas.push_back(meta);
            }
        } else if (local == "item" && parent == "manifest") {
            Item item;
            item.id = value("id");
            item.href = value("href");
            item.image = AsciiLowered(value("media-type")).starts_with("image/");
            if (const MarkupAttribute* properties = tag.Attribute("properties")) {
                item.coverImage = HoldsToken(properties->value, CoverImage);
                item.propertiesEnd = properties->valueAt + properties->value.size();
            }
            item.close = tag.close;
            site.items.push_back(item);
        }
        return true;
    });
    // Elements that do not nest are not what they seem: no edit rests on them.
    if (!read || !nested || !open.empty() || oldStructure)
        return std::nullopt;

    std::set<std::size_t> byProperty, byMeta, byName;
    for (std::size_t i = 0; i < site.items.size(); ++i) {
        const Item& item = site.items[i];
        if (item.coverImage)
            byProperty.insert(i);
        for (const Meta& meta : site.metas)
            if (item.image && meta.contentAt && meta.content == item.id)
                byMeta.insert(i);
        if (item.image && (AsciiLowered(item.id) == "cover" || AsciiLowered(Stem(item.href)) == "cover"))
            byName.insert(i);
    }
    if (!byProperty.empty())
        site.cover = TheOne(byProperty);
    else if (!byMeta.empty())
        site.cover = TheOne(byMeta);
    else
        site.cover = TheOne(byName);
    // An id the edits could not write into an attribute as it is.
    if (site.cover && site.items[*site.cover].id.find_first_of("\"<&") != std::string::npos)
        site.cover.reset();
    return site;
}

// Puts insertions (offset, bytes) into document, from the last to the first.
std::string Inserted(std::string_view document, std::vector<std::pair<std::size_t, std::string>> insertions)
{
    std::string edited(document);
    std::sort(insertions.begin(), insertions.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [at, bytes] : insertions)
        edited.insert(at, bytes);
    return edited;
}

// The property put on item: after the properties it has, or as an
// attribute of its own before the tag's end.
std::pair<std::size_t, std::string> PropertyInsertion(std::string_view document, const Item& item)
{
    if (item.propertiesEnd) {
        const std::size_t at = *item.propertiesEnd;
        const bool blank = at == 0 || IsXmlSpace(document[at - 1]) || document[at - 1] == '"' || document[at - 1] == '\'';
        return {at, (blank ? "" : " ") + std::string(CoverImage)};
    }
    const bool spaced = item.close > 0 && IsXmlSpace(document[item.close - 1]);
    const std::string attribute = "properties=\"" + std::string(CoverImage) + "\"";
    return {item.close, spaced ? attribute + " " : " " + attribute};
}

}  // namespace

std::optional<std::string> FindCover(std::string_view packageDocument)
{
    const std::optional<CoverSite> site = ReadCoverSite(packageDocument);
    if (!site || !site->cover)
        return std::nullopt;
    return site->items[*site->cover].id;
}

std::optional<std::string> NameCoverBothWays(std::string_view packageDocument)
{
    const std::optional<CoverSite> site = ReadCoverSite(packageDocument);
    if (!site || !site->cover)
        return std::nullopt;
    const Item& cover = site->items[*site->cover];
    std::vector<std::pair<std::size_t, std::string>> insertions;
    std::vector<std::pair<std::size_t, std::size_t>> replaced;  // (offset, length) of meta values mended
    if (site->epub3 && !cover.coverImage)
        insertions.push_back(PropertyInsertion(packageDocument, cover));
    if (site->metas.empty()) {
        if (!site->metaAt)
            return std::nullopt;  // no metadata to put a meta into: nothing rather than half
        insertions.emplace_back(*site->metaAt,
                                site->indent + "<" + site->metaName + " name=\"cover\" content=\"" + cover.id + "\"/>");
    }
    for (const Meta& meta : site->metas) {
        if (meta.contentAt && site->ImageItem(meta.content))
            continue;
        if (meta.contentAt)
            replaced.emplace_back(*meta.contentAt, meta.content.size());
        else
            insertions.emplace_back(meta.close, " content=\"" + cover.id + "\"");
    }
    if (insertions.empty() && replaced.empty())
        return std::nullopt;
    // The mended values and the insertions never overlap: each is within
    // its own tag. Both go from the last to the first.
    std::string edited(packageDocument);
    std::vector<std::tuple<std::size_t, std::size_t, std::string>> all;
    for (const auto& [at, bytes] : insertions)
        all.emplace_back(at, 0, bytes);
    for (const auto& [at, length] : replaced)
        all.emplace_back(at, length, cover.id);
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return std::get<0>(a) > std::get<0>(b); });
    for (const auto& [at, length, bytes] : all)
        edited.replace(at, length, bytes);
    return edited;
}

std::optional<std::string> GiveCoverItsProperty(std::string_view packageDocument)
{
    const std::optional<CoverSite> site = ReadCoverSite(packageDocument);
    if (!site || !site->cover || !site->epub3)
        return std::nullopt;
    const Item& cover = site->items[*site->cover];
    for (const Item& item : site->items)
        if (item.coverImage)
            return std::nullopt;  // named by the property already
    bool namedByMeta = false;
    for (const Meta& meta : site->metas)
        namedByMeta |= meta.contentAt && meta.content == cover.id;
    if (!namedByMeta)
        return std::nullopt;
    return Inserted(packageDocument, {PropertyInsertion(packageDocument, cover)});
}

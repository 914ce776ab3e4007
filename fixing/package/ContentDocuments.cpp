// The one definition of a book's content documents.
#include "ContentDocuments.h"

#include "AsciiText.h"

namespace {

constexpr std::string_view MarkupExtensions[] = {".xhtml", ".xht", ".html", ".htm"};
constexpr std::string_view SvgExtension = ".svg";
constexpr std::string_view StylesheetEnd = ".css";
constexpr std::string_view PackageDocumentEnd = "content.opf";

}  // namespace

bool IsHiddenEntry(std::string_view name)
{
    for (std::size_t part = 0;;) {
        if (part < name.size() && name[part] == '.')
            return true;
        const std::size_t slash = name.find('/', part);
        if (slash == std::string_view::npos)
            return false;
        part = slash + 1;
    }
}

bool IsStylesheetName(std::string_view name)
{
    return EndsWithIgnoringCase(name, StylesheetEnd);
}

bool IsPackageDocumentName(std::string_view name)
{
    return EndsWithIgnoringCase(name, PackageDocumentEnd);
}

std::vector<std::string> EditedByNamePatterns()
{
    return {"*" + std::string(StylesheetEnd), "*" + std::string(PackageDocumentEnd)};
}

DocumentKind KindOfDocument(std::string_view name, const PackageContents& contents)
{
    if (IsHiddenEntry(name))
        return DocumentKind::None;
    for (const std::string_view extension : MarkupExtensions)
        if (EndsWithIgnoringCase(name, extension))
            return DocumentKind::Markup;
    if (contents.xhtmlItems.contains(std::string(name)))
        return DocumentKind::Markup;
    return EndsWithIgnoringCase(name, SvgExtension) ? DocumentKind::Svg : DocumentKind::None;
}

std::vector<std::string> DocumentPatterns(const PackageContents& contents, bool withSvg)
{
    std::vector<std::string> patterns;
    for (const std::string_view extension : MarkupExtensions)
        patterns.push_back("*" + std::string(extension));
    if (withSvg)
        patterns.push_back("*" + std::string(SvgExtension));
    patterns.insert(patterns.end(), contents.xhtmlItems.begin(), contents.xhtmlItems.end());
    return patterns;
}

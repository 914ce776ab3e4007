// Readying one book for Send to Kindle: encodings declared, a language code named, links, pictures and the cover mended.
#include "KindleReadiness.h"

#include "AsciiText.h"
#include "Cover.h"
#include "EncodingDeclaration.h"
#include "HtmlLanguage.h"
#include "KindleMarkup.h"
#include "PathText.h"
#include "TextFile.h"
#include "TextLanguage.h"

namespace {

// How much of a document's beginning goes to the language of the text:
// enough to hold its html start tag and its share of the text guessed
// from, markup included.
constexpr std::size_t TextBytes = 64 * 1024;

// A language value as an html element and a package document are
// compared: without surrounding white space, in any case.
std::string Folded(std::string_view value)
{
    return AsciiLowered(XmlTrimmed(value));
}

}  // namespace

KindleReadiness::KindleReadiness(const std::string& folder, const std::vector<std::string>& packageDocuments)
    : folder_(folder)
{
    for (const std::string& name : packageDocuments) {
        Package package{name, ReadTextFile(PathText::Join(folder, name)), {}};
        package.language = JudgePackageLanguage(package.bytes);
        const PackageContents contents = ReadPackageContents(package.bytes, name);
        contents_.spine.insert(contents_.spine.end(), contents.spine.begin(), contents.spine.end());
        contents_.xhtmlItems.insert(contents.xhtmlItems.begin(), contents.xhtmlItems.end());
        contents_.ncxItems.insert(contents.ncxItems.begin(), contents.ncxItems.end());
        const PackageLanguage::Kind kind = package.language.kind;
        if (kind == PackageLanguage::Rewrite || kind == PackageLanguage::FromText)
            unusable_.insert(Folded(package.language.value));
        fromText_ |= kind == PackageLanguage::FromText;
        packages_.push_back(std::move(package));
    }
    unusable_.erase("");
}

std::vector<std::string> KindleReadiness::ContentPatterns() const
{
    std::vector<std::string> patterns = DocumentPatterns(contents_, false);
    patterns.insert(patterns.end(), contents_.ncxItems.begin(), contents_.ncxItems.end());
    return patterns;
}

void KindleReadiness::Head(const std::string& name, std::string_view head)
{
    if (!IsContent(name))
        return;
    if (MayNeedEncodingDeclaration(head))
        needsDeclaration_.insert(name);
    if (unusable_.empty())
        return;
    const HtmlLanguageValues values = ReadHtmlLanguage(head);
    // A long comment or document type before the html start tag: the
    // whole document tells.
    if (values.cutShort)
        htmlBeyondHead_.insert(name);
    else
        JudgeHtmlLanguage(name, values);
}

void KindleReadiness::JudgeHtmlLanguage(const std::string& name, const HtmlLanguageValues& values)
{
    for (const std::optional<std::string>& value : {values.lang, values.xmlLang})
        if (value && unusable_.count(Folded(*value)))
            carriesUnusable_.insert(name);
}

bool KindleReadiness::WantsWhole(const std::string& name) const
{
    return IsContent(name) || IsNcx(name);
}

bool KindleReadiness::Whole(const std::string& name, std::string_view bytes)
{
    if (!IsContent(name)) {
        if (IsNcx(name) && MayNeedKindleMends(bytes))
            mendable_[name] = std::string(bytes);
        return true;
    }
    if (std::optional<std::string> id = BodyId(bytes))
        bodyIds_[name] = std::move(*id);
    if (MayNeedKindleMends(bytes))
        mendable_[name] = std::string(bytes);
    if (htmlBeyondHead_.count(name))
        JudgeHtmlLanguage(name, ReadHtmlLanguage(bytes));
    if (needsDeclaration_.count(name)) {
        EncodingDeclarationFix fix = FixEncodingDeclaration(bytes);
        if (fix.need == EncodingNeed::NotUtf8) {
            leftAlone_ = NotUtf8Reason(name, bytes);
            return false;
        }
        const std::string_view fixed = fix.document;
        // A declaration put first, before every byte of the document, costs
        // the new book no packing of the document anew.
        if (fix.need != EncodingNeed::None)
            declared_.insert(name);
        if (fix.need != EncodingNeed::None && !carriesUnusable_.count(name) && fixed.ends_with(bytes))
            prefixes_[name] = fix.document.substr(0, fixed.size() - bytes.size());
        else if (fix.need != EncodingNeed::None)
            replacements_[name] = std::move(fix.document);
    }
    if (carriesUnusable_.count(name) && !replacements_.count(name))
        replacements_[name] = std::string(bytes);  // Finish rewrites it, or lets it be
    if (fromText_ && IsContent(name))
        texts_[name] = std::string(bytes.substr(0, TextBytes));
    return true;
}

std::optional<std::string> KindleReadiness::LanguageFromText() const
{
    std::vector<std::string> names;
    for (const auto& [name, text] : texts_)
        names.push_back(name);
    TextLanguageCollector collector;
    for (const std::string& name : InSpineOrder(std::move(names), contents_))
        collector.Add(name, texts_.at(name));
    return collector.Language();
}

KindleReadiness::Result KindleReadiness::Finish(ContentEdits& edits)
{
    Result result;
    if (leftAlone_) {
        result.leftAlone = leftAlone_;
        return result;
    }
    const std::optional<std::string> fromText = fromText_ ? LanguageFromText() : std::nullopt;
    std::set<std::string> rewritten;
    for (const Package& package : packages_) {
        std::optional<std::string> code;
        if (package.language.kind == PackageLanguage::Rewrite)
            code = package.language.code;
        else if (package.language.kind == PackageLanguage::FromText)
            code = fromText;
        if (!code) {
            if (package.language.kind != PackageLanguage::Usable)
                result.note = NoLanguageFoundReason();
            continue;
        }
        const std::optional<std::string> written = WritePackageLanguage(package.bytes, *code);
        if (!written && package.language.value != *code) {
            result.note = NoLanguageFoundReason();  // it could not be written safely
            continue;
        }
        if (written) {
            edits.Replace(package.name, *written);
            result.changed = true;
            if (!result.language)
                result.language.emplace(package.language.value, *code);
        }
        for (const std::string& name : carriesUnusable_)
            if (const auto it = replacements_.find(name); it != replacements_.end())
                if (std::optional<std::string> html = RewriteHtmlLanguage(it->second, package.language.value, *code)) {
                    it->second = std::move(*html);
                    rewritten.insert(name);
                }
    }
    // An html element whose value found no code, in a document that needs
    // no declaration, is left as it is.
    for (const std::string& name : carriesUnusable_)
        if (!rewritten.count(name) && !declared_.count(name))
            replacements_.erase(name);
    for (const auto& [name, prefix] : prefixes_)
        edits.PutFirst(name, prefix);
    for (const auto& [name, bytes] : replacements_)
        edits.Replace(name, bytes);
    result.changed |= !prefixes_.empty() || !replacements_.empty();
    result.encodingsDeclared = declared_.size();
    // The cover and the markup, over what the edits before left.
    for (const Package& package : packages_)
        if (std::optional<std::string> named = NameCoverBothWays(edits.Current(package.name, package.bytes))) {
            edits.Replace(package.name, std::move(*named));
            ++result.coversNamed;
            result.changed = true;
        }
    MendMarkup(edits, result);
    return result;
}

void KindleReadiness::MendMarkup(ContentEdits& edits, Result& result) const
{
    for (const auto& [name, own] : mendable_) {
        std::optional<KindleMends> mends = MendKindleMarkup(edits.Current(name, own), name, bodyIds_);
        if (!mends)
            continue;
        edits.Replace(name, std::move(mends->document));
        result.bodyLinksCut += mends->links;
        result.picturesRemoved += mends->pictures;
        result.changed = true;
    }
}

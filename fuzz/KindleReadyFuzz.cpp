// The Send to Kindle edits on arbitrary bytes: the first byte says whether
// the rest is a content document or a package document. No edit may
// crash; what the first bytes say needs nothing, the whole document does
// not need either; an html start tag read from the first bytes, not cut
// short, reads as from the whole; an edit keeps every byte of the
// document, in order; an edited document needs nothing more, so that a
// second pass changes nothing; a code found is a code as it is; and why a
// document is left alone is said in UTF-8. The markup mends only delete
// bytes, are needed only where MayNeedKindleMends says so, and leave
// nothing for a second pass; the cover named both ways, or by its
// property, stays the same item and needs nothing more.
#include "Cover.h"
#include "EncodingDeclaration.h"
#include "HtmlLanguage.h"
#include "KindleMarkup.h"
#include "LanguageTag.h"
#include "PackageLanguage.h"
#include "Utf8Text.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <cstdlib>
#include <string_view>

namespace {

// Whether every byte of part is in whole, in order.
bool KeptInOrder(std::string_view part, std::string_view whole)
{
    std::size_t at = 0;
    for (const char c : part) {
        at = whole.find(c, at);
        if (at == std::string_view::npos)
            return false;
        ++at;
    }
    return true;
}

// The document as chapter "OEBPS/Text/a.xhtml", linking to itself and to
// a sibling whose body id is its own.
void MarkupMends(std::string_view document)
{
    const std::string entry = "OEBPS/Text/a.xhtml";
    std::map<std::string, std::string> bodies;
    if (const std::optional<std::string> id = BodyId(document)) {
        bodies[entry] = *id;
        bodies["OEBPS/b.xhtml"] = *id;
    }
    const std::optional<KindleMends> mends = MendKindleMarkup(document, entry, bodies);
    if (!mends)
        return;
    if (!MayNeedKindleMends(document) || mends->document.size() >= document.size() ||
        !KeptInOrder(mends->document, document) || mends->links + mends->pictures == 0 ||
        MendKindleMarkup(mends->document, entry, bodies))
        std::abort();
}

void CoverNames(std::string_view package)
{
    const std::optional<std::string> cover = FindCover(package);
    if (const std::optional<std::string> both = NameCoverBothWays(package))
        if (!cover || FindCover(*both) != cover || NameCoverBothWays(*both))
            std::abort();
    if (const std::optional<std::string> property = GiveCoverItsProperty(package))
        if (!cover || !KeptInOrder(package, *property) || FindCover(*property) != cover ||
            GiveCoverItsProperty(*property))
            std::abort();
}

void ContentDocument(std::string_view document)
{
    const EncodingDeclarationFix fix = FixEncodingDeclaration(document);
    if (!MayNeedEncodingDeclaration(document.substr(0, EncodingHeadBytes)) && fix.need != EncodingNeed::None)
        std::abort();
    const bool edited = fix.need == EncodingNeed::Declaration || fix.need == EncodingNeed::EncodingName;
    if (edited == fix.document.empty() || (edited && !KeptInOrder(document, fix.document)) ||
        (edited && FixEncodingDeclaration(fix.document).need != EncodingNeed::None))
        std::abort();
    if (fix.need == EncodingNeed::NotUtf8 && !IsUtf8(NotUtf8Reason("a.xhtml", document)))
        std::abort();

    MarkupMends(document);

    const HtmlLanguageValues values = ReadHtmlLanguage(document);
    for (const std::size_t headBytes : {document.size() / 2, std::size_t{4096}}) {
        const HtmlLanguageValues head = ReadHtmlLanguage(document.substr(0, headBytes));
        if (!head.cutShort && (head.lang != values.lang || head.xmlLang != values.xmlLang))
            std::abort();
    }
    if (values.lang)
        if (const std::optional<std::string> code = LanguageCode(*values.lang); code && !IsUsableLanguage(*code))
            std::abort();

    // The html element's unusable value given a code, as the package's is.
    if (!values.lang || IsUsableLanguage(*values.lang))
        return;
    const std::optional<std::string> rewritten = RewriteHtmlLanguage(document, *values.lang, "de");
    if (rewritten && (RewriteHtmlLanguage(*rewritten, *values.lang, "de") || ReadHtmlLanguage(*rewritten).lang != "de"))
        std::abort();
}

void PackageDocument(std::string_view package)
{
    CoverNames(package);
    const PackageLanguage judged = JudgePackageLanguage(package);
    if (judged.kind == PackageLanguage::Usable || judged.kind == PackageLanguage::CannotEdit) {
        if (judged.kind == PackageLanguage::CannotEdit && WritePackageLanguage(package, "de"))
            std::abort();
        return;
    }
    const std::string code = judged.kind == PackageLanguage::Rewrite ? judged.code : "de";
    const std::optional<std::string> written = WritePackageLanguage(package, code);
    if (!written)
        return;  // already says code
    const PackageLanguage again = JudgePackageLanguage(*written);
    if (again.kind != PackageLanguage::Usable || again.value != code || WritePackageLanguage(*written, code))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1)
        PackageDocument(bytes);
    else
        ContentDocument(bytes);
    return 0;
}

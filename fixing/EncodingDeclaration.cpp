#include "EncodingDeclaration.h"

#include "AsciiText.h"
#include "LineBreak.h"
#include "Translation.h"
#include "Utf8Text.h"

#include <algorithm>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
constexpr std::string_view EncodingName = " encoding=\"utf-8\"";

// Whether text at at starts with word, in any case: a declaration written
// <?XML or Encoding= is no well-formed one, but adding a second would
// make matters worse.
bool StartsWithWord(std::string_view text, std::size_t at, std::string_view word)
{
    return text.size() - std::min(at, text.size()) >= word.size() &&
           std::equal(word.begin(), word.end(), text.begin() + static_cast<long>(at),
                      [](char w, char t) { return w == AsciiLower(t); });
}

std::size_t SkipSpace(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsXmlSpace(text[at]))
        ++at;
    return at;
}

// What the first bytes say: nothing to do, or where the declaration or
// the encoding name is to go.
struct HeadVerdict {
    EncodingNeed need = EncodingNeed::None;
    std::size_t insertAt = 0;
};

// The end of the version pseudo-attribute that starts at at (after the
// space behind <?xml); npos when there is none there.
std::size_t VersionEnd(std::string_view declaration, std::size_t at)
{
    if (!StartsWithWord(declaration, at, "version"))
        return std::string_view::npos;
    at = SkipSpace(declaration, at + 7);
    if (at >= declaration.size() || declaration[at] != '=')
        return std::string_view::npos;
    at = SkipSpace(declaration, at + 1);
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\''))
        return std::string_view::npos;
    const std::size_t close = declaration.find(declaration[at], at + 1);
    return close == std::string_view::npos ? close : close + 1;
}

// Whether a pseudo-attribute named encoding appears in the declaration,
// whatever its value: one that names an unknown or empty encoding is not
// this fix's to correct, and a second would make the document worse.
bool NamesEncoding(std::string_view declaration)
{
    for (std::size_t at = declaration.find_first_of(" \t\r\n"); at != std::string_view::npos;
         at = declaration.find_first_of(" \t\r\n", at + 1)) {
        const std::size_t word = SkipSpace(declaration, at);
        if (StartsWithWord(declaration, word, "encoding")) {
            const std::size_t after = SkipSpace(declaration, word + 8);
            if (after < declaration.size() && declaration[after] == '=')
                return true;
        }
    }
    return false;
}

HeadVerdict JudgeHead(std::string_view head)
{
    head = head.substr(0, EncodingHeadBytes);
    // A UTF-16 mark names the encoding. Text that starts with a NUL, or
    // with "<" and a NUL, is 16- or 32-bit text without a mark, which XML
    // tells from its first bytes: not ours to declare.
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF") || head.starts_with('\0') ||
        head.starts_with(std::string_view("<\0", 2)))
        return {};
    const std::size_t start = head.starts_with(Utf8Mark) ? Utf8Mark.size() : 0;
    // A declaration after white space is misplaced, but it is the
    // document's declaration all the same: none is put before it.
    const std::size_t at = SkipSpace(head, start);
    const bool declared = StartsWithWord(head, at, "<?xml") && at + 5 < head.size() &&
                          (IsXmlSpace(head[at + 5]) || head[at + 5] == '?');
    if (!declared)
        return {EncodingNeed::Declaration, start};
    const std::size_t close = head.find("?>", at + 5);
    if (close == std::string_view::npos)
        return {};  // not closed within the first bytes: not edited
    const std::string_view declaration = head.substr(0, close);
    if (NamesEncoding(declaration.substr(at + 5)))
        return {};
    const std::size_t versionEnd = VersionEnd(declaration, SkipSpace(declaration, at + 5));
    if (versionEnd == std::string_view::npos)
        return {};  // no version where XML wants it: too broken to edit
    return {EncodingNeed::EncodingName, versionEnd};
}

// The line break the document itself uses first; CR LF, the system's own,
// where it has none.
std::string_view FirstLineBreak(std::string_view document)
{
    const std::size_t at = document.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return LineBreak;
    if (document[at] == '\n')
        return "\n";
    return at + 1 < document.size() && document[at + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

bool MayNeedEncodingDeclaration(std::string_view head)
{
    return JudgeHead(head).need != EncodingNeed::None;
}

EncodingDeclarationFix FixEncodingDeclaration(std::string_view document)
{
    const HeadVerdict verdict = JudgeHead(document);
    if (verdict.need == EncodingNeed::None)
        return {};
    if (!IsUtf8(document.substr(document.starts_with(Utf8Mark) ? Utf8Mark.size() : 0)))
        return {EncodingNeed::NotUtf8, {}};

    std::string inserted(verdict.need == EncodingNeed::Declaration ? Declaration : EncodingName);
    if (verdict.need == EncodingNeed::Declaration)
        inserted += FirstLineBreak(document);
    std::string fixed;
    fixed.reserve(document.size() + inserted.size());
    fixed.append(document.substr(0, verdict.insertAt)).append(inserted).append(document.substr(verdict.insertAt));
    return {verdict.need, std::move(fixed)};
}

std::string NotUtf8Reason(const std::string& entryName)
{
    //: %1 is the name of a content document in the book, as OEBPS/ch1.xhtml.
    return Words::Fill(Words::translate("KindleReady", "%1 is not UTF-8 and names no encoding"), {entryName});
}

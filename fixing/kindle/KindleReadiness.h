#pragma once

// Readying one book for Send to Kindle: encodings declared, a language code named, links, pictures and the cover mended.

#include "ContentDocuments.h"
#include "ContentEdits.h"
#include "HtmlLanguage.h"
#include "PackageLanguage.h"
#include "PackageSpine.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Readies one book for Send to Kindle, which reads a content document
// without an XML declaration as Latin-1 and refuses a book without a
// usable language code: every content document names its encoding, and
// each package document a language (see EncodingDeclaration,
// PackageLanguage, TextLanguage, HtmlLanguage). Its conversion also
// refuses links to a document's body element and img elements without a
// source (see KindleMarkup), and finds the cover only by the meta that
// EPUB 2 names it with (see Cover): every content document and the NCX
// are read whole for those, and the package documents name the cover both
// ways. What the first bytes of a content document say is judged from
// them alone (the declaration, the html element's language).
//
// In three steps, over one book's content documents:
//   1. Head, for each content document, with its first HeadBytes bytes;
//   2. Whole, for those WantsWhole names, with all their bytes;
//   3. Finish, which hands back the edits the book needs.
class KindleReadiness {
public:
    static constexpr std::size_t HeadBytes = 4096;
    // The most Send to Kindle takes by e-mail, in bytes.
    static constexpr std::uint64_t MostMailedBytes = 50'000'000;

    struct Result {
        std::optional<std::string> leftAlone;  // a content document is not UTF-8 and names no encoding
        std::string note;                      // "no language found", when that is so
        bool changed = false;                  // a document was edited
        std::size_t encodingsDeclared = 0;     // documents given an encoding
        std::size_t bodyLinksCut = 0;          // links that lost a fragment naming a body
        std::size_t picturesRemoved = 0;       // img elements without a source deleted
        std::size_t coversNamed = 0;           // package documents that name their cover anew
        // The first package document's language as it was and as it became.
        std::optional<std::pair<std::string, std::string>> language;
    };

    // packageDocuments: the names in the book of its package documents,
    // as they are now in folder (edited for the fonts already).
    KindleReadiness(const std::string& folder, const std::vector<std::string>& packageDocuments);

    // The names of the content documents, as patterns.
    std::vector<std::string> ContentPatterns() const;

    void Head(const std::string& name, std::string_view head);
    bool WantsWhole(const std::string& name) const;
    bool WantsAnyWhole() const { return true; }  // every content document, for its links and pictures
    // False once the book is to be left as it is: reading may stop.
    bool Whole(const std::string& name, std::string_view bytes);

    Result Finish(ContentEdits& edits);

private:
    struct Package {
        std::string name;
        std::string bytes;
        PackageLanguage language;
    };

    bool IsContent(const std::string& name) const { return KindOfDocument(name, contents_) == DocumentKind::Markup; }
    bool IsNcx(const std::string& name) const { return contents_.ncxItems.count(name) && !IsHiddenEntry(name); }
    void MendMarkup(ContentEdits& edits, Result& result) const;
    std::optional<std::string> LanguageFromText() const;
    void JudgeHtmlLanguage(const std::string& name, const HtmlLanguageValues& values);

    std::string folder_;
    std::vector<Package> packages_;
    PackageContents contents_;            // of every package document
    std::set<std::string> unusable_;      // the package documents' unusable language values
    bool fromText_ = false;               // a package document's language must come from the text
    std::set<std::string> needsDeclaration_;
    std::set<std::string> carriesUnusable_;  // html elements that carry an unusable value
    std::set<std::string> htmlBeyondHead_;   // documents whose html start tag does not end in the head
    std::set<std::string> declared_;         // documents given a declaration
    std::map<std::string, std::string> prefixes_;      // a declaration to put first
    std::map<std::string, std::string> replacements_;  // documents edited otherwise
    std::map<std::string, std::string> texts_;         // the beginnings, for the language of the text
    std::optional<std::string> leftAlone_;
    std::map<std::string, std::string> bodyIds_;   // the content documents' body ids
    std::map<std::string, std::string> mendable_;  // documents that may hold links or pictures to mend
};

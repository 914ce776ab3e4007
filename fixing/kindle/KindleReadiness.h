#pragma once

// Readying one book for Send to Kindle: encodings declared, a language code named.

#include "ContentDocuments.h"
#include "ContentEdits.h"
#include "HtmlLanguage.h"
#include "PackageLanguage.h"
#include "PackageSpine.h"

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
// PackageLanguage, TextLanguage, HtmlLanguage). Only the first bytes of a
// content document are read to judge it; the whole of it only where a
// declaration is missing, its html element carries an unusable language
// (or, the package's language being unusable, its html start tag does not
// end within them), or the book's language must come from its text.
//
// In three steps, over one book's content documents:
//   1. Head, for each content document, with its first HeadBytes bytes;
//   2. Whole, for those WantsWhole names, with all their bytes;
//   3. Finish, which hands back the edits the book needs.
class KindleReadiness {
public:
    static constexpr std::size_t HeadBytes = 4096;

    struct Result {
        std::optional<std::string> leftAlone;  // a content document is not UTF-8 and names no encoding
        std::string note;                      // "no language found", when that is so
        bool changed = false;                  // a document was edited
        std::size_t encodingsDeclared = 0;     // documents given an encoding
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
    bool WantsAnyWhole() const
    {
        return fromText_ || !needsDeclaration_.empty() || !carriesUnusable_.empty() || !htmlBeyondHead_.empty();
    }
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
};

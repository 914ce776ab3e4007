#pragma once

// The language of a book's text, from its html elements or guessed from its words.

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

// The language of a book's text, for a package document that names none
// usable (see PackageLanguage).

// How much body text a guess reads: the first 20 KB of the book's text.
inline constexpr std::size_t GuessTextBytes = 20 * 1024;

// Less text than this is too little to guess from.
inline constexpr std::size_t LeastGuessTextBytes = 256;

// Gathers what tells a book's language from its content documents, fed
// in spine order (see PackageSpine): the lang and xml:lang of each html
// element, and the body text of the first documents, markup stripped,
// references resolved, white space run together, up to GuessTextBytes.
// Documents are given as their bytes in any encoding: UTF-16 with its
// mark, UTF-8, and other text read as Latin-1.
class TextLanguageCollector {
public:
    // Takes one content document; one already taken by its name is passed
    // over. Once WantsText() is false only the html start tag is read, so
    // that the document's first bytes (up to the end of that tag) suffice.
    void Add(const std::string& entryName, std::string_view document);

    // Whether more body text would help a guess.
    bool WantsText() const { return text_.size() < GuessTextBytes; }

    // The book's language: the value most html elements state, where one
    // is stated more often than every other and it is usable (as its code,
    // see LanguageCode); else GuessLanguage over the text; nullopt when
    // neither tells. Each document states one value: the first of xml:lang
    // and lang that is usable, else the first it has.
    std::optional<std::string> Language() const;

    // The body text gathered so far (UTF-8).
    const std::string& Text() const { return text_; }

private:
    std::set<std::string> taken_;
    std::map<std::string, int> stated_;  // value -> documents stating it
    std::string text_;
};

// The language of UTF-8 text, as libexttextcat's guesser (the one
// LibreOffice uses) tells it: a usable code where it gives exactly one
// answer that is a registered code (see LanguageTag), nullopt where it
// gives several, is unsure, the text is shorter than LeastGuessTextBytes,
// or its language data cannot be read. The guesser is set up once, on first use (about 60 ms); calls
// from several threads take turns.
std::optional<std::string> GuessLanguage(std::string_view text);

#pragma once

// What a fix did to one book: one record, filled as each edit is made, that
// the summary, the window's marks and the command line read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct FixRecord {
    // Stylesheets rewritten and deleted, and the declarations the options
    // removed or rewrote in them.
    std::size_t stylesheetsEdited = 0;
    std::size_t stylesheetsDeleted = 0;
    std::size_t declarationsEdited = 0;

    // Package documents given the font items, or rid of the deleted
    // stylesheets' items.
    std::size_t packageDocumentsEdited = 0;

    // The four faces put into the book: none (not asked, or the book holds
    // them already), whole, or cut down to its characters.
    enum class Faces { None, Whole, Cut } faces = Faces::None;
    std::uint64_t facesPackedBytes = 0;  // the four as the new book holds them

    // Content documents edited: their links to deleted stylesheets taken
    // out, an encoding declared for Send to Kindle.
    std::size_t documentsUnlinked = 0;
    std::size_t encodingsDeclared = 0;

    // The language the package documents name, as it was and as it became.
    std::optional<std::pair<std::string, std::string>> language;

    // No language code could be found for Send to Kindle: the book keeps the
    // language it names (and a note says so).
    bool languageNotFound = false;

    // What the run says of the book besides, in the user's language ("no
    // language found"), each once.
    std::vector<std::string> notes;

    // Pictures scaled down to the screen or made grey, their bytes before
    // and after, and those the rule could not change, by name (a note says
    // why).
    std::size_t picturesFitted = 0;
    std::uint64_t pictureBytesBefore = 0;
    std::uint64_t pictureBytesAfter = 0;
    std::vector<std::string> picturesLeftAlone;

    // Kobo books: the sentences and pictures put in Kobo's spans, and the
    // name the book takes (NAME.kepub.epub), empty where it keeps its own.
    std::size_t koboSpans = 0;
    std::string newName;

    // Why the fix left the book as it is, where it did ("a.kepub.epub
    // already exists").
    std::string leftAlone;

    void Note(const std::string& note)
    {
        for (const std::string& said : notes)
            if (said == note)
                return;
        notes.push_back(note);
    }

    // Send to Kindle's mends of the markup: links cut back to their path
    // from a fragment naming the body they point to, img elements without
    // a source deleted.
    std::size_t bodyLinksCut = 0;
    std::size_t picturesRemoved = 0;

    // Package documents that name their cover anew: both ways for Send to
    // Kindle, by the property for Kobo.
    std::size_t coversNamed = 0;

    // The new book's size in bytes, where Send to Kindle is to be ready and
    // the book is more than it takes by e-mail; 0 otherwise.
    std::uint64_t tooLargeForKindle = 0;
};

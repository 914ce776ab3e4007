#pragma once

// Reading and editing the content documents a book's fix does not unpack.

#include "ContentEdits.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// How the fix reads and edits the entries it did not unpack (the content
// documents): from the book itself, where the new book carries them over
// (each checked as it is read, never written out), or from the working
// folder, where the book had to be unpacked whole.
class ContentReader {
public:
    // Shown one entry, by its name in the book; answers false to stop.
    using See = std::function<bool(const std::string& name, std::string_view bytes)>;

    virtual ~ContentReader() = default;

    // The first size bytes of every entry whose name matches one of
    // patterns (case ignored; "*" and "?"), in the book's order.
    virtual void Heads(const std::vector<std::string>& patterns, std::size_t size, const See& see) = 0;

    // All the bytes of every such entry, in the book's order. False when
    // the book's entries cannot be read so (one is damaged, or they cannot
    // be carried over exactly): the fix then unpacks the book whole.
    virtual bool Whole(const std::vector<std::string>& patterns, const See& see) = 0;

    // The entry's bytes become bytes in the new book.
    virtual void Replace(const std::string& name, std::string_view bytes) = 0;

    // prefix goes before the entry's own bytes in the new book; where it is
    // carried over, its compressed bytes stay as they are behind it.
    virtual void PutFirst(const std::string& name, std::string_view prefix) = 0;

    // Every edit goes into the new book (see ContentEdits), each entry once.
    void Write(const ContentEdits& edits);
};

// The book's untouched entries carried over from book into the new book:
// those that match none of unpacked, the entries in workingFolder.
std::unique_ptr<ContentReader> CarriedContent(const std::string& book, const std::string& workingFolder,
                                              const std::vector<std::string>& unpacked);

// The book unpacked whole into workingFolder.
std::unique_ptr<ContentReader> UnpackedContent(const std::string& workingFolder);

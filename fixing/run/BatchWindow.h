#pragma once

// What the batch run needs of its window: the folder, the list, the buttons, and where it reports.

#include "PathText.h"

#include <cstddef>
#include <string>

// How one book's fix ended.
enum class BookOutcome {
    Fixed,      // the new book is in its place
    Untouched,  // already as the options ask: not touched
    LeftAlone,  // the fix cannot edit it safely: not touched
    Failed,     // left as it was
};

// What the batch run needs of its window, read at the moment it needs it:
// the folder text, the book list, and the two buttons. The main window
// implements it, and so do the command line and the tests.
class BatchWindow {
public:
    virtual ~BatchWindow() = default;

    virtual std::string FolderText() const = 0;
    virtual std::size_t EntryCount() const = 0;
    virtual std::string EntryText(std::size_t index) const = 0;
    virtual bool EntryTicked(std::size_t index) const = 0;

    // The book an entry names: the folder text, the separator and the entry.
    virtual std::string BookPath(std::size_t index) const
    {
        return FolderText() + PathText::Separator + EntryText(index);
    }

    virtual void SetStartCaption(const std::string& caption) = 0;
    virtual void SetStartEnabled(bool enabled) = 0;
    virtual void SetCancelEnabled(bool enabled) = 0;

    // A book's processing begins: the number-th of total ticked books.
    virtual void BookStarting(std::size_t /*number*/, std::size_t /*total*/, const std::string& /*entry*/) {}

    // The book of entry index is done: how, and for LeftAlone and Failed
    // why. A fixed book is done once the new book is in its place.
    virtual void BookFinished(std::size_t /*index*/, BookOutcome /*outcome*/, const std::string& /*why*/) {}

    // The book of entry index took a new name (a Kobo book's): it is at
    // newPath now. Said before the book is finished.
    virtual void BookRenamed(std::size_t /*index*/, const std::string& /*newPath*/) {}

    // The fix says note of the book of entry index ("no language found").
    virtual void BookNoted(std::size_t /*index*/, const std::string& /*note*/) {}

    // The fix says sentence, which names the book of entry index itself
    // ("Series/Atlas.epub is 63 MB: Send to Kindle takes at most 50 MB by
    // e-mail.").
    virtual void BookSaid(std::size_t /*index*/, const std::string& /*sentence*/) {}

    // A replaced book's original went to the Trash, where kept names it.
    virtual void OriginalKept(const std::string& /*bookPath*/, const std::string& /*kept*/) {}

    // True once the user asked the run to stop after the book in hand.
    virtual bool StopRequested() const { return false; }

    // Whether a stop ends with a summary of what was done ("Stopped. (12
    // epubs fixed.)"), as a Stop button asks; otherwise it ends quietly,
    // as closing the window does.
    virtual bool SummaryAfterStop() const { return false; }
};

#pragma once

#include "EntryTransform.h"
#include "ReferenceArchive.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace platform {

// One entry to pack: a file below the root folder, with the entry of the
// same name in the reference archive; or, carried, an entry of the
// reference archive that has no file.
struct PackJob {
    std::string path;  // the file; empty when carried
    std::string name;  // the entry's name in the archive
    int level = 0;     // 0 stores; 1 to 9 deflate at that level
    std::optional<ReferenceEntry> reference;
    bool carried = false;
    bool seen = false;   // a carried entry whose inflated bytes the caller wants to see
    std::string prefix;  // bytes the caller puts before a carried entry's own (see PutFirst)
    SharedTransform transform;  // gives a carried entry new bytes, stored (ZpTransformCarried)

    // Whether two jobs pack the same entry the same way.
    bool SameAs(const PackJob& other) const
    {
        return carried == other.carried && path == other.path && level == other.level &&
               reference.has_value() == other.reference.has_value() &&
               (!reference || reference->index == other.reference->index) &&
               SameTransform(transform, other.transform);
    }
};

// What an entry declares: its size and CRC-32 as unpacked, and its time.
struct EntryFacts {
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    std::time_t mtime = 0;
};

// The outcomes of packing one entry.
// Packed, its bytes in memory: deflated or stored, ready for the archive.
struct InMemory {
    EntryFacts facts;
    bool deflated = false;
    std::string data;
    bool referenceBytes = false;  // data are the reference entry's compressed bytes, as it holds them
    std::string inflated;         // the entry's own bytes, kept for a job that is seen
};
// A large carried entry that goes in as the reference holds it, not held:
// its compressed bytes are read again as libzip writes them, and must
// then have packedCrc, the CRC-32 they had when they were checked.
struct ReadAtWriting {
    EntryFacts facts;
    bool deflated = false;
    std::uint32_t packedCrc = 0;
};
// A file that could not be opened or read (systemError), or that gave
// other than the bytes it had when it was opened: it changed meanwhile.
struct Unreadable {
    enum class Step { Opening, Reading, Changed } step = Step::Opening;
    int systemError = 0;  // 0 when Changed
};
// Why the file could not be read, in words for the library's messages.
std::string ReasonOf(const Unreadable& unreadable);
// A carried entry that is not what the archive declares.
struct Damaged {};

using PackOutcome = std::variant<InMemory, ReadAtWriting, Unreadable, Damaged>;

// The bytes an outcome holds in memory.
std::size_t HeldBytes(const PackOutcome& outcome);

// Puts prefix before an entry's bytes without packing it again: a stored
// deflate block holding prefix goes before its deflated bytes (a deflate
// stream may go on with a block of any kind, and the book's own blocks
// reach back no further than their own bytes), prefix itself before stored
// bytes; its size and CRC-32 follow. False for an entry not held in memory
// (ReadAtWriting) or a prefix over 64 KB.
bool PutFirst(PackOutcome& outcome, std::string_view prefix);

// Packs one entry. Safe to call from several threads at once, each with
// its own reader.
//  - A file with the size and CRC-32 of its reference entry takes that
//    entry's compressed bytes, once they are seen to inflate to the file's
//    own bytes; a reference entry deflated to no less than its size is
//    stored; a stored one is stored unless a sample of the file shows that
//    deflating gains at least 1%.
//  - A content met again in this process (the same fonts in every book of a
//    run) is not deflated again: its packed bytes, which deflate would give
//    again byte for byte, are copied.
//  - Otherwise the file is deflated, and stored when that does not make it
//    smaller.
// A carried entry is read from the reference archive and checked once, by
// inflating it in memory as it is read against its declared size and
// CRC-32; it then goes on as a file of its bytes would, except that a
// large one taken as it is, is not held (unless it is seen or has a
// prefix: then it is read whole).
// A carried entry with a transform is read whole and shown to it first:
// new bytes it gives are stored as they are (a picture gains nothing from
// deflating); kept, the entry goes on as above.
// progress, when given, is called between pieces of long work, on the
// calling thread.
PackOutcome PackEntry(const PackJob& job, ReferenceReader* reader, const std::function<void()>& progress = {});

}  // namespace platform

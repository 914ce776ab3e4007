#pragma once

#include "ReferenceArchive.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// Packed files up to this size keep their packed bytes from the packing
// until libzip reads them; larger ones are read again then.
constexpr std::size_t KeepLimit = 8u << 20;

// One file read and packed for an archive: deflated at the asked level, or
// stored when deflating does not make it smaller.
struct PackedBytes {
    bool ok = false;
    int systemError = 0;  // when the file could not be read
    std::time_t mtime = 0;
    std::uint64_t size = 0;  // the file's own size
    std::uint32_t crc = 0;
    bool deflated = false;
    bool fromReference = false;  // data are the reference entry's compressed bytes
    bool damaged = false;        // a carried entry that is not what the archive declares
    // A carried entry larger than KeepLimit that goes in as the reference
    // holds it: data stay empty, and the bytes are read again as libzip
    // takes them, against packedCrc, the CRC-32 of those bytes (set only
    // for such an entry).
    bool streamed = false;
    std::uint32_t packedCrc = 0;
    std::string data;  // what goes into the archive
};

// A file to pack, and the entry of the same name in the reference archive;
// or, carried, an entry of the reference archive that has no file.
struct PackJob {
    std::string path;
    int level;  // 0 stores; 1 to 9 deflate at that level
    std::optional<ReferenceEntry> reference;
    bool carried = false;
};

// Packs one file. Safe to call from several threads at once, each with its
// own reader.
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
// CRC-32 (damaged when it is not so); it then goes on as a file of its
// bytes would, except that a large one taken as it is, is not held.
// progress, when given, is called between pieces of long work, on the
// calling thread.
PackedBytes PackFile(const PackJob& job, ReferenceReader* reader, const std::function<void()>& progress = {});

}  // namespace platform

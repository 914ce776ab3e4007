#pragma once

#include "EntryPacking.h"

#include <zip.h>

#include <functional>
#include <string>

namespace platform {

// A libzip source that hands libzip an entry's bytes already packed, so
// that libzip copies them as they are. Large entries, and any once the
// archive's sources hold budget::Held (held counts them), are not held in
// memory until the archive is written: a file is packed again when libzip
// reads it (through reader, on the caller's thread), and refused when it
// changed meanwhile; a carried entry's compressed bytes are read again
// from the reference, and refused when they are not those checked.
struct PackedFile {
    zip_source_t* source = nullptr;  // nullptr when the entry cannot be read
    bool deflated = false;
    std::string error;
};

// packed: what packing the entry gave, not Damaged. keepAlive is called
// often while libzip reads the source and while a large file is packed
// again, on the caller's thread; when it answers false the source fails,
// cancelled. A file packed again that cannot be read, or that changed,
// fails the source, and unreadable is first told why.
PackedFile MakePackedSource(zip_t* archive, PackJob job, PackOutcome packed, ReferenceReader& reader,
                            std::function<bool()> keepAlive, std::function<void(const std::string&)> unreadable,
                            std::size_t& held);

}  // namespace platform

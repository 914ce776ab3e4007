#pragma once

#include "FilePacking.h"

#include <zip.h>

#include <functional>
#include <string>

namespace platform {

// How a file goes into the archive.
enum class Packing { Stored, Deflated };

// A libzip source that hands libzip a file's bytes already packed, so that
// libzip copies them as they are. Large files, and any once the archive's
// sources hold a few megabytes (held counts them), are not held in memory
// until the archive is written: they are packed again when libzip reads
// them (through reader, on the caller's thread), and refused when they
// changed meanwhile; a carried entry's compressed bytes are read again
// from the reference, and refused when they are not those checked.
struct PackedFile {
    zip_source_t* source = nullptr;  // nullptr when the file cannot be read
    Packing packing = Packing::Stored;
    std::string error;
};

// keepAlive is called often while libzip reads the source and while a
// large file is packed again, on the caller's thread; when it answers
// false the source fails, cancelled.
PackedFile MakePackedSource(zip_t* archive, PackJob job, PackedBytes packed, ReferenceReader& reader,
                            std::function<bool()> keepAlive, std::size_t& held);

}  // namespace platform

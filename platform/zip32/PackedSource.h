#pragma once

#include <zip.h>

#include <string>

namespace platform {

// How a file goes into the archive, decided by compressing it once.
enum class Packing { Stored, Deflated };

// A libzip source for one file that hands libzip the file's bytes already
// deflated at the given level, or stored when deflating does not make them
// smaller, so that libzip copies them as they are. The decision is made
// when the source is created; large files are compressed again when libzip
// reads them, instead of being held in memory until the archive is written.
struct PackedFile {
    zip_source_t* source = nullptr;  // nullptr when the file cannot be read
    Packing packing = Packing::Stored;
    std::string error;
};

// level 0 stores; 1 to 9 deflate at that level.
PackedFile MakePackedSource(zip_t* archive, const std::string& path, int level);

}  // namespace platform

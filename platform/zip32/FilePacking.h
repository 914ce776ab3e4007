#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

namespace platform {

// One file read and packed for an archive: deflated at the asked level, or
// stored when deflating does not make it smaller.
struct PackedBytes {
    bool ok = false;
    int systemError = 0;  // when the file could not be read
    std::time_t mtime = 0;
    std::uint64_t size = 0;  // the file's own size
    std::uint32_t crc = 0;
    bool deflated = false;
    std::string data;  // what goes into the archive
};

// level 0 stores; 1 to 9 deflate at that level. Safe to call from several
// threads at once. A content met again in this process (the same fonts in
// every book of a run) is not deflated again: its packed bytes, which
// deflate would give again byte for byte, are copied. progress, when
// given, is called between pieces of a long deflate, on the calling thread.
PackedBytes PackFile(const std::string& path, int level, const std::function<void()>& progress = {});

}  // namespace platform

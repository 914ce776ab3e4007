#pragma once

#include <zip.h>

#include <functional>
#include <string>

namespace platform {

// A new archive written in memory first and then to its file in large
// writes: libzip writes a file in pieces of a few kilobytes, and those
// calls cost more than the writing itself. For archives small enough to
// hold in memory.
class MemoryOutput {
public:
    MemoryOutput() = default;
    ~MemoryOutput();
    MemoryOutput(const MemoryOutput&) = delete;
    MemoryOutput& operator=(const MemoryOutput&) = delete;

    // An empty archive in memory; nullptr, with the libzip error in code,
    // when it cannot be made.
    zip_t* Open(int& code);

    // Puts what zip_close left in memory at path, which must not exist: a
    // scratch file beside it ("NAME.XXXXXX", as libzip names its own) is
    // written and renamed into place. progress is called between the
    // pieces written. 0, or the errno of what failed.
    int WriteTo(const std::string& path, const std::function<void()>& progress);

private:
    zip_source_t* source_ = nullptr;
};

}  // namespace platform

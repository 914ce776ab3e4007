#pragma once

#include "FilePacking.h"

#include <zip.h>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace platform {

// The entries the next archive will carry from a reference archive,
// packed ahead on the pool's idle threads, so that their checks run while
// the archive before it is written. What is packed ahead waits in memory,
// a few megabytes at most; the rest is packed when the archive is.
class Prefetch {
public:
    // Begins packing ahead the entries of the archive at path that match
    // none of allBut, each at level (0 for "mimetype"). The prefetch begun
    // just before goes on (its archive is packed while this one is packed
    // ahead); any older one ends, and with an empty path every one does.
    static void Begin(const std::string& path, const std::vector<std::string>& allBut, int level);

    // The prefetch of the archive at path, when one was begun for that
    // file as it is now, and then no other caller gets it, and it packs
    // nothing more in the background; nullptr otherwise. A prefetch of
    // another archive goes on.
    static std::shared_ptr<Prefetch> TakeFor(const std::string& path);

    // The entry at index packed at level, waiting while it is being packed;
    // nullopt when it was not packed ahead: the caller packs it, and the
    // prefetch never will.
    std::optional<PackedBytes> Take(zip_uint64_t index, int level);

    using FileKey = std::tuple<dev_t, ino_t, off_t, long long, long long, long long, long long>;

private:
    enum class State { Waiting, Packing, Packed, Claimed };
    struct Item {
        PackJob job;
        State state = State::Waiting;
        std::optional<PackedBytes> packed;
    };

    void Stop();
    static void Step(const std::shared_ptr<Prefetch>& self, const std::shared_ptr<ReferenceReader>& reader);

    std::string path_;
    FileKey file_;
    std::vector<Item> items_;
    std::map<zip_uint64_t, std::size_t> byIndex_;  // entry index -> item
    std::size_t next_ = 0;
    std::size_t heldBytes_ = 0;
    bool stopped_ = false;
    std::mutex mutex_;
    std::condition_variable packed_;
};

}  // namespace platform

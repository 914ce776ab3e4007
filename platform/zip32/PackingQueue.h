#pragma once

#include "FilePacking.h"
#include "Prefetch.h"
#include "WorkerPool.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Packs an archive's files on every core (the library's WorkerPool),
// ahead of the caller, who takes them one by one in archive order, never
// more than a few megabytes ahead. Only the packing runs on the other
// threads; the caller's callbacks and libzip stay on the caller's thread,
// and the packed bytes are the same as packing the files one after another.
class PackingQueue {
public:
    // referencePath names the reference archive the jobs' entries are in;
    // each worker reads it through a handle of its own.
    // Carried entries that prefetched packed ahead are taken from it.
    PackingQueue(std::vector<PackJob> jobs, std::string referencePath, std::shared_ptr<Prefetch> prefetched);
    ~PackingQueue();  // stops the workers; jobs not yet begun are left
    PackingQueue(const PackingQueue&) = delete;
    PackingQueue& operator=(const PackingQueue&) = delete;

    // The packed file of job index, waiting for it if need be; whileWaiting
    // is called now and then during the wait, on the caller's thread.
    PackedBytes Take(std::size_t index, const std::function<void()>& whileWaiting);

private:
    void Work();

    std::vector<PackJob> jobs_;
    std::string referencePath_;
    std::shared_ptr<Prefetch> prefetched_;
    std::vector<std::optional<PackedBytes>> done_;
    // How many bytes of packed files may wait for the caller.
    static constexpr std::size_t AheadLimit = 16u << 20;

    std::size_t next_ = 0;
    std::size_t waitingBytes_ = 0;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable room_;
    std::condition_variable ended_;
    std::size_t loops_ = 0;  // working through the jobs on the pool's threads
};

}  // namespace platform

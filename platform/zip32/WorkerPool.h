#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

// Threads kept for the life of the library, so that packing a book of a
// few small files does not pay for starting threads of its own.
class WorkerPool {
public:
    // The library's pool: a thread per core, at most eight, started at
    // first use.
    static WorkerPool& Shared();

    ~WorkerPool();  // lets the threads finish what Run gave them, then ends them
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    std::size_t Threads() const { return threads_.size(); }

    // Runs task on one of the threads once those before it have begun.
    void Run(std::function<void()> task);
    // Runs task when no task given to Run waits.
    void RunWhenIdle(std::function<void()> task);

private:
    explicit WorkerPool(std::size_t threads);
    void Serve();

    std::mutex mutex_;
    std::condition_variable work_;
    std::deque<std::function<void()>> tasks_;
    std::deque<std::function<void()>> idleTasks_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace platform

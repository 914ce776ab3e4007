#include "PackingQueue.h"

#include <algorithm>
#include <chrono>

namespace platform {

PackingQueue::PackingQueue(std::vector<PackJob> jobs, std::string referencePath)
    : jobs_(std::move(jobs)), referencePath_(std::move(referencePath)), done_(jobs_.size())
{
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::min({cores, jobs_.size(), std::size_t{8}});
    for (std::size_t i = 0; i < workers; ++i)
        workers_.emplace_back([this] { Work(); });
}

PackingQueue::~PackingQueue()
{
    {
        std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
    }
    for (std::thread& worker : workers_)
        worker.join();
}

void PackingQueue::Work()
{
    ReferenceReader reader(referencePath_);
    for (;;) {
        std::size_t index;
        {
            std::lock_guard<std::mutex> hold(mutex_);
            if (stopping_ || next_ == jobs_.size())
                return;
            index = next_++;
        }
        PackedBytes packed = PackFile(jobs_[index], &reader);
        {
            std::lock_guard<std::mutex> hold(mutex_);
            done_[index] = std::move(packed);
        }
        ready_.notify_all();
    }
}

PackedBytes PackingQueue::Take(std::size_t index, const std::function<void()>& whileWaiting)
{
    std::unique_lock<std::mutex> hold(mutex_);
    while (!ready_.wait_for(hold, std::chrono::milliseconds(10), [&] { return done_[index].has_value(); })) {
        hold.unlock();
        whileWaiting();
        hold.lock();
    }
    PackedBytes packed = std::move(*done_[index]);
    done_[index].reset();
    return packed;
}

}  // namespace platform

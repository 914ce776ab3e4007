#include "PackingQueue.h"

#include <algorithm>
#include <chrono>

namespace platform {

PackingQueue::PackingQueue(std::vector<PackJob> jobs, std::string referencePath, std::shared_ptr<Prefetch> prefetched)
    : jobs_(std::move(jobs)), referencePath_(std::move(referencePath)), prefetched_(std::move(prefetched)),
      done_(jobs_.size())
{
    WorkerPool& pool = WorkerPool::Shared();
    const std::size_t loops = std::min(pool.Threads(), jobs_.size());
    loops_ = loops;  // before any loop can end
    for (std::size_t i = 0; i < loops; ++i)
        pool.Run([this] {
            Work();
            std::lock_guard<std::mutex> hold(mutex_);
            if (--loops_ == 0)
                ended_.notify_all();
        });
}

PackingQueue::~PackingQueue()
{
    std::unique_lock<std::mutex> hold(mutex_);
    stopping_ = true;
    room_.notify_all();
    // Every loop handed to the pool has ended, begun or not, before the
    // jobs they read go.
    ended_.wait(hold, [this] { return loops_ == 0; });
}

void PackingQueue::Work()
{
    ReferenceReader reader(referencePath_);
    for (;;) {
        std::size_t index;
        {
            // Only so far ahead of the caller: what waits to be taken is
            // held in memory. The job the caller waits for is always begun
            // before any job after it, so the caller is never kept waiting.
            std::unique_lock<std::mutex> hold(mutex_);
            room_.wait(hold, [this] { return stopping_ || waitingBytes_ <= AheadLimit; });
            if (stopping_ || next_ == jobs_.size())
                return;
            index = next_++;
        }
        const PackJob& job = jobs_[index];
        std::optional<PackedBytes> ahead =
            prefetched_ && job.carried ? prefetched_->Take(job.reference->index, job.level) : std::nullopt;
        PackedBytes packed = ahead ? std::move(*ahead) : PackFile(job, &reader);
        {
            std::lock_guard<std::mutex> hold(mutex_);
            waitingBytes_ += packed.data.size();
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
    waitingBytes_ -= packed.data.size();
    hold.unlock();
    room_.notify_all();
    return packed;
}

}  // namespace platform

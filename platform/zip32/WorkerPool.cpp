#include "WorkerPool.h"

#include <algorithm>

namespace platform {

WorkerPool& WorkerPool::Shared()
{
    static WorkerPool pool(std::min(std::max(1u, std::thread::hardware_concurrency()), 8u));
    return pool;
}

WorkerPool::WorkerPool(std::size_t threads)
{
    for (std::size_t i = 0; i < threads; ++i)
        threads_.emplace_back([this] { Serve(); });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
    }
    work_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void WorkerPool::Run(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> hold(mutex_);
        tasks_.push_back(std::move(task));
    }
    work_.notify_one();
}

void WorkerPool::RunWhenIdle(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> hold(mutex_);
        idleTasks_.push_back(std::move(task));
    }
    work_.notify_one();
}

void WorkerPool::Serve()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<std::mutex> hold(mutex_);
            work_.wait(hold, [this] { return stopping_ || !tasks_.empty() || !idleTasks_.empty(); });
            // Tasks for idle threads are left when the pool ends.
            std::deque<std::function<void()>>& from = !tasks_.empty() ? tasks_ : idleTasks_;
            if (from.empty() || (stopping_ && tasks_.empty()))
                return;
            task = std::move(from.front());
            from.pop_front();
        }
        task();
    }
}

}  // namespace platform

#include "Prefetch.h"

#include "CarriedEntries.h"
#include "WorkerPool.h"

#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <cstddef>
#include <utility>

namespace platform {
namespace {

// The most bytes packed ahead that may wait for the archive.
constexpr std::size_t HeldLimit = 16u << 20;

std::optional<Prefetch::FileKey> KeyOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return Prefetch::FileKey{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec,
                             st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
}

std::mutex g_mutex;
// The prefetches that may still be taken, the newest last: the one for the
// archive being packed now, and the one for the archive after it.
std::deque<std::shared_ptr<Prefetch>> g_begun;
constexpr std::size_t MostBegun = 2;

}  // namespace

void Prefetch::Begin(const std::string& path, const std::vector<std::string>& allBut, int level)
{
    const std::optional<FileKey> file = path.empty() ? std::nullopt : KeyOf(path);
    std::optional<CarriedEntries> carried = file ? CarriedEntries::Read(path, allBut) : std::nullopt;
    auto prefetch = std::make_shared<Prefetch>();
    prefetch->path_ = path;
    if (file)
        prefetch->file_ = *file;
    if (carried)
        for (const CarriedEntry* entry : carried->Files()) {
            prefetch->byIndex_[entry->entry.index] = prefetch->items_.size();
            prefetch->items_.push_back(
                {PackJob{{}, entry->name == "mimetype" ? 0 : level, entry->entry, true}, State::Waiting, {}});
        }
    {
        std::lock_guard<std::mutex> hold(g_mutex);
        if (carried)
            g_begun.push_back(prefetch);
        while (!g_begun.empty() && (path.empty() || g_begun.size() > MostBegun)) {
            g_begun.front()->Stop();
            g_begun.pop_front();
        }
    }
    if (!carried)
        return;
    WorkerPool& pool = WorkerPool::Shared();
    for (std::size_t i = 0; i < std::min(pool.Threads(), prefetch->items_.size()); ++i)
        // A reader for each chain of steps, which runs one step at a time:
        // opening the archive for each entry would cost more than checking
        // a small one, and the readers go with the prefetch.
        pool.RunWhenIdle([prefetch, reader = std::make_shared<ReferenceReader>(path)] { Step(prefetch, reader); });
}

std::shared_ptr<Prefetch> Prefetch::TakeFor(const std::string& path)
{
    std::shared_ptr<Prefetch> prefetch;
    {
        std::lock_guard<std::mutex> hold(g_mutex);
        const auto it = std::find_if(g_begun.begin(), g_begun.end(),
                                     [&](const std::shared_ptr<Prefetch>& begun) { return begun->path_ == path; });
        if (it == g_begun.end())
            return nullptr;
        prefetch = *it;
        g_begun.erase(it);
    }
    std::lock_guard<std::mutex> hold(prefetch->mutex_);
    prefetch->stopped_ = true;
    // Only for the same file, unchanged since: what was packed ahead is
    // what the archive would pack.
    if (KeyOf(path) != prefetch->file_) {
        for (Item& item : prefetch->items_)
            if (item.state == State::Waiting)
                item.state = State::Claimed;
        return nullptr;
    }
    return prefetch;
}

void Prefetch::Stop()
{
    std::lock_guard<std::mutex> hold(mutex_);
    stopped_ = true;
}

void Prefetch::Step(const std::shared_ptr<Prefetch>& self, const std::shared_ptr<ReferenceReader>& reader)
{
    std::size_t at;
    {
        std::lock_guard<std::mutex> hold(self->mutex_);
        while (self->next_ < self->items_.size() && self->items_[self->next_].state != State::Waiting)
            ++self->next_;
        if (self->stopped_ || self->next_ == self->items_.size() || self->heldBytes_ > HeldLimit)
            return;
        at = self->next_++;
        self->items_[at].state = State::Packing;
    }
    PackedBytes packed = PackFile(self->items_[at].job, reader.get());
    {
        std::lock_guard<std::mutex> hold(self->mutex_);
        self->heldBytes_ += packed.data.size();
        self->items_[at].packed = std::move(packed);
        self->items_[at].state = State::Packed;
    }
    self->packed_.notify_all();
    WorkerPool::Shared().RunWhenIdle([self, reader] { Step(self, reader); });
}

std::optional<PackedBytes> Prefetch::Take(zip_uint64_t index, int level)
{
    std::unique_lock<std::mutex> hold(mutex_);
    const auto found = byIndex_.find(index);
    if (found == byIndex_.end() || items_[found->second].job.level != level)
        return std::nullopt;
    const auto it = items_.begin() + static_cast<std::ptrdiff_t>(found->second);
    if (it->state == State::Waiting)
        it->state = State::Claimed;
    packed_.wait(hold, [&] { return it->state != State::Packing; });
    if (it->state != State::Packed)
        return std::nullopt;
    it->state = State::Claimed;
    heldBytes_ -= it->packed->data.size();
    std::optional<PackedBytes> out = std::move(it->packed);
    it->packed.reset();
    return out;
}

}  // namespace platform

#include "Pipeline.h"

#include "Budget.h"
#include "CreationMask.h"

#include <algorithm>
#include <chrono>
#include <map>

namespace platform {

struct Pipeline::Slot {
    explicit Slot(PackJob entry) : job(std::move(entry)) {}
    PackJob job;
    enum class State { Waiting, Packing, Done, Taken } state = State::Waiting;
    std::optional<PackOutcome> outcome;  // while Done
    bool packedSeen = false;             // the outcome keeps the inflated bytes
    bool dropped = false;                // no longer wanted: a step in hand for it is thrown away
};

struct Pipeline::Work {
    std::string reference;
    FileIdentity identity;  // of the reference when the work began
    bool ahead = false;
    std::vector<std::shared_ptr<Slot>> slots;
    std::size_t next = 0;               // no slot before it waits to be begun
    std::optional<std::size_t> wanted;  // the slot the caller waits for
    // Readers not in use; a thread borrows one for each step, and they go
    // with the work, so that no book stays open once its work ends.
    std::vector<std::unique_ptr<ReferenceReader>> readers;
};

using Slot = Pipeline::Slot;

namespace {

bool IsAhead(const std::shared_ptr<Pipeline::Work>& work)
{
    return work->ahead;
}

// Drops what a slot holds, and gives back the bytes; the slot waits to be
// packed again.
std::size_t Reset(Slot& slot)
{
    const std::size_t bytes = slot.outcome ? HeldBytes(*slot.outcome) : 0;
    slot.outcome.reset();
    slot.state = Slot::State::Waiting;
    return bytes;
}

}  // namespace

Pipeline::Pipeline(std::size_t threads, std::size_t budget, Step step) : budget_(budget), step_(std::move(step))
{
    for (std::size_t i = 0; i < threads; ++i)
        threads_.emplace_back([this] { Serve(); });
}

Pipeline::~Pipeline()
{
    {
        std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
    }
    work_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

Pipeline& Pipeline::Shared()
{
    CreationMask();  // read before the threads start (see there)
    static Pipeline pipeline(std::min(std::max(1u, std::thread::hardware_concurrency()), 8u), budget::Waiting,
                             [](const PackJob& job, ReferenceReader& reader) { return PackEntry(job, &reader); });
    return pipeline;
}

bool Pipeline::NextStep(std::shared_ptr<Work>& work, std::size_t& slot)
{
    for (const std::shared_ptr<Work>& w : queue_)
        if (w->wanted && w->slots[*w->wanted]->state == Slot::State::Waiting) {
            work = w;
            slot = *w->wanted;
            return true;
        }
    for (const std::shared_ptr<Work>& w : queue_) {
        while (w->next < w->slots.size() && w->slots[w->next]->state != Slot::State::Waiting)
            ++w->next;
        if (w->next < w->slots.size() && waiting_ <= budget_) {
            work = w;
            slot = w->next;
            return true;
        }
    }
    return false;
}

void Pipeline::Serve()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        std::shared_ptr<Work> work;
        std::size_t at = 0;
        work_.wait(lock, [&] { return stopping_ || NextStep(work, at); });
        if (stopping_)
            return;
        const std::shared_ptr<Slot> slot = work->slots[at];
        slot->state = Slot::State::Packing;
        ++active_;
        const PackJob job = slot->job;
        std::unique_ptr<ReferenceReader> reader = std::make_unique<ReferenceReader>(work->reference);
        if (!work->readers.empty()) {
            reader = std::move(work->readers.back());
            work->readers.pop_back();
        }
        lock.unlock();
        PackOutcome outcome = step_(job, *reader);
        lock.lock();
        --active_;
        work->readers.push_back(std::move(reader));
        if (!slot->dropped) {
            waiting_ += HeldBytes(outcome);
            peak_ = std::max(peak_, waiting_);
            slot->outcome = std::move(outcome);
            slot->packedSeen = job.seen;
            slot->state = Slot::State::Done;
        }
        // Only a caller waiting for this entry, or for all to be quiet, is
        // woken: a wake-up for every entry costs more than a small entry.
        if ((work->wanted && work->slots[*work->wanted] == slot) || active_ == 0)
            done_.notify_all();
    }
}

std::shared_ptr<Pipeline::Work> Pipeline::Begin(const std::string& reference, std::vector<PackJob> jobs, bool ahead)
{
    auto work = std::make_shared<Work>();
    work->reference = reference;
    work->identity = IdentityOf(reference);
    work->ahead = ahead;
    for (PackJob& job : jobs)
        work->slots.push_back(std::make_shared<Slot>(std::move(job)));
    // Archives go before every book checked ahead.
    queue_.insert(ahead ? queue_.end() : std::find_if(queue_.begin(), queue_.end(), IsAhead), work);
    work_.notify_all();
    return work;
}

void Pipeline::Release(std::size_t bytes)
{
    const bool wasFull = waiting_ > budget_;
    waiting_ -= bytes;
    if (wasFull && waiting_ <= budget_)
        work_.notify_all();  // the threads the budget held may go on
}

// work is taken by value: a reference into the queue would move with the
// queue's erasing.
void Pipeline::End(std::shared_ptr<Work> work)
{
    queue_.erase(std::remove(queue_.begin(), queue_.end(), work), queue_.end());
    for (const std::shared_ptr<Slot>& slot : work->slots) {
        Release(Reset(*slot));
        slot->dropped = true;
    }
}

std::shared_ptr<Pipeline::Work> Pipeline::FindAhead(const std::string& reference)
{
    const auto it = std::find_if(queue_.begin(), queue_.end(),
                                 [&](const auto& w) { return w->ahead && w->reference == reference; });
    if (it == queue_.end())
        return nullptr;
    const std::shared_ptr<Work> work = *it;
    // Only the same file, unchanged since: what was done ahead is what the
    // archive would do.
    if (work->identity == IdentityOf(reference))
        return work;
    End(work);
    return nullptr;
}

// Makes jobs the work's entries, keeping what was done or begun for the
// same carried entries, packed the same way; the other old entries are
// dropped.
void Pipeline::Adopt(Work& work, std::vector<PackJob> jobs)
{
    std::map<std::pair<zip_uint64_t, int>, std::shared_ptr<Slot>> carried;
    for (const std::shared_ptr<Slot>& slot : work.slots)
        if (slot->job.carried)
            carried[{slot->job.reference->index, slot->job.level}] = slot;
    std::vector<std::shared_ptr<Slot>> slots;
    for (PackJob& job : jobs) {
        const auto found = job.carried ? carried.find({job.reference->index, job.level}) : carried.end();
        if (found == carried.end() || !SameTransform(found->second->job.transform, job.transform)) {
            slots.push_back(std::make_shared<Slot>(std::move(job)));
            continue;
        }
        found->second->job.seen |= job.seen;
        slots.push_back(found->second);
        carried.erase(found);
    }
    for (const auto& [entry, slot] : carried) {
        Release(Reset(*slot));
        slot->dropped = true;
    }
    work.slots = std::move(slots);
    work.next = 0;
    work.wanted.reset();
    work_.notify_all();
}

std::unique_ptr<Pipeline::Batch> Pipeline::Ahead(const std::string& reference, std::vector<PackJob> jobs)
{
    std::lock_guard<std::mutex> hold(mutex_);
    std::shared_ptr<Work> work = FindAhead(reference);
    if (work) {
        Adopt(*work, std::move(jobs));
    } else {
        constexpr std::ptrdiff_t MostAhead = 2;
        while (std::count_if(queue_.begin(), queue_.end(), IsAhead) >= MostAhead)
            End(*std::find_if(queue_.begin(), queue_.end(), IsAhead));
        work = Begin(reference, std::move(jobs), true);
    }
    return std::unique_ptr<Batch>(new Batch(*this, work, false));
}

std::unique_ptr<Pipeline::Batch> Pipeline::Start(const std::string& reference, std::vector<PackJob> jobs)
{
    std::lock_guard<std::mutex> hold(mutex_);
    const std::shared_ptr<Work> work = FindAhead(reference);
    if (!work)
        return std::unique_ptr<Batch>(new Batch(*this, Begin(reference, std::move(jobs), false), true));
    Adopt(*work, std::move(jobs));
    work->ahead = false;
    queue_.erase(std::remove(queue_.begin(), queue_.end(), work), queue_.end());
    queue_.insert(std::find_if(queue_.begin(), queue_.end(), IsAhead), work);
    return std::unique_ptr<Batch>(new Batch(*this, work, true));
}

void Pipeline::DropAhead()
{
    std::lock_guard<std::mutex> hold(mutex_);
    for (auto it = queue_.begin(); (it = std::find_if(queue_.begin(), queue_.end(), IsAhead)) != queue_.end();)
        End(*it);
}

void Pipeline::WaitIdle()
{
    std::unique_lock<std::mutex> lock(mutex_);
    std::shared_ptr<Work> work;
    std::size_t slot = 0;
    done_.wait(lock, [&] { return active_ == 0 && !NextStep(work, slot); });
}

std::size_t Pipeline::PeakWaiting() const
{
    std::lock_guard<std::mutex> hold(mutex_);
    return peak_;
}

std::size_t Pipeline::Waiting() const
{
    std::lock_guard<std::mutex> hold(mutex_);
    return waiting_;
}

Pipeline::Batch::Batch(Pipeline& pipeline, std::shared_ptr<Work> work, bool owner)
    : pipeline_(pipeline), work_(std::move(work)), owner_(owner)
{
}

Pipeline::Batch::~Batch()
{
    std::lock_guard<std::mutex> hold(pipeline_.mutex_);
    if (owner_)
        pipeline_.End(work_);
}

std::size_t Pipeline::Batch::Size() const
{
    std::lock_guard<std::mutex> hold(pipeline_.mutex_);
    return work_->slots.size();
}

Slot& Pipeline::Batch::WaitDone(std::size_t i, std::unique_lock<std::mutex>& lock,
                                const std::function<void()>& whileWaiting)
{
    Slot& slot = *work_->slots.at(i);
    work_->wanted = i;
    if (slot.state == Slot::State::Waiting)
        pipeline_.work_.notify_one();  // begun first, whatever the budget
    while (!pipeline_.done_.wait_for(lock, std::chrono::milliseconds(10),
                                     [&] { return slot.state == Slot::State::Done; })) {
        lock.unlock();
        whileWaiting();
        lock.lock();
    }
    work_->wanted.reset();
    return slot;
}

PackOutcome Pipeline::Batch::Take(std::size_t i, const std::function<void()>& whileWaiting)
{
    std::unique_lock<std::mutex> lock(pipeline_.mutex_);
    Slot& slot = WaitDone(i, lock, whileWaiting);
    PackOutcome outcome = std::move(*slot.outcome);
    slot.outcome.reset();
    slot.state = Slot::State::Taken;
    pipeline_.Release(HeldBytes(outcome));
    if (InMemory* packed = std::get_if<InMemory>(&outcome))
        std::string().swap(packed->inflated);  // seen already
    return outcome;
}

bool Pipeline::Batch::See(std::size_t i, const std::function<void(const std::string&)>& see,
                          const std::function<void()>& whileWaiting)
{
    std::unique_lock<std::mutex> lock(pipeline_.mutex_);
    work_->slots.at(i)->job.seen = true;
    Slot* slot = &WaitDone(i, lock, whileWaiting);
    // Packed without its inflated bytes (ahead, before anyone asked to see
    // it): packed again.
    while (!slot->packedSeen && !std::holds_alternative<Damaged>(*slot->outcome)) {
        pipeline_.Release(Reset(*slot));
        work_->next = std::min(work_->next, i);
        slot = &WaitDone(i, lock, whileWaiting);
    }
    InMemory* packed = std::get_if<InMemory>(&*slot->outcome);
    if (!packed)
        return false;
    const std::string inflated = std::move(packed->inflated);
    slot->packedSeen = false;  // shown once; another look packs it again
    pipeline_.Release(inflated.size());
    // With the budget spent, what was checked is not kept for the archive:
    // the entry is packed again when the archive takes it.
    if (pipeline_.waiting_ > pipeline_.budget_) {
        pipeline_.Release(Reset(*slot));
        slot->job.seen = false;
        work_->next = std::min(work_->next, i);
    }
    lock.unlock();
    see(inflated);
    return true;
}

}  // namespace platform

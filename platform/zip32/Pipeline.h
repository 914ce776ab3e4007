#pragma once

#include "EntryPacking.h"
#include "FileIdentity.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace platform {

// Packs archives' entries on every core, in one ordered queue of work
// bounded by one memory budget:
//
//   archives being written, in the order begun | books checked ahead, in the order begun
//
// Each thread takes the first entry not yet begun, as long as the entries
// done and not yet taken hold at most the budget; an entry its writer
// waits for is begun first, whatever the budget, so the writer is never
// kept waiting behind work it does not need yet. The writer takes the
// entries one by one in their order. Checking a book ahead is the same
// work begun early, behind the archive being written: when that book's
// archive is written, and the book is the same file, unchanged since, its
// entries done or begun ahead are taken as they are.
class Pipeline {
public:
    struct Work;  // one archive's or book's entries, and how far each has come
    struct Slot;  // one entry of a work

    // How one entry is packed; the pipeline's threads call it, each with a
    // reader of its own on the reference archive.
    using Step = std::function<PackOutcome(const PackJob&, ReferenceReader&)>;

    Pipeline(std::size_t threads, std::size_t budget, Step step);
    ~Pipeline();  // the threads finish the entry in hand and end
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    // The library's pipeline: a thread per core, at most eight, packing
    // with PackEntry within budget::Waiting.
    static Pipeline& Shared();

    // One archive's or book's entries in the queue.
    class Batch {
    public:
        ~Batch();  // an owner's batch ends: entries not begun never are, and what was done is dropped
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        std::size_t Size() const;

        // The outcome of entry i, waiting for it if need be; whileWaiting
        // is called now and then meanwhile, on the caller's thread. Each
        // entry is taken once, in order.
        PackOutcome Take(std::size_t i, const std::function<void()>& whileWaiting);

        // Shows see the inflated bytes of entry i, a carried one, once it
        // is checked, waiting for it if need be. Its packed outcome stays
        // for Take, unless the budget is spent: then the entry is packed
        // again when taken. False, with nothing shown, when it is damaged.
        bool See(std::size_t i, const std::function<void(const std::string&)>& see,
                 const std::function<void()>& whileWaiting);

    private:
        friend class Pipeline;
        Batch(Pipeline& pipeline, std::shared_ptr<Work> work, bool owner);
        Slot& WaitDone(std::size_t i, std::unique_lock<std::mutex>& lock, const std::function<void()>& whileWaiting);

        Pipeline& pipeline_;
        std::shared_ptr<Work> work_;
        bool owner_;
    };

    // Checks ahead the carried jobs of the book at reference, behind
    // everything else: the book's check ahead goes on with these jobs when
    // the file is unchanged since it began (what was done for the same
    // jobs kept), else one begins. Only the last two books checked ahead
    // are kept (the one being fixed and the next). The batch, which does
    // not end the check, serves See.
    std::unique_ptr<Batch> Ahead(const std::string& reference, std::vector<PackJob> jobs);

    // Begins an archive's jobs, entries of reference (empty when none) or
    // files, behind the archives begun before and before every book checked
    // ahead: the book's check ahead becomes the archive's work, as Ahead
    // takes it up, when the file is unchanged since it began.
    std::unique_ptr<Batch> Start(const std::string& reference, std::vector<PackJob> jobs);

    // Ends every check ahead.
    void DropAhead();

    // For tests: waits until no thread packs and none may begin; the most
    // bytes that were ever done and not yet taken; those done and not taken.
    void WaitIdle();
    std::size_t PeakWaiting() const;
    std::size_t Waiting() const;

private:
    void Serve();
    std::shared_ptr<Work> Begin(const std::string& reference, std::vector<PackJob> jobs, bool ahead);
    std::shared_ptr<Work> FindAhead(const std::string& reference);
    void End(std::shared_ptr<Work> work);
    void Release(std::size_t bytes);
    void Adopt(Work& work, std::vector<PackJob> jobs);
    bool NextStep(std::shared_ptr<Work>& work, std::size_t& slot);

    const std::size_t budget_;
    const Step step_;
    mutable std::mutex mutex_;
    std::condition_variable work_;  // a step may be begun
    std::condition_variable done_;  // a step is done
    std::vector<std::shared_ptr<Work>> queue_;  // archives, then books checked ahead
    std::size_t waiting_ = 0;                   // bytes done and not taken
    std::size_t active_ = 0;                    // steps in hand
    std::size_t peak_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace platform

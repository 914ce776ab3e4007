// The packing pipeline's own promises, with a step that packs nothing: it
// gives each entry bytes that name it, and counts the steps taken.
#include "Pipeline.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

using platform::InMemory;
using platform::PackJob;
using platform::PackOutcome;
using platform::Pipeline;

constexpr std::size_t EntryBytes = 100;

struct Counted {
    std::atomic<int> steps{0};
    Pipeline::Step Step()
    {
        return [this](const PackJob& job, platform::ReferenceReader&) -> PackOutcome {
            ++steps;
            InMemory out;
            out.data = job.name + std::string(EntryBytes - job.name.size(), '.');
            if (job.seen)
                out.inflated = "seen " + job.name;
            return out;
        };
    }
};

PackJob Carried(std::size_t index)
{
    PackJob job;
    job.name = std::string("e").append(std::to_string(index));
    job.level = 9;
    job.reference = platform::ReferenceEntry{index};
    job.carried = true;
    return job;
}

std::vector<PackJob> CarriedJobs(std::size_t count)
{
    std::vector<PackJob> jobs;
    for (std::size_t i = 0; i < count; ++i)
        jobs.push_back(Carried(i));
    return jobs;
}

std::string NameIn(const PackOutcome& outcome)
{
    const std::string& data = std::get<InMemory>(outcome).data;
    return data.substr(0, data.find('.'));
}

// The threads run ahead of the writer until the bytes waiting reach the
// budget, never further than one entry each beyond it; the writer gets
// every entry, in order, also with no budget at all.
TEST(Pipeline, KeepsTheOrderAndTheBudget)
{
    for (const std::size_t budget : {std::size_t{0}, 10 * EntryBytes}) {
        Counted counted;
        Pipeline pipeline(3, budget, counted.Step());
        const auto batch = pipeline.Start("", CarriedJobs(100));
        pipeline.WaitIdle();
        EXPECT_GE(pipeline.Waiting(), budget) << "the threads went ahead of the writer";
        EXPECT_LE(pipeline.Waiting(), budget + 3 * EntryBytes);
        for (std::size_t i = 0; i < 100; ++i)
            ASSERT_EQ(NameIn(batch->Take(i, [] {})), std::string("e").append(std::to_string(i)));
        EXPECT_LE(pipeline.PeakWaiting(), budget + 3 * EntryBytes);
        EXPECT_EQ(counted.steps, 100);
        EXPECT_EQ(pipeline.Waiting(), 0u);
    }
}

// A batch that ends (the writer stopped) begins nothing more and gives
// back what it held.
TEST(Pipeline, AnEndedBatchBeginsNothingMore)
{
    Counted counted;
    Pipeline pipeline(2, 5 * EntryBytes, counted.Step());
    {
        const auto batch = pipeline.Start("", CarriedJobs(100));
        pipeline.WaitIdle();
        batch->Take(0, [] {});
    }
    pipeline.WaitIdle();
    EXPECT_LT(counted.steps, 10) << "what it held given back, the rest would have been begun";
    EXPECT_EQ(pipeline.Waiting(), 0u);
}

// What is checked ahead is taken only by the archive of the same book,
// unchanged since; entries seen are not packed again for the archive.
TEST(Pipeline, WhatIsCheckedAheadIsTakenOnlyFromTheSameUnchangedBook)
{
    TempFolder dir;
    const std::string book = dir / "book.epub";
    WriteFile(book, "one");
    Counted counted;
    Pipeline pipeline(2, 1000 * EntryBytes, counted.Step());
    std::vector<PackJob> archive = CarriedJobs(20);
    PackJob file;
    file.path = dir / "edited.css";
    file.name = "css";
    archive.insert(archive.begin() + 5, file);

    pipeline.Ahead(book, CarriedJobs(20));
    pipeline.WaitIdle();
    ASSERT_EQ(counted.steps, 20) << "checked ahead";
    {
        const auto seen = pipeline.Ahead(book, CarriedJobs(20));
        std::string shown;
        ASSERT_TRUE(seen->See(3, [&](const std::string& bytes) { shown = bytes; }, [] {}));
        EXPECT_EQ(shown, "seen e3");
        EXPECT_EQ(counted.steps, 21) << "checked ahead without its bytes kept: checked again once";
        const auto batch = pipeline.Start(book, archive);
        for (std::size_t i = 0; i < archive.size(); ++i)
            ASSERT_EQ(NameIn(batch->Take(i, [] {})), archive[i].name);
    }
    EXPECT_EQ(counted.steps, 22) << "only the file was packed when the archive was written";

    // Only the last two books checked ahead are kept: a third ends the
    // oldest, and leaves the other's work as it was.
    const std::string other = dir / "other.epub", third = dir / "third.epub";
    WriteFile(other, "two");
    WriteFile(third, "three");
    pipeline.Ahead(other, CarriedJobs(20));
    pipeline.Ahead(book, CarriedJobs(20));
    pipeline.Ahead(third, CarriedJobs(1));
    pipeline.WaitIdle();
    const int checked = counted.steps;
    {
        const auto batch = pipeline.Start(book, CarriedJobs(20));
        for (std::size_t i = 0; i < 20; ++i)
            batch->Take(i, [] {});
    }
    EXPECT_EQ(counted.steps, checked) << "the book checked ahead kept all of its work";

    pipeline.Ahead(book, CarriedJobs(20));
    pipeline.WaitIdle();
    WriteFile(book, "the book as another program rewrote it");
    {
        const auto batch = pipeline.Start(book, archive);
        for (std::size_t i = 0; i < archive.size(); ++i)
            batch->Take(i, [] {});
    }
    EXPECT_EQ(counted.steps, checked + 20 + 21) << "a changed book is packed again, all of it";
    EXPECT_EQ(pipeline.Waiting(), EntryBytes) << "the third book's work is kept until dropped";
    pipeline.DropAhead();
    EXPECT_EQ(pipeline.Waiting(), 0u);
}

}  // namespace

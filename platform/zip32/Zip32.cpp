// zip32 on libzip: the C entry points. They keep what the caller set
// (callbacks, options, the reference archive, the entries to carry) for
// the next archive, which Packer writes; no failure crosses them.
#include "CreationMask.h"
#include "Packer.h"
#include "Pipeline.h"
#include "ServiceClock.h"
#include "zip32.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace platform;

ZIPUSERFUNCTIONS g_functions{};
bool g_initialized = false;
ZPOPT g_options{};
std::optional<std::string> g_reference;
std::optional<CarriedEntries> g_carried;  // for the next archive only

// The patterns a caller hands over, nullopt when they cannot be read.
std::optional<std::vector<std::string>> PatternsOf(int count, const char* const* patterns)
{
    if (count < 0 || (count > 0 && !patterns))
        return std::nullopt;
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        if (patterns[i])
            out.emplace_back(patterns[i]);
    return out;
}

}  // namespace

extern "C" int ZpInit(ZIPUSERFUNCTIONS* functions)
{
    try {
        CreationMask();  // read before any work (see there)
    } catch (...) {
        return 0;
    }
    g_initialized = functions && functions->print;
    g_functions = g_initialized ? *functions : ZIPUSERFUNCTIONS{};
    return g_initialized ? 1 : 0;
}

extern "C" int ZpSetOptions(ZPOPT* options)
{
    if (!options)
        return 0;
    g_options = *options;
    return 1;
}

extern "C" ZPOPT ZpGetOptions(void)
{
    return g_options;
}

extern "C" int ZpSetReference(const char* archivePath)
{
    try {
        g_reference = archivePath && *archivePath ? std::optional<std::string>(archivePath) : std::nullopt;
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" int ZpCarryReference(int patternCount, const char* const* patterns)
{
    try {
        g_carried.reset();
        const auto allBut = PatternsOf(patternCount, patterns);
        if (!g_reference || !allBut)
            return -1;
        g_carried = CarriedEntries::Read(*g_reference, *allBut);
        if (!g_carried || g_carried->FileCount() > INT32_MAX) {
            g_carried.reset();
            return -1;
        }
        return static_cast<int>(g_carried->FileCount());
    } catch (...) {
        g_carried.reset();
        return -1;
    }
}

extern "C" int ZpPrefixCarried(const char* name, const char* prefix, uint32_t length)
{
    try {
        return g_carried && name && (prefix || length == 0) &&
               g_carried->SetPrefix(name, std::string(prefix ? prefix : "", length));
    } catch (...) {
        return 0;
    }
}

extern "C" int ZpTransformCarried(int patternCount, const char* const* patterns, ZpTransformFn transform,
                                  void* context)
{
    try {
        const auto named = PatternsOf(patternCount, patterns);
        if (!g_carried || !named || !transform)
            return -1;
        const std::size_t count =
            g_carried->SetTransform(*named, std::make_shared<const EntryTransform>(EntryTransform{transform, context}));
        return count > INT32_MAX ? INT32_MAX : static_cast<int>(count);
    } catch (...) {
        return -1;
    }
}

extern "C" int ZpSeeCarried(int patternCount, const char* const* patterns, ZpSeeFn see, void* context)
{
    try {
        const auto seen = PatternsOf(patternCount, patterns);
        if (!g_carried || !seen || !see)
            return -1;
        const std::vector<PackJob> jobs = CarriedJobs(*g_carried, g_options, *seen);
        const std::unique_ptr<Pipeline::Batch> batch = Pipeline::Shared().Ahead(g_carried->path(), jobs);
        ServiceClock clock;
        const auto whileWaiting = [&] {
            if (clock.Due() && g_functions.service) {
                clock.Served();
                g_functions.service("", 0);
            }
        };
        int handed = 0;
        bool stop = false;
        for (std::size_t i = 0; i < jobs.size() && !stop; ++i) {
            if (!jobs[i].seen)
                continue;
            const auto show = [&](const std::string& bytes) {
                stop = see(jobs[i].name.c_str(), bytes.data(), bytes.size(), context) != 0;
            };
            if (!batch->See(i, show, whileWaiting))
                return -1;
            ++handed;
        }
        return handed;
    } catch (...) {
        return -1;
    }
}

extern "C" int ZpPrefetchTransformed(const char* archivePath, int patternCount, const char* const* patterns,
                                     int seenCount, const char* const* seen, int transformedCount,
                                     const char* const* transformed, ZpTransformFn transform, void* context)
{
    try {
        const auto allBut = PatternsOf(patternCount, patterns);
        const auto shown = PatternsOf(seenCount, seen);
        const auto named = PatternsOf(transformedCount, transformed);
        if (!allBut || !shown || !named || (!named->empty() && !transform))
            return 0;
        Pipeline& pipeline = Pipeline::Shared();
        if (!archivePath || !*archivePath) {
            pipeline.DropAhead();
            return 1;
        }
        if (std::optional<CarriedEntries> carried = CarriedEntries::Read(archivePath, *allBut)) {
            if (!named->empty())
                carried->SetTransform(*named, std::make_shared<const EntryTransform>(EntryTransform{transform, context}));
            pipeline.Ahead(archivePath, CarriedJobs(*carried, g_options, *shown));
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" int ZpPrefetchReference(const char* archivePath, int patternCount, const char* const* patterns,
                                   int seenCount, const char* const* seen)
{
    return ZpPrefetchTransformed(archivePath, patternCount, patterns, seenCount, seen, 0, nullptr, nullptr, nullptr);
}

extern "C" int ZpArchive(ZCL C)
{
    if (!g_initialized)
        return ZE_NOINIT;
    try {
        return WriteArchive({C, g_options, g_functions, g_reference, std::exchange(g_carried, std::nullopt)});
    } catch (const std::bad_alloc&) {
        return ZE_MEM;
    } catch (...) {
        return ZE_WRITE;
    }
}

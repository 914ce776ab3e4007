// Listing the books of a large library, by the core and by the window: 100,000 files in 1,000 folders at
// three levels, 30,000 of them books.
#include "BookDiscovery.h"
#include "Form1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Folders = 1000;
constexpr int FilesPerFolder = 100;
constexpr int BooksPerFolder = 30;

// Made once per process, removed at exit.
const std::string& Library()
{
    static const std::string root = [] {
        std::string pattern = (fs::temp_directory_path() / "bindwell-discovery-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        for (int f = 0; f < Folders; ++f) {
            const fs::path folder = fs::path(pattern) / ("Author " + std::to_string(f % 10)) /
                                    ("Series " + std::to_string(f / 10 % 10)) / ("Shelf " + std::to_string(f));
            fs::create_directories(folder);
            for (int i = 0; i < FilesPerFolder; ++i) {
                const std::string name = i < BooksPerFolder ? "Volume " + std::to_string(i) + ".epub"
                                                            : "page-" + std::to_string(i) + (i % 2 ? ".jpg" : ".txt");
                const int fd = ::open((folder / name).c_str(), O_CREAT | O_WRONLY, 0644);
                if (fd >= 0)
                    ::close(fd);
            }
        }
        std::atexit([] { fs::remove_all(Library()); });
        return pattern;
    }();
    return root;
}

void ListLibrary(benchmark::State& state)
{
    const std::string& root = Library();
    std::size_t found = 0;
    for (auto _ : state) {
        found = ListBooks(root).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["books"] = static_cast<double>(found);
    if (found != static_cast<std::size_t>(Folders * BooksPerFolder))
        state.SkipWithError("wrong number of books");
}
BENCHMARK(ListLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The first listing after start-up: nothing of the tree in the page cache.
// Needs root, to drop the caches before each listing.
void ListLibraryCold(benchmark::State& state)
{
    const std::string& root = Library();
    const auto dropCaches = [] {
        ::sync();
        const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY);
        const bool dropped = fd >= 0 && ::write(fd, "3", 1) == 1;
        if (fd >= 0)
            ::close(fd);
        return dropped;
    };
    for (auto _ : state) {
        state.PauseTiming();
        if (!dropCaches()) {
            state.SkipWithError("cannot drop the page cache (needs root)");
            break;
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(ListBooks(root).size());
    }
}
BENCHMARK(ListLibraryCold)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same listing into the main window's list, ticks and all.
void ListLibraryIntoTheWindow(benchmark::State& state)
{
    const std::string& root = Library();
    std::size_t found = 0;
    for (auto _ : state) {
        Form1 window;
        window.FindBooks(root + "/", "");
        found = window.EntryCount();
    }
    state.counters["books"] = static_cast<double>(found);
}
BENCHMARK(ListLibraryIntoTheWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

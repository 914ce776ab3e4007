// bindwell-cli killed with SIGKILL at random instants of a run over 50
// books, keeping the originals in the Trash: after every kill each book is
// its old self byte for byte or a complete fixed book, every original that
// left its path is whole in the Trash, and the next run leaves nothing of
// the killed one.
#include "BookBuilder.h"
#include "ProgramFolder.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int BookCount = 50;
constexpr int KillsPerShard = 50;
constexpr int Shards = 4;

using Contents = std::map<std::string, std::string>;

struct Book {
    std::string entry;
    std::string original;  // the file's bytes
    Contents fixed;        // what a complete fix holds
};

class CrashSafety : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        for (int i = 0; i < BookCount; ++i) {
            const std::string entry = (i % 5 == 0 ? "Shelf " + std::to_string(i % 3) + "/" : "") + "book" +
                                      std::to_string(i) + ".epub";
            MakeEpub(master / entry, i % 2 ? EpubVersion::Two : EpubVersion::Three, "Book " + std::to_string(i));
            books.push_back({entry, ReadFile(master / entry), {}});
        }
        // One run to its end gives the fixed books and the time a run takes.
        fs::copy(master.path(), reference / "lib", fs::copy_options::recursive);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(Wait(StartCli(reference / "lib")), 0);
        runTime = std::chrono::steady_clock::now() - start;
        for (Book& book : books) {
            auto contents = ZipContents(reference / ("lib/" + book.entry));
            ASSERT_TRUE(contents.has_value()) << book.entry;
            book.fixed = *contents;
        }
    }

    pid_t StartCli(const std::string& folder)
    {
        const std::string cli = ProgramFolder() + "bindwell-cli";
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
            ::setenv("XDG_DATA_HOME", (folder + "-data").c_str(), 1);
            ::freopen("/dev/null", "w", stdout);
            ::freopen("/dev/null", "w", stderr);
            ::execl(cli.c_str(), cli.c_str(), "--fonts", "--font-sizes", "--justify", "--keep-originals",
                    folder.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return pid;
    }

    static int Wait(pid_t pid)
    {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

    // What a run left beside the books and in the working folder's place.
    std::vector<std::string> Leftovers(const std::string& folder)
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.path().filename().string().find(".tmp") != std::string::npos)
                found.push_back(entry.path().string());
        for (const auto& entry : fs::directory_iterator(runtime.path()))
            found.push_back(entry.path().string());
        return found;
    }

    // What the Trash of a run over library holds: the path each .trashinfo
    // names, with the bytes of its file. A file without its .trashinfo
    // fails the test.
    std::multimap<std::string, std::string> Trashed(const std::string& library)
    {
        std::multimap<std::string, std::string> trashed;
        const std::string trash = library + "-data/Trash";
        if (!fs::exists(trash + "/files"))
            return trashed;
        for (const auto& file : fs::directory_iterator(trash + "/files")) {
            const std::string info = trash + "/info/" + file.path().filename().string() + ".trashinfo";
            EXPECT_TRUE(fs::exists(info)) << file.path();
            if (!fs::exists(info))
                continue;
            const std::string text = ReadFile(info);
            const auto at = text.find("\nPath=") + 6;
            std::string path;
            for (std::size_t i = at; i < text.size() && text[i] != '\n'; ++i) {
                if (text[i] == '%') {
                    path += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                    i += 2;
                } else {
                    path += text[i];
                }
            }
            trashed.emplace(path, ReadFile(file.path().string()));
        }
        return trashed;
    }

    TempFolder master, reference, work, runtime, config;
    std::vector<Book> books;
    std::chrono::steady_clock::duration runTime{};
};

TEST_P(CrashSafety, EveryBookIsWholeAfterAKillAndTheNextRunCleansUp)
{
    std::mt19937 random(static_cast<unsigned>(GetParam()) * 7919u + 17u);
    // The instants are drawn from the time a whole run took once; a kill
    // that comes after the run has ended is not counted, and the next are
    // drawn from a shorter time, so that a machine that has become less
    // busy since still sees every kill land inside a run.
    long long window = std::chrono::duration_cast<std::chrono::microseconds>(runTime).count();
    int kills = 0, checked = 0, fixedSeen = 0, packing = 0, working = 0, trashedSeen = 0;
    for (int k = 0; kills < KillsPerShard && k < 4 * KillsPerShard; ++k) {
        std::uniform_int_distribution<long long> instant(0, window);
        const std::string library = work / ("lib" + std::to_string(k));
        fs::copy(master.path(), library, fs::copy_options::recursive);
        const pid_t pid = StartCli(library);
        std::this_thread::sleep_for(std::chrono::microseconds(instant(random)));
        ::kill(pid, SIGKILL);
        if (Wait(pid) == -SIGKILL)
            ++kills;
        else
            window = window * 3 / 4;

        // Where the run stood: packing (a .tmp beside a book), or inside a book.
        const std::vector<std::string> left = Leftovers(library);
        packing += std::any_of(left.begin(), left.end(), [](const std::string& p) { return p.find(".tmp") != p.npos; });
        working += fs::exists(runtime / "Bindwell");
        const std::multimap<std::string, std::string> trashed = Trashed(library);
        for (const Book& book : books) {
            const std::string path = library + "/" + book.entry;
            const auto [first, last] = trashed.equal_range(path);
            for (auto it = first; it != last; ++it)
                ASSERT_EQ(it->second, book.original) << "kill " << k << ": the Trash holds a damaged " << book.entry;
            ++checked;
            if (ReadFile(path) == book.original)
                continue;
            const auto contents = ZipContents(path);
            ASSERT_TRUE(contents.has_value()) << "kill " << k << ": " << book.entry << " is damaged";
            ASSERT_EQ(*contents, book.fixed) << "kill " << k << ": " << book.entry << " is neither old nor fixed";
            ASSERT_NE(first, last) << "kill " << k << ": the original of " << book.entry << " is not in the Trash";
            ++fixedSeen;
        }
        trashedSeen += static_cast<int>(trashed.size());

        ASSERT_EQ(Wait(StartCli(library)), 0);
        EXPECT_EQ(Leftovers(library), std::vector<std::string>{}) << "after kill " << k;
        fs::remove_all(library);
        fs::remove_all(library + "-data");
    }
    std::cout << "shard " << GetParam() << ": " << kills << " kills, " << checked << " books checked (" << fixedSeen
              << " found fixed, " << trashedSeen << " originals in the Trash); killed while a working folder existed " << working << " times, with a .tmp beside a book "
              << packing << " times; a whole run takes "
              << std::chrono::duration_cast<std::chrono::milliseconds>(runTime).count() << " ms\n";
    EXPECT_EQ(kills, KillsPerShard);
}

INSTANTIATE_TEST_SUITE_P(Shards, CrashSafety, ::testing::Range(0, Shards));

}  // namespace

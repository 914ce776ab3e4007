// A disk that fills up while a book is unpacked or packed: the book stays
// as it was, the message says the disk is full, nothing is left behind.
// Needs a small tmpfs of its own, so it runs as root or is skipped.
#include "BatchRun.h"
#include "FakePrompter.h"
#include "FakeWindow.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/mount.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A tmpfs of the given size, mounted for the life of the object.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& size)
    {
        const std::string options = "size=" + size + ",mode=0700";
        if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, options.c_str()) == 0)
            mounted_ = true;
        else
            reason_ = std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.path().c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    std::string operator/(const std::string& name) const { return folder_ / name; }
    const std::string& path() const { return folder_.path(); }

private:
    TempFolder folder_;
    bool mounted_ = false;
    std::string reason_;
};

// A book of pictures that do not compress; what the fix unpacks is the
// picture when it is named as a stylesheet.
void MakePictureBook(const std::string& path, std::size_t pictureBytes, const std::string& name = "OEBPS/photo.jpg")
{
    BuildZip(path, {{"mimetype", "application/epub+zip", EntrySpec::File, true},
                    {"META-INF/container.xml", "<container/>"},
                    {"OEBPS/content.opf", "<package><manifest></manifest></package>"},
                    {"OEBPS/book.css", "p { font-size: 12pt; }"},
                    {name, RandomBytes(pictureBytes, 3)}});
}

std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::chmod(runtime.path().c_str(), 0700);
        SettingsStore::LoadOptions();
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    ScratchSettings settings;
    FakePrompter prompter;
    FakeWindow window;
    TempFolder runtime, library;
};

TEST_F(FullDisk, WhileUnpacking)
{
    SmallDisk disk("1m");
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (" << disk.reason() << "); needs root";
    MakePictureBook(library / "book.epub", 3 << 20, "OEBPS/scans.css");
    const std::string before = ReadFile(library / "book.epub");
    ::setenv("XDG_RUNTIME_DIR", disk.path().c_str(), 1);  // the working folder on the small disk
    window.folder = library.path();
    window.Add("book.epub");

    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find("disk is full"), std::string::npos) << prompter.messages[0].text;
    EXPECT_EQ(ReadFile(library / "book.epub"), before);
    EXPECT_EQ(Entries(library.path()), std::vector<std::string>{"book.epub"});
    EXPECT_EQ(Entries(disk.path()), std::vector<std::string>{}) << "the working folder and its lock are gone";
}

TEST_F(FullDisk, WhilePacking)
{
    SmallDisk disk("2m");
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (" << disk.reason() << "); needs root";
    // The book fits; the book with its fonts beside it does not.
    MakePictureBook(disk / "book.epub", 1200 << 10);
    const std::string before = ReadFile(disk / "book.epub");
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    window.folder = disk.path();
    window.Add("book.epub");

    EXPECT_EQ(StartBatchRun(window), RunOutcome::Failure);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind("Zip error: 50", 0), 0u) << prompter.messages[0].text;
    EXPECT_NE(prompter.messages[0].text.find("disk is full"), std::string::npos);
    EXPECT_EQ(ReadFile(disk / "book.epub"), before);
    EXPECT_EQ(Entries(disk.path()), std::vector<std::string>{"book.epub"}) << "no .tmp, no scratch file";
    EXPECT_EQ(Entries(runtime.path()), std::vector<std::string>{});
}

}  // namespace

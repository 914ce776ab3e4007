// The desktop's Trash: which trash a file goes to, its names and its
// .trashinfo, and the two ways of keeping an original while its
// replacement takes its place.
#include "RunTimeError.h"
#include "TestFiles.h"
#include "Trash.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string Uid = std::to_string(::getuid());

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// A filesystem of its own at a folder for one test: a tmpfs, or a FAT
// image through fusefat (no hard links there, as on e-readers).
class SecondFilesystem {
public:
    enum Kind { Tmpfs, Fat };
    explicit SecondFilesystem(Kind kind)
    {
        if (kind == Tmpfs) {
            mounted_ = ::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, "size=4m") == 0;
        } else if (std::system("command -v fusefat > /dev/null && command -v mkfs.vfat > /dev/null") == 0) {
            const std::string image = image_ / "fat.img";
            mounted_ = std::system(("truncate -s 8M '" + image + "' && mkfs.vfat '" + image + "' > /dev/null && " +
                                    "fusefat -o rw+ '" + image + "' '" + folder_.path() + "' > /dev/null 2>&1")
                                       .c_str()) == 0;
            fuse_ = true;
        }
    }
    ~SecondFilesystem()
    {
        if (mounted_ && fuse_)
            std::system(("fusermount -u '" + folder_.path() + "' 2> /dev/null").c_str());
        else if (mounted_)
            ::umount2(folder_.path().c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& path() const { return folder_.path(); }

private:
    TempFolder image_, folder_;
    bool mounted_ = false;
    bool fuse_ = false;
};

TEST(Trash, TopFolderTrashFollowsTheRulesForDotTrash)
{
    TempFolder top;
    EXPECT_EQ(TopFolderTrash(top.path()), top / (".Trash-" + Uid)) << ".Trash missing";
    EXPECT_EQ(ModeOf(top / (".Trash-" + Uid)), 0700u);

    TempFolder elsewhere;
    ::chmod(elsewhere.path().c_str(), 01777);
    fs::create_directory_symlink(elsewhere.path(), top / ".Trash");
    EXPECT_EQ(TopFolderTrash(top.path()), top / (".Trash-" + Uid)) << ".Trash a link";
    EXPECT_FALSE(fs::exists(elsewhere / Uid));

    fs::remove(top / ".Trash");
    fs::create_directory(top / ".Trash");
    ::chmod((top / ".Trash").c_str(), 0777);
    EXPECT_EQ(TopFolderTrash(top.path()), top / (".Trash-" + Uid)) << ".Trash without the sticky bit";

    ::chmod((top / ".Trash").c_str(), 01777);
    EXPECT_EQ(TopFolderTrash(top.path()), top / (".Trash/" + Uid)) << ".Trash as it should be";
    EXPECT_EQ(ModeOf(top / (".Trash/" + Uid)), 0700u);

    // Where the user's own trash folder is a link, nothing goes there.
    TempFolder other;
    fs::remove_all(top / ".Trash");
    fs::remove_all(top / (".Trash-" + Uid));
    fs::create_directory_symlink(other.path(), top / (".Trash-" + Uid));
    EXPECT_THROW(TopFolderTrash(top.path()), RunTimeError);
}

TEST(Trash, TrashInfoSaysWhereAndWhen)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(TrashInfo("/home/u/Books/Les Mis\xC3\xA9rables #1.epub", 1796000000),
              "[Trash Info]\nPath=/home/u/Books/Les%20Mis%C3%A9rables%20%231.epub\nDeletionDate=2026-11-30T00:53:20\n");
    ::unsetenv("TZ");
    ::tzset();

    // A top folder's trash names the file from its top folder, which may be
    // mounted elsewhere next time; any other trash names it in full.
    EXPECT_EQ(PathInTrashInfo("/media/u/READER/.Trash-" + Uid, "/media/u/READER/Books/a.epub"), "Books/a.epub");
    EXPECT_EQ(PathInTrashInfo("/media/u/READER/.Trash/" + Uid, "/media/u/READER/a.epub"), "a.epub");
    EXPECT_EQ(PathInTrashInfo("/home/u/.local/share/Trash", "/home/u/Books/a.epub"), "/home/u/Books/a.epub");
    EXPECT_EQ(PathInTrashInfo("/media/u/READER/.Trash-" + Uid, "/media/u/OTHER/a.epub"), "/media/u/OTHER/a.epub");
}

// With hard links and without: the path holds the replacement, the Trash
// the original under a name no earlier original took, with its
// .trashinfo.
TEST(Trash, OriginalsGoToFreeNamesAndReplacementsTakeTheirPlace)
{
    for (const Trash::HardLinks links : {Trash::HardLinks::Try, Trash::HardLinks::Never}) {
        TempFolder books, trashFolder;
        const Trash trash(trashFolder.path(), links);
        const std::string book = books / "book.epub";
        WriteFile(trashFolder / "files/book.2.epub", "a file without its .trashinfo holds its name");
        for (int run = 1; run <= 2; ++run) {
            WriteFile(book, "original " + std::to_string(run));
            WriteFile(book + ".tmp", "fixed " + std::to_string(run));
            const std::string kept = trash.ReplaceKeepingOriginal(book + ".tmp", book);
            EXPECT_EQ(kept, trashFolder / (run == 1 ? "files/book.epub" : "files/book.3.epub"));
            EXPECT_EQ(ReadFile(kept), "original " + std::to_string(run));
            EXPECT_EQ(ReadFile(book), "fixed " + std::to_string(run));
            EXPECT_FALSE(fs::exists(book + ".tmp"));
            const std::string info = ReadFile(trashFolder / ("info/" + fs::path(kept).filename().string() +
                                                             ".trashinfo"));
            EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + book + "\nDeletionDate=", 0), 0u) << info;
        }
        EXPECT_FALSE(fs::exists(trashFolder / "info/book.2.epub.trashinfo"));
    }
}

// A trash that cannot take the original leaves the book as it was, and no
// .trashinfo of an original that did not arrive.
TEST(Trash, AFailureLeavesTheBookAsItWas)
{
    TempFolder books, trashFolder;
    const std::string book = books / "book.epub";
    WriteFile(book, "original");
    WriteFile(book + ".tmp", "fixed");
    WriteFile(trashFolder / "files", "a file where the folder should be");
    try {
        Trash(trashFolder.path()).ReplaceKeepingOriginal(book + ".tmp", book);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_NE(e.description().find("The original of \"" + book + "\" could not be put in the Trash"),
                  std::string::npos)
            << e.description();
    }
    EXPECT_EQ(ReadFile(book), "original");
    EXPECT_EQ(ReadFile(book + ".tmp"), "fixed");
    EXPECT_TRUE(fs::is_empty(trashFolder / "info"));
}

// A file on the home trash's filesystem goes there; one on another
// filesystem goes to that filesystem's top folder, also where it has no
// hard links (FAT).
TEST(Trash, EachFileGoesToTheTrashOfItsOwnFilesystem)
{
    ScratchSettings settings;  // the home trash
    TempFolder books;
    EXPECT_EQ(Trash::For(books / "book.epub").Folder(), settings.trash());

    for (const SecondFilesystem::Kind kind : {SecondFilesystem::Tmpfs, SecondFilesystem::Fat}) {
        SecondFilesystem disk(kind);
        if (!disk.mounted()) {
            std::cout << "[ SKIPPED  ] " << (kind == SecondFilesystem::Fat ? "FAT (fusefat)" : "tmpfs")
                      << ": cannot mount one here; needs root\n";
            continue;
        }
        const std::string book = disk.path() + "/Shelf/book.epub";
        WriteFile(book, "original");
        WriteFile(book + ".tmp", "fixed");
        const Trash trash = Trash::For(book);
        EXPECT_EQ(trash.Folder(), disk.path() + "/.Trash-" + Uid);
        EXPECT_EQ(ReadFile(trash.ReplaceKeepingOriginal(book + ".tmp", book)), "original");
        EXPECT_EQ(ReadFile(book), "fixed");
        EXPECT_EQ(ReadFile(trash.Folder() + "/info/book.epub.trashinfo").rfind("[Trash Info]\nPath=Shelf/book.epub\n", 0),
                  0u);
    }
}

}  // namespace

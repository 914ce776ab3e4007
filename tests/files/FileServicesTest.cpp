// The file services: listing order, hidden names, and the failures callers
// see when an operation cannot do its work.
#include "DirectoryListing.h"
#include "FileSystemObject.h"
#include "RunTimeError.h"
#include "TextFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

std::vector<std::string> ListAll(const std::string& folder)
{
    std::vector<std::string> names;
    DirectoryListing listing(folder);
    for (std::string name = listing.Next(); !name.empty(); name = listing.Next())
        names.push_back(name);
    return names;
}

template <typename F>
int ErrorNumberOf(F&& operation)
{
    try {
        operation();
    } catch (const RunTimeError& e) {
        EXPECT_FALSE(e.description().empty());
        return e.number();
    }
    return 0;
}

TEST(DirectoryListing, ListsDotEntriesFirstThenNamesWithoutCaseThenBytesAndHidesDotNames)
{
    TempFolder dir;
    for (const char* name : {"b.txt", "B.txt", "a.epub", "C", ".hidden", ".epub"})
        WriteFile(dir / name, "x");
    std::filesystem::create_directory(dir / "Sub");
    std::filesystem::create_directory(dir / ".git");
    EXPECT_EQ(ListAll(dir.folder()),
              (std::vector<std::string>{".", "..", "a.epub", "B.txt", "b.txt", "C", "Sub"}));
}

TEST(DirectoryListing, AFolderThatIsNotThereIsAPathNotFound)
{
    TempFolder dir;
    EXPECT_EQ(ErrorNumberOf([&] { DirectoryListing listing(dir / "none/"); }), ErrorNumber::PathNotFound);
}

TEST(FileSystemObject, FailuresCarryMeaningfulNumbers)
{
    TempFolder dir;
    const FileSystemObject& fso = FileSystem();
    WriteFile(dir / "file", "x");
    EXPECT_EQ(ErrorNumberOf([&] { fso.CreateFolder(dir / "file"); }), ErrorNumber::FileAlreadyExists);
    EXPECT_EQ(ErrorNumberOf([&] { fso.CreateFolder(dir / "no/such"); }), ErrorNumber::PathNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { fso.DeleteFile(dir / "none", true); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { fso.DeleteFolder(dir / "file", true); }), ErrorNumber::PathNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { fso.CopyFile(dir / "none", dir.folder(), true); }), ErrorNumber::FileNotFound);
    WriteFile(dir / "other", "y");
    EXPECT_EQ(ErrorNumberOf([&] { fso.MoveFile(dir / "file", dir / "other"); }), ErrorNumber::FileAlreadyExists);
    EXPECT_EQ(ReadFile(dir / "other"), "y");
    EXPECT_EQ(ErrorNumberOf([&] { ReadTextFile(dir / "none"); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { ReadTextFile(dir.path()); }), ErrorNumber::PathFileAccess);
}

TEST(FileSystemObject, ForcedDeletesTakeReadOnlyEntries)
{
    TempFolder dir;
    const FileSystemObject& fso = FileSystem();
    WriteFile(dir / "tree/inner/locked.txt", "x");
    ::chmod((dir / "tree/inner/locked.txt").c_str(), 0444);
    ::chmod((dir / "tree/inner").c_str(), 0555);
    fso.DeleteFolder(dir / "tree", true);
    EXPECT_FALSE(fso.FolderExists(dir / "tree"));

    WriteFile(dir / "ro.epub", "x");
    ::chmod((dir / "ro.epub").c_str(), 0444);
    DeleteFileIfExists(dir / "ro.epub");
    EXPECT_FALSE(fso.FileExists(dir / "ro.epub"));
    DeleteFileIfExists(dir / "ro.epub");  // nothing there: nothing happens
}

TEST(FileSystemObject, CopyAndMove)
{
    TempFolder dir;
    const FileSystemObject& fso = FileSystem();
    WriteFile(dir / "src/font.ttf", "new");
    WriteFile(dir / "dst/font.ttf", "old");
    fso.CopyFile(dir / "src/font.ttf", dir / "dst/", true);
    EXPECT_EQ(ReadFile(dir / "dst/font.ttf"), "new");
    fso.MoveFile(dir / "src/font.ttf", dir / "moved.ttf");
    EXPECT_FALSE(fso.FileExists(dir / "src/font.ttf"));
    EXPECT_EQ(ReadFile(dir / "moved.ttf"), "new");
    EXPECT_TRUE(fso.FolderExists(dir / "dst"));
    EXPECT_FALSE(fso.FileExists(dir / "dst"));
}

TEST(TextFile, ZeroBytesReadAsEmptyAndEveryWriteEndsInCrLf)
{
    TempFolder dir;
    WriteFile(dir / "empty.css", "");
    EXPECT_EQ(ReadTextFile(dir / "empty.css"), "");
    WriteEditedText(dir / "out.css", std::string("a\0b", 3), TextEncoding::Bytes);
    EXPECT_EQ(ReadFile(dir / "out.css"), std::string("a\0b\r\n", 5));
}

}  // namespace

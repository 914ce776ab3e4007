// The cut faces kept across runs: read back without cutting, cut again when
// damaged, no cache where the folder cannot be written, and the bound held.
#include "BookCharacters.h"
#include "FaceCache.h"
#include "FontFiles.h"
#include "LiberationFaces.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<char32_t> CharactersOf(const std::string& text)
{
    BookCharacters book;
    book.AddContentDocument("<html><body><p>" + text + "</p></body></html>");
    return book.Characters();
}

const std::vector<char32_t> German = CharactersOf("F\xC3\xBCnf B\xC3\xBC" "cher \xC3\xBC" "ber Stra\xC3\x9F" "en");

std::vector<std::string> CacheFiles(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        files.push_back(entry.path());
    return files;
}

// One run's four cut faces and their deflated bytes, as a book gets them.
struct RunFaces {
    std::vector<std::string> bytes, deflated;
    std::size_t setsCut = 0;
};

RunFaces CutInARun(const TempFolder& run, const std::string& cacheFolder, const std::vector<char32_t>& characters)
{
    FontStock stock(run / "fonts", cacheFolder);
    const std::optional<FontStock::CutSet> set = stock.Cut(characters);
    EXPECT_TRUE(set);
    RunFaces faces;
    if (!set)
        return faces;
    for (const LiberationFace& face : LiberationFaces::CopyOrder)
        faces.bytes.push_back(ReadFile(*set + "/" + face.fileName));
    if (const auto* deflated = stock.Deflated(*set))
        for (const FontStock::DeflatedFace& face : *deflated)
            faces.deflated.push_back(face.deflated);
    faces.setsCut = stock.SetsCut();
    stock.Remove();
    return faces;
}

}  // namespace

// A set cut in one run is the next run's without cutting, the same bytes
// whole and deflated; a damaged or cut-short file is cut again, into the
// same bytes, and stored anew.
TEST(FaceCache, ASetIsCutOnceAcrossRunsAndCutAgainWhenItsFileIsDamaged)
{
    TempFolder run, cache;
    const RunFaces first = CutInARun(run, cache.path(), German);
    ASSERT_EQ(first.setsCut, 1u);
    ASSERT_EQ(first.deflated.size(), 4u);
    ASSERT_EQ(CacheFiles(cache.path()).size(), 1u);

    const RunFaces second = CutInARun(run, cache.path(), German);
    EXPECT_EQ(second.setsCut, 0u) << "read back, not cut";
    EXPECT_TRUE(second.bytes == first.bytes);
    EXPECT_TRUE(second.deflated == first.deflated);

    const std::string file = CacheFiles(cache.path()).front();
    const std::string stored = ReadFile(file);
    std::string damaged = stored;
    damaged[damaged.size() - 20] ^= 0x40;  // inside the last face's deflated bytes
    for (const std::string& bad : {damaged, stored.substr(0, stored.size() / 2), std::string()}) {
        WriteFile(file, bad);
        const RunFaces again = CutInARun(run, cache.path(), German);
        EXPECT_EQ(again.setsCut, 1u) << "a damaged set is cut again";
        EXPECT_TRUE(again.bytes == first.bytes);
        EXPECT_TRUE(ReadFile(file) == stored) << "and stored anew";
    }
    // Another set of characters is another file; no temporary file stays.
    CutInARun(run, cache.path(), CharactersOf("\xD0\x96"));
    EXPECT_EQ(CacheFiles(cache.path()).size(), 2u);
}

// A cache folder that cannot be made or written: the faces are cut as
// without a cache, and nothing fails.
TEST(FaceCache, AFolderThatCannotBeWrittenIsNoCache)
{
    TempFolder run, home;
    WriteFile(home / "file", "not a folder");
    for (const std::string& folder : {home / "file/bindwell", std::string()}) {
        const RunFaces faces = CutInARun(run, folder, German);
        EXPECT_EQ(faces.setsCut, 1u);
        EXPECT_EQ(faces.bytes.size(), 4u);
        EXPECT_EQ(CutInARun(run, folder, German).setsCut, 1u);
    }
}

// The files together stay within the bound; past it, the sets used longest
// ago go first (down to three quarters of it), a use counting as new.
TEST(FaceCache, TheBoundDropsTheSetsUsedLongestAgo)
{
    TempFolder cache;
    PackedFaces faces;
    for (std::size_t i = 0; i < faces.size(); ++i)
        faces[i] = PackFace(std::string(3000 + i * 100, static_cast<char>('a' + i)) + "tail");
    const std::vector<char32_t> a = {U'a'}, b = {U'b'}, c = {U'c'};
    FaceCache sizing(cache.path());
    sizing.Store("k", a, faces);
    sizing.Finish();
    const std::uintmax_t oneSet = fs::file_size(CacheFiles(cache.path()).front());
    for (const std::string& file : CacheFiles(cache.path()))
        fs::remove(file);

    const std::uintmax_t bound = oneSet * 29 / 10;  // three quarters of it hold two sets
    FaceCache bounded(cache.path(), bound);
    const auto storeAt = [&](const std::vector<char32_t>& set, long seconds) {
        const auto before = CacheFiles(cache.path());
        bounded.Store("k", set, faces);
        bounded.Finish();
        for (const std::string& file : CacheFiles(cache.path()))
            if (std::find(before.begin(), before.end(), file) == before.end()) {
                const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
                ::utimensat(AT_FDCWD, file.c_str(), times, 0);
            }
    };
    storeAt(a, 1000);
    storeAt(b, 2000);
    ASSERT_TRUE(bounded.Find("k", a)) << "a used now, after b";
    storeAt(c, 3000);
    EXPECT_EQ(CacheFiles(cache.path()).size(), 2u);
    EXPECT_FALSE(bounded.Find("k", b));
    EXPECT_TRUE(bounded.Find("k", a));
    EXPECT_TRUE(bounded.Find("k", c));
    std::uintmax_t total = 0;
    for (const std::string& file : CacheFiles(cache.path()))
        total += fs::file_size(file);
    EXPECT_LE(total, bound);
    EXPECT_FALSE(bounded.Find("other key", a)) << "the key is part of what a set is";
}

#pragma once

// The cut faces kept across runs in the user's cache folder, each set with its deflated bytes and CRC-32.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One cut face as a book gets it: its bytes, and those bytes deflated
// once (a raw deflate stream, what an archive's entry holds) with their
// CRC-32.
struct PackedFace {
    std::string bytes;
    std::string deflated;
    std::uint32_t crc = 0;
};
using PackedFaces = std::array<PackedFace, 4>;  // in LiberationFaces::CopyOrder

// Deflates a cut face with libdeflate at FaceDeflateLevel, and its CRC-32:
// cut faces are new bytes in every book, so their compressed form is ours
// to choose. Measured on cut sets, libdeflate's level 6 gives streams
// 0.2 % larger than its level 9 and 0.7 % smaller than zlib's level 9, in
// less than half the time of either (see bench/README.md).
PackedFace PackFace(std::string bytes);
inline constexpr int FaceDeflateLevel = 6;

// Sets of cut faces kept across runs, one file a set in folder, named by
// a hash of everything the cut depends on: the whole faces' bytes (key
// says: FontSubsetter::WholeFacesDigest), the characters, and how the
// bytes were deflated. A file holds the characters (compared again when
// read) and each face's deflated bytes, size and CRC-32; reading inflates
// every face and checks it against both, so that a damaged or cut-short
// file is never used: the set is cut again and stored anew.
//
// A file is written whole under a temporary name, flushed to the disk, and
// renamed into place: a run that stops halfway leaves no file that could be
// read as a set. The writing is done on a thread of the cache's own, so
// that the run does not wait for the disk; Finish waits for it. The files
// together are kept within mostBytes, those used longest ago dropped first
// (a use touches a file's time): once they pass it, down to three quarters
// of it, so that a run of new sets lists the folder now and then, not at
// every set. A folder that cannot be made or written only means no cache:
// nothing fails.
//
// One object a run, used from one thread; several runs (processes) may use
// one folder at once.
class FaceCache {
public:
    static constexpr std::uint64_t MostBytes = 64u << 20;

    // folder empty: no cache at all.
    explicit FaceCache(std::string folder, std::uint64_t mostBytes = MostBytes);
    ~FaceCache();  // finishes the writing
    FaceCache(FaceCache&&) noexcept;
    FaceCache& operator=(FaceCache&&) noexcept;

    // $XDG_CACHE_HOME/bindwell, or ~/.cache/bindwell where it is not set
    // (or not an absolute path); empty where neither can be known.
    static std::string UserFolder();

    // The set stored for key and characters, checked; nullopt when none is,
    // or it does not read back whole.
    std::optional<PackedFaces> Find(std::string_view key, const std::vector<char32_t>& characters);

    // Stores a set for key and characters, replacing one stored before, and
    // drops the oldest sets past the bound, behind the caller's back.
    // Nothing happens where the folder cannot be written, nor while more
    // than a few sets wait to be written.
    void Store(std::string_view key, const std::vector<char32_t>& characters, const PackedFaces& faces);

    // Waits until every set stored is written (or found unwritable).
    void Finish();

    const std::string& Folder() const { return folder_; }

private:
    struct Writer;  // the thread that writes, and what waits for it

    std::string FileOf(std::string_view key, const std::vector<char32_t>& characters) const;

    std::string folder_;
    std::uint64_t mostBytes_;
    std::unique_ptr<Writer> writer_;  // from the first set stored
};

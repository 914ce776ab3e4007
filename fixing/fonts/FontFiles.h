#pragma once

// The run's copies of the four faces, whole or cut, and how a book's faces are told for ours.

#include "FaceCache.h"
#include "FaceSource.h"
#include "FontSubsets.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A file's size and CRC-32: how a book's copy of a font is told from ours
// without unpacking it, as the archive declares both for every entry.
struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    auto operator<=>(const FileFingerprint&) const = default;
};

// nullopt when no file is there; a file that cannot be read raises
// RunTimeError. Remembered per path while the file keeps its size and
// modification time.
std::optional<FileFingerprint> FingerprintOf(const std::string& path);

// The four font files for one run: copied once into a folder of the run's
// own, whole or cut down to a set of characters, and hard-linked from there
// into each book's working folder, which gives the book the same bytes as
// a copy without writing them again for every book (and the packer packs
// each set once). A link that cannot be made is a copy.
//
// Cut sets are kept across runs in a FaceCache with their deflated bytes:
// a set cut in an earlier run (or by another book) is read back, not cut
// again, and its faces go into each book as the cache holds them
// (Deflated).
class FontStock {
public:
    // folder: where the run keeps its copies (beside the working folder);
    // cacheFolder: where cut sets are kept across runs (empty: nowhere).
    explicit FontStock(std::string folder, std::string cacheFolder = FaceCache::UserFolder())
        : folder_(std::move(folder)), cache_(std::move(cacheFolder))
    {
    }

    // A set of the four faces cut down to some characters, written out
    // beside the whole ones (a folder of the run's).
    using CutSet = std::string;

    // The four faces cut down to characters (see FontSubsetter), each set
    // cut and written out once a run (the last MostCutSets sets are kept);
    // nullopt where they cannot be cut: then the whole faces. A font file
    // that cannot be read raises RunTimeError.
    std::optional<CutSet> Cut(const std::vector<char32_t>& characters);

    // Puts the four faces into workingFolder (ending in the separator), in
    // copy order: cut ones when given, else whole. A font file that cannot
    // be read raises RunTimeError.
    void PutInto(const std::string& workingFolder, const std::optional<CutSet>& cut = std::nullopt);

    // Whether a book's face, listed with the size and CRC-32 the archive
    // declares, is the fix's own: the whole face, or the whole face as the
    // fix cuts it down (told by its name records, see NamesItselfOurs).
    // bytes gives the book's face, read only when the listing cannot tell.
    bool IsOurs(const LiberationFace& face, const FileFingerprint& listed, const std::function<std::string()>& bytes);

    // One face of a cut set as the book is to hold it: the face's bytes
    // deflated (a raw deflate stream), their CRC-32 and size.
    struct DeflatedFace {
        std::string deflated;
        std::uint32_t crc = 0;
        std::uint64_t size = 0;
    };
    // The four faces of a set Cut gave, deflated once, in copy order;
    // nullptr when they are not (the packer deflates them).
    const std::array<DeflatedFace, 4>* Deflated(const CutSet& set) const;

    // How many sets this run cut with HarfBuzz (not read back from the
    // cache, nor made earlier in the run).
    std::size_t SetsCut() const { return cutter_ ? cutter_->SetsCut() : 0; }

    // Removes the run's copies, which go with the run, once the sets it cut
    // are written to the cache.
    void Remove();

private:
    void Stock();

    std::string folder_;
    bool stocked_ = false;
    FontSubsetter& Cutter();

    static constexpr std::size_t MostCutSets = 128;  // some hundred kilobytes each, in the run's folder
    std::unique_ptr<FontSubsetter> cutter_;
    // The cut sets written out, by the characters they have, and the order
    // they were made in, to let the oldest go.
    std::map<std::vector<char32_t>, CutSet> cutSets_;
    std::deque<std::vector<char32_t>> cutOrder_;
    std::size_t cutsMade_ = 0;
    std::set<std::pair<std::string, FileFingerprint>> knownCuts_;  // by face file name
    FaceCache cache_;
    std::map<CutSet, std::array<DeflatedFace, 4>> deflated_;  // of the sets in cutSets_
};

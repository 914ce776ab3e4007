#pragma once

// The run's copies of the four faces, whole or cut, and how a book's faces are told for ours.

#include "FaceSource.h"
#include "FontSubsets.h"

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
class FontStock {
public:
    // folder: where the run keeps its copies (beside the working folder).
    explicit FontStock(std::string folder) : folder_(std::move(folder)) {}

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

    // Removes the run's copies; they go with the run.
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
};

#pragma once

// The four faces cut down to a book's characters with HarfBuzz's subsetter.

#include "LiberationFaces.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One TrueType face cut down to characters with HarfBuzz's subsetter: the
// glyphs of the characters the face has, and what they need (the parts of
// composite glyphs, the glyphs the layout features reach: ligatures,
// marks, superiors; kerning), with all of the face's name records and its
// hinting. The same bytes and characters give the same bytes. nullopt when
// HarfBuzz cannot read or cut the face, or the cut face lacks a character
// the whole face has: the caller then embeds the whole face.
std::optional<std::string> SubsetFace(std::string_view wholeFace, const std::vector<char32_t>& characters);

// Whether candidate is wholeFace as SubsetFace cuts it down to some set of
// characters, byte for byte: cutting the whole face to the characters the
// candidate has gives the candidate back. This is how a second pass knows
// a book's cut faces for the fix's own, from the faces alone, without
// reading the book's text again.
bool IsCutFace(std::string_view wholeFace, std::string_view candidate);

// The four Liberation Serif faces cut down to one set of characters.
struct SubsetFaces {
    std::array<std::string, 4> bytes;  // in LiberationFaces::CopyOrder

    // The bytes of one of the four faces, to be put in the book under
    // face.fileName.
    const std::string& Of(const LiberationFace& face) const;
    // All four together.
    std::size_t Size() const;
};

// Cuts the four faces down to a book's characters, and keeps the cuts of
// the most recent sets of characters, so that a library of books with the
// same characters (a series, one language, one publisher's books) cuts
// each set once. The whole faces are read once, at the first use, from
// where FontSource finds them: one per run, as FontStock.
//
// It keeps at most MostSets sets and MostBytes of cut faces, dropping the
// set used longest ago first: an ordinary set's four faces take 100 to
// 300 KB, so this is a few dozen books' worth of variety for some
// megabytes, well inside the run's memory; the four whole faces (1.5 MB)
// are held besides. A set whose faces alone exceed MostBytes is cut but
// not kept.
//
// Safe to call from several threads; two threads asking for a set no one
// has cut yet both cut it, and get equal bytes.
class FontSubsetter {
public:
    static constexpr std::size_t MostSets = 16;
    static constexpr std::size_t MostBytes = 8u << 20;

    explicit FontSubsetter(std::size_t mostSets = MostSets, std::size_t mostBytes = MostBytes);
    ~FontSubsetter();
    FontSubsetter(const FontSubsetter&) = delete;
    FontSubsetter& operator=(const FontSubsetter&) = delete;

    // The four faces cut down to characters (as BookCharacters gives
    // them: ascending, each once). nullptr when a face cannot be cut:
    // then the book gets the whole faces. A font file that cannot be read
    // raises RunTimeError, as FontStock's copying does.
    std::shared_ptr<const SubsetFaces> FacesFor(const std::vector<char32_t>& characters);

    // Of characters (ascending, each once), those one of the whole faces
    // has: what a cut is made of. Sets that differ only in characters no
    // face has give the same cut.
    std::vector<char32_t> Covered(const std::vector<char32_t>& characters);

    // Whether candidate is one of the four faces as the fix cuts it, by its
    // name records alone: every cut of a face has the same, and they name
    // the face, its style and its version, so that an older or another
    // face of the name is told apart. Cheap: no cut is made but one per
    // face, once (IsCutFace cuts the face again to check every byte).
    bool NamesItselfOurs(const LiberationFace& face, std::string_view candidate);

    // IsCutFace for one of the four faces, read where FacesFor reads them
    // (and raising as it does).
    bool IsCutFace(const LiberationFace& face, std::string_view candidate);

    // A hash of what every cut depends on: the four whole faces' bytes and
    // the HarfBuzz that cuts them. Equal digests and characters give equal
    // cuts (what the cache of cut faces is keyed by).
    std::string WholeFacesDigest();

    // How many sets have been cut so far (not taken from the kept ones).
    std::size_t SetsCut() const { return setsCut_; }

private:
    struct Face;
    struct Kept {
        std::vector<char32_t> characters;
        std::shared_ptr<const SubsetFaces> faces;
    };

    // The whole faces, read at the first call; they never change after.
    const std::vector<std::unique_ptr<Face>>& WholeFaces();
    std::shared_ptr<const SubsetFaces> KeptFaces(const std::vector<char32_t>& characters);
    void Keep(const std::vector<char32_t>& characters, const std::shared_ptr<const SubsetFaces>& faces);

    const std::size_t mostSets_;
    const std::size_t mostBytes_;
    std::mutex mutex_;                        // guards what follows
    std::vector<std::unique_ptr<Face>> faces_;  // in CopyOrder, once read
    std::string digest_;                      // once asked for
    std::list<Kept> kept_;                    // the most recently used first
    std::size_t keptBytes_ = 0;
    std::atomic<std::size_t> setsCut_ = 0;
};

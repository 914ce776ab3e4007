#pragma once

#include <zip.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace platform {

// An entry of the reference archive whose compressed bytes a file of the
// same name may take instead of being deflated anew: stored or deflated,
// and not encrypted.
struct ReferenceEntry {
    zip_uint64_t index = 0;
    std::uint64_t size = 0;      // as unpacked
    std::uint32_t crc = 0;       // as the archive declares it
    std::uint64_t packedSize = 0;
    bool deflated = false;
    std::time_t mtime = 0;
};

// The entry at index when its bytes can be referred to (stored or
// deflated, not encrypted); st receives its raw stat.
std::optional<ReferenceEntry> ReadReferenceEntry(zip_t* archive, zip_uint64_t index, zip_stat_t& st);

// The entries of a reference archive by name, read from its directory on
// the caller's thread. An archive that cannot be opened has none.
class ReferenceIndex {
public:
    using EntryVisitor =
        std::function<bool(zip_uint64_t index, const zip_stat_t& st, const std::optional<ReferenceEntry>& entry)>;

    explicit ReferenceIndex(const std::string& path);
    // The entries of archive, open at path, each also shown to each with
    // its raw stat (no name when it cannot be read) and what it gives as a
    // reference; a false from each stops the reading.
    ReferenceIndex(const std::string& path, zip_t* archive,
                   const EntryVisitor& each);
    std::optional<ReferenceEntry> Find(const std::string& name) const;
    const std::string& path() const { return path_; }

private:
    void Read(zip_t* archive, const EntryVisitor& each);

    std::string path_;
    std::map<std::string, ReferenceEntry> entries_;
};

// Reads entries' compressed bytes out of the reference archive through a
// handle of its own, opened at first use; one thread at a time uses it (the
// pipeline lends each of its threads one of a work's readers).
class ReferenceReader {
public:
    explicit ReferenceReader(std::string path) : path_(std::move(path)) {}
    ~ReferenceReader();
    ReferenceReader(const ReferenceReader&) = delete;
    ReferenceReader& operator=(const ReferenceReader&) = delete;

    // False when they cannot be read whole.
    bool ReadPacked(const ReferenceEntry& entry, std::string& bytes);

    // Hands them to take piece by piece, so that a large entry is never
    // held whole; false when they cannot be read whole or take says stop.
    using Pieces = std::function<bool(const char* data, std::size_t length)>;
    bool ReadPackedPieces(const ReferenceEntry& entry, const Pieces& take);

    // The entry's compressed bytes opened for reading; nullptr when they
    // cannot be. The caller closes it.
    zip_file_t* OpenPacked(const ReferenceEntry& entry);

private:
    std::string path_;
    zip_t* archive_ = nullptr;
    bool opened_ = false;
};

}  // namespace platform

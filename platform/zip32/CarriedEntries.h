#pragma once

#include "EntryTransform.h"
#include "ReferenceArchive.h"

#include <sys/types.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace platform {

// An entry of the reference archive that goes into the new archive
// without ever being a file: a file entry, or a folder (an entry of its
// own, or one that a file's name goes through).
struct CarriedEntry {
    std::string name;  // below the root; a folder's without its closing '/'
    bool folder = false;
    ReferenceEntry entry;  // a file's
    std::string prefix;    // bytes the caller puts before a file's own (ZpPrefixCarried)
    SharedTransform transform;  // gives a file new bytes as it is packed (ZpTransformCarried)
};

// The entries a new archive carries from the reference archive: every entry
// that matches none of the caller's patterns (case ignored), as unpacking
// all but those entries and packing the folder would have put them in.
class CarriedEntries {
public:
    // nullopt when some entry to carry would not come out of unpacking and
    // packing as it is: a name that unpacking changes or refuses (a
    // backslash, an absolute path, "." or "..", a symbolic link), a file
    // named twice or also a folder, an encrypted entry, one packed other
    // than stored or deflated, or an archive that cannot be read.
    static std::optional<CarriedEntries> Read(const std::string& path, const std::vector<std::string>& allBut);

    const std::string& path() const { return index_->path(); }
    // Every entry of the reference, read along the way.
    const ReferenceIndex& index() const { return *index_; }
    std::size_t FileCount() const { return files_; }

    // The entry at relative, a path below the root; nullptr when none is
    // carried there.
    const CarriedEntry* Find(const std::string& relative) const;
    // Puts prefix before the bytes of the file carried as name; false when
    // no file is carried so.
    bool SetPrefix(const std::string& name, std::string prefix);
    // Gives transform every file carried whose name matches one of
    // patterns (case ignored); how many there are.
    std::size_t SetTransform(const std::vector<std::string>& patterns, const SharedTransform& transform);

    // The names carried directly in folder, "" for the root.
    std::vector<std::string> NamesIn(const std::string& folder) const;

    // The permission bits unpacking gives a new file or folder.
    mode_t fileMode() const { return fileMode_; }
    mode_t folderMode() const { return folderMode_; }

private:
    bool Take(zip_t* archive, zip_uint64_t index, std::string name, const std::optional<ReferenceEntry>& entry,
              const std::vector<std::string>& allBut);
    bool Add(CarriedEntry carried);

    std::optional<ReferenceIndex> index_;
    std::map<std::string, CarriedEntry> byPath_;
    std::map<std::string, std::set<std::string>> children_;
    std::size_t files_ = 0;
    mode_t fileMode_ = 0644;
    mode_t folderMode_ = 0755;
};

}  // namespace platform

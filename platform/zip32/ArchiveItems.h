#pragma once

#include "CarriedEntries.h"
#include "EntryPacking.h"

#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace platform {

// One entry of a new archive: a file or folder below the root, or an
// entry carried from the reference that has no file.
struct Item {
    std::string path;  // on disk
    std::string name;  // in the archive
    bool folder = false;
    struct stat st {};
    const CarriedEntry* carried = nullptr;
};

// How names are taken (the caller's options).
struct WalkRules {
    bool recurse = true;        // the contents of matching folders, recursively
    bool junkFolders = false;   // names without their folders
    bool folderEntries = true;  // folders get entries of their own
};

struct ArchiveItems {
    std::vector<Item> items;
    std::string clash;  // a carried entry that a file or folder contradicts; empty when none
};

// The entries of a new archive, in the order they are packed: what below
// root matches one of patterns, merged with the carried entries, each
// folder's names in NameOrderLess, folders walked depth first where they
// come; a top-level "mimetype" file first (stored, so that a packed EPUB
// stays a valid container). Nothing is left out for its name: a leading
// dot marks no file as hidden, and a book's own ".DS_Store" is part of the
// book. Symbolic links are skipped (warn says so), and so is the archive
// itself. root nullopt: the carried entries alone (a book checked ahead).
ArchiveItems WalkArchiveItems(const std::optional<std::string>& root, const std::vector<std::string>& patterns,
                              WalkRules rules, const CarriedEntries* carried, std::pair<dev_t, ino_t> archive,
                              const std::function<void(const std::string&)>& warn);

// One job per file entry, in archive order: deflated at level, "mimetype"
// stored; index gives each file its reference entry; carried entries whose
// names match one of seen are to be seen.
std::vector<PackJob> JobsFor(const std::vector<Item>& items, int level, const ReferenceIndex& index,
                             const std::vector<std::string>& seen = {});

}  // namespace platform

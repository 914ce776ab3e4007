#pragma once

#include "CarriedEntries.h"
#include "EntryPacking.h"
#include "zip32.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The deflate level the options ask for; 0 stores.
int DeflateLevel(const ZPOPT& options);

// The jobs of the entries an archive carries from the reference, alone,
// in the order the archive packs them, with the options' level: what a
// book checked ahead, or seen, packs. Entries matching one of seen are to
// be seen.
std::vector<PackJob> CarriedJobs(const CarriedEntries& carried, const ZPOPT& options,
                                 const std::vector<std::string>& seen = {});

// What one archive is written with.
struct ArchiveRequest {
    ZCL command;
    ZPOPT options;
    ZIPUSERFUNCTIONS functions;
    std::optional<std::string> reference;   // ZpSetReference
    std::optional<CarriedEntries> carried;  // ZpCarryReference, for this archive only
};

// Writes one archive, as ZpArchive describes; one of the ZE_ codes.
int WriteArchive(ArchiveRequest request);

}  // namespace platform

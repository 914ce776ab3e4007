#pragma once

// Deflated bytes a caller hands over for the files of one name and content,
// packed as they are instead of deflating the file anew (ZpOfferDeflated).

#include "EntryPacking.h"

#include <cstdint>
#include <string>

namespace platform {

// Keeps deflated, a raw deflate stream said to inflate to size bytes with
// CRC-32 crc, for the files named name (the entry's name in the archive)
// packed from now on in this process. The most recent offers are kept, up
// to budget::Offered bytes; an offer of a name, size and CRC-32 already
// offered changes nothing. False when it cannot be kept.
bool OfferDeflated(const std::string& name, std::uint64_t size, std::uint32_t crc, std::string deflated);

// For a file job named name whose bytes raw have CRC-32 crc: fills out's
// compressed bytes with what was offered for that name, size and CRC-32,
// once they are seen to inflate to exactly raw (the first time inflated,
// then compared byte for byte). False when nothing offered fits: the file
// is packed as any other.
bool TakeOffered(const std::string& name, const std::string& raw, std::uint32_t crc, InMemory& out);

// For tests: forgets every offer.
void ForgetOffers();

}  // namespace platform

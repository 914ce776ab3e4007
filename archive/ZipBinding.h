#pragma once

#include "ZipRequest.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes the archive TheZipRequest() names through the Zip library and
// returns its result: 0 for success. When the library cannot be loaded or
// initialised it shows a message and returns RunZipNotInitialized, never 0.
int32_t RunZip();

inline constexpr int32_t RunZipNotInitialized = 60;

// Our addition: asks the library to begin checking and packing, on its
// threads behind the archive being written and with the request's
// options, the entries of book that an archive carrying all but allBut
// from it would take (ZpPrefetchReference), so that they are ready when it
// is packed; those matching seen also keep their inflated bytes for
// SeeCarriedEntries. An empty book drops what was checked ahead. Nothing
// happens where the library lacks that entry point.
// With transform, the entries it names are also shown to its function as
// they are checked ahead (ZpPrefetchTransformed), where the library can.
void PrefetchReferenceEntries(const std::string& book, const std::vector<std::string>& allBut,
                              const std::vector<std::string>& seen = {},
                              const std::optional<CarriedTransform>& transform = std::nullopt);

// Our addition: shows see the inflated bytes of every entry that RunZip
// will carry from the request's szReferenceZip (all but carryAllBut) whose
// name matches one of patterns (case ignored; "*" and "?"), one by one in
// the order the archive packs them, each once it is checked against its
// declared size and CRC-32 (ZpSeeCarried); nothing is written out, and
// RunZip then takes those checks as they are. see answers false to stop.
// Returns how many entries were shown, or RunZipCarriedEntryRefused when
// the entries cannot be carried, one is damaged, or the library lacks the
// entry points. Failures in see are its own: it must not throw.
using SeeEntry = std::function<bool(const std::string& name, std::string_view bytes)>;
int32_t SeeCarriedEntries(const std::vector<std::string>& patterns, const SeeEntry& see);

// RunZip's result when the entries the request asks to carry
// (carryAllBut) cannot be carried as unpacking and packing them would, or
// one of them turned out damaged: the archive was not written.
inline constexpr int32_t RunZipCarriedEntryRefused = 61;

// Our addition: hands the library deflated, a raw deflate stream of size
// bytes with CRC-32 crc, for the files named name (entry names) packed from
// now on, which then take these bytes as they are once the library has
// seen them inflate to the file's own (ZpOfferDeflated): bytes deflated
// once and kept, packed into every book that gets the file. False where
// the library lacks that entry point or refuses: the files are deflated as
// any other.
bool OfferDeflatedEntry(const std::string& name, std::string_view deflated, std::uint32_t crc, std::uint64_t size);

// The library's file name, found beside the program first. Tests point
// the binding at a library of their own; the next call loads it.
inline constexpr char ZipLibraryName[] = "libzip32.so";
void SetZipLibraryFile(const std::string& fileName);

#pragma once

#include "ZipRequest.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes the archive TheZipRequest() names through the Zip library and
// returns its result: 0 for success. When the library cannot be loaded or
// initialised it shows a message and returns RunZipNotInitialized, never 0.
int32_t RunZip();

inline constexpr int32_t RunZipNotInitialized = 60;

// Our addition: asks the library to begin checking and packing, on idle
// threads and with the request's options, the entries of book that an
// archive carrying all but allBut from it would take (ZpPrefetchReference),
// so that they are ready when it is packed. An empty book drops what was
// packed ahead. Nothing happens where the library lacks that entry point.
void PrefetchReferenceEntries(const std::string& book, const std::vector<std::string>& allBut);

// RunZip's result when the entries the request asks to carry
// (carryAllBut) cannot be carried as unpacking and packing them would, or
// one of them turned out damaged: the archive was not written.
inline constexpr int32_t RunZipCarriedEntryRefused = 61;

// The library's file name, found beside the program first. Tests point
// the binding at a library of their own; the next call loads it.
inline constexpr char ZipLibraryName[] = "libzip32.so";
void SetZipLibraryFile(const std::string& fileName);

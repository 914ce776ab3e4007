#pragma once

#include "UnzipRequest.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Unpacks the archive TheUnzipRequest() names through the UnZip library.
// Checks the library's version first: a refused version is shown and ends
// the program (ProgramEndRequest). A library that cannot be loaded, or
// lacks an entry point, raises RunTimeError. Returns the library's result.
int RunUnzip();

// Our addition: shows see the first size bytes of every file entry of book
// whose name matches one of patterns (case ignored; "*" and "?"), inflated,
// in the archive's order, nothing written (UzpReadHeads); see answers
// false to stop. Returns the library's result. A library without the
// entry point raises RunTimeError, as one without any of its entry points
// does; see must not throw.
using SeeHead = std::function<bool(const std::string& name, std::string_view head)>;
int ReadEntryHeads(const std::string& book, const std::vector<std::string>& patterns, std::size_t size,
                   const SeeHead& see);

// The library's results a caller tells apart: success, and no entry
// matching the names asked for. UnpackFailureText explains the others.
inline constexpr int UnzipSucceeded = 0;
inline constexpr int UnzipMatchedNothing = 11;

// The library's file name, found beside the program first. Tests point
// the binding at a library of their own; the next call loads it.
inline constexpr char UnzipLibraryName[] = "libunzip32.so";
void SetUnzipLibraryFile(const std::string& fileName);

// The version text of one version number, as the messages show it.
std::string UnzipVersionText(int32_t number, bool asApiVersion);

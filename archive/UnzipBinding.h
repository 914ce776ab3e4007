#pragma once

#include "UnzipRequest.h"

#include <string>

// Unpacks the archive TheUnzipRequest() names through the UnZip library.
// Checks the library's version first: a refused version is shown and ends
// the program (ProgramEndRequest). A library that cannot be loaded, or
// lacks an entry point, raises RunTimeError. Returns the library's result.
int RunUnzip();

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

#pragma once

// The batch run's requests to the unzip binding: listing and unpacking a book's entries.

#include "UnzipRequest.h"

#include <string>
#include <vector>

// The batch run's requests to the unzip binding. Each call fills the
// fields it needs, empties the results first, and returns the library's
// result; what the library printed and listed stays in TheUnzipRequest().

// The values every unpacking of a run shares: overwrite without asking,
// no comment, folders re-created.
void SetRunWideUnzipValues();

// Lists the entries of book named exactly as names; listedEntries holds
// what the archive declares of them.
int ListBookEntries(const std::string& book, const std::vector<std::string>& names);

// Unpacks into folder the entries that match one of patterns (case
// ignored; "*" and "?" as wildcards), or, with AllBut, every other entry.
// At most 100 patterns.
enum class Selection { Only, AllBut };
int UnpackBookEntries(const std::string& book, const std::string& folder, const std::vector<std::string>& patterns,
                      Selection which);

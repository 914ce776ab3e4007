#pragma once

// The zip request for packing one book's new archive.

#include <optional>
#include <string>
#include <vector>

// Fills the zip request for a book: the working folder packed whole,
// recursively, at the highest level, quietly, into archive (when given),
// with the book as the reference whose compressed bytes unchanged files
// keep, carrying from it every entry that matches none of carryAllBut
// when given. Entries to put bytes before are left as they are.
void SetPackingValues(const std::string& book, const std::string& workingFolder,
                      std::optional<std::vector<std::string>> carryAllBut, const std::string& archive = {});

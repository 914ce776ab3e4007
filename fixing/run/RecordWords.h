#pragma once

// What a book's record of its fix says, in the user's language: for the
// window's marks, the command line and a dry run alike.

#include "FixRecord.h"

#include <cstdint>
#include <string>

// What the fix did, as one list ("3 stylesheets, 41 declarations removed;
// the fonts embedded, cut to the book's characters (94 KB); language C →
// de"); empty where the record counts nothing. The new name last, as a run
// gives it ("now a.kepub.epub") or, wouldBe, a dry run ("would become
// a.kepub.epub").
std::string RecordWords(const FixRecord& record, bool wouldBe = false);

// Why a book fixed for Send to Kindle cannot be mailed to it: "Series/Atlas.epub
// is 63 MB: Send to Kindle takes at most 50 MB by e-mail.", entry being the
// book as the run names it and bytes its size.
std::string TooLargeForKindleText(const std::string& entry, std::uint64_t bytes);

// A size as the summaries give it: "940 bytes", "94 KB", "4.1 MB" (kilo
// and mega as a thousand and a million, as file managers count them).
std::string SizeText(std::uint64_t bytes);

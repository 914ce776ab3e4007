#pragma once

#include <cstddef>

// Every memory limit of the library, in one place. What the library holds
// at once is at most
//
//     Waiting + Held + Repeats + Offered + per thread, the entry it packs
//
// that is 32 + 24 + 48 + 8 MB and, for each of at most eight threads, one
// entry's bytes and their packing (at most 2 x WholeEntry for an entry
// read whole; a larger one is read in pieces). An archive of at most
// InMemoryArchive is assembled in memory, and then its entries, at most
// that much, are all it holds. Measured: a 588 MB book (sixty 5 MB
// pictures, a 200 MB stored film, 150 MB of deflated text) peaks at 64 MB
// in all, the program included.
namespace platform::budget {

constexpr std::size_t MB = std::size_t{1} << 20;

// Packed entries the threads have done and the writer has not yet taken,
// for the archive being written and the book checked ahead together: the
// threads stop there until the writer catches up, so that a book of
// thousands of pictures never waits in memory whole.
constexpr std::size_t Waiting = 32 * MB;

// The largest entry whose packed bytes are held whole from its packing to
// its writing; a larger one is read again from its file or book as libzip
// writes it.
constexpr std::size_t WholeEntry = 8 * MB;

// Packed bytes that the archive's libzip sources hold until libzip writes
// them, which it does only once every entry is added; beyond it, sources
// read their entry again when written.
constexpr std::size_t Held = 24 * MB;

// New archives up to this size are assembled in memory and written in a
// few large writes; libzip's own writes of a few kilobytes cost more than
// the writing.
constexpr std::size_t InMemoryArchive = 32 * MB;

// Contents met again (the four fonts in every book), kept with their
// packed bytes so that they are not deflated again: each at most
// RepeatEntry, all together at most Repeats.
constexpr std::size_t RepeatEntry = 4 * MB;
constexpr std::size_t Repeats = 48 * MB;

// Deflated bytes callers offered for files to come (ZpOfferDeflated), with
// the files' own bytes once checked: a few sets of four cut faces.
constexpr std::size_t Offered = 8 * MB;

}  // namespace platform::budget

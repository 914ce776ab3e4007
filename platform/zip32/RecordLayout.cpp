// The records of zip32.h keep the field order and integer widths of the
// published records: on a 32-bit build their tabled offsets, and on any
// build the natural layout of that order.
#include "Layout.h"
#include "zip32.h"

#include <cstddef>

using platform::NaturalOffset;

constexpr std::size_t Texts = 3 * sizeof(const char*);

static_assert(offsetof(ZPOPT, szRootDir) == sizeof(const char*));
static_assert(offsetof(ZPOPT, fTemp) == Texts);
static_assert(offsetof(ZPOPT, fQuiet) == Texts + 10 * 4);
static_assert(offsetof(ZPOPT, fRecurse) == Texts + 26 * 4);
static_assert(offsetof(ZPOPT, fRepair) == Texts + 27 * 4);
static_assert(offsetof(ZPOPT, fLevel) == Texts + 28 * 4);
static_assert(sizeof(ZPOPT) == NaturalOffset(Texts + 28 * 4 + 1, alignof(const char*)));
static_assert(sizeof(void*) != 4 ||
              (offsetof(ZPOPT, fTemp) == 12 && offsetof(ZPOPT, fQuiet) == 52 && offsetof(ZPOPT, fRecurse) == 116 &&
               offsetof(ZPOPT, fLevel) == 124 && sizeof(ZPOPT) == 128));

static_assert(offsetof(ZCL, lpszZipFN) == NaturalOffset(sizeof(int), alignof(const char*)));
static_assert(offsetof(ZCL, FNV) == offsetof(ZCL, lpszZipFN) + sizeof(const char*));
static_assert(sizeof(void*) != 4 || sizeof(ZCL) == 12);

static_assert(offsetof(ZIPUSERFUNCTIONS, service) == 3 * sizeof(void (*)()));

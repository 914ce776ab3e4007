// The records of unzip32.h keep the field order and integer widths of the
// published records: on a 32-bit build their tabled offsets, and on any
// build the natural layout of that order.
#include "Layout.h"
#include "unzip32.h"

#include <cstddef>

using platform::NaturalOffset;

static_assert(offsetof(DCL, StructVersID) == 0);
static_assert(offsetof(DCL, fPrivilege) == 72);
static_assert(offsetof(DCL, lpszZipFN) == NaturalOffset(76, alignof(const char*)));
static_assert(offsetof(DCL, lpszExtractDir) == offsetof(DCL, lpszZipFN) + sizeof(const char*));
static_assert(sizeof(void*) != 4 || (offsetof(DCL, lpszExtractDir) == 80 && sizeof(DCL) == 84));

static_assert(offsetof(USERFUNCTION, service32) == 7 * sizeof(void (*)()));
static_assert(offsetof(USERFUNCTION, TotalSizeComp) == 8 * sizeof(void (*)()));
static_assert(offsetof(USERFUNCTION, NumMembersHigh) == 8 * sizeof(void (*)()) + 5 * 4);

static_assert(offsetof(UZPVER2, flag) == 4);
static_assert(offsetof(UZPVER2, betalevel) == 8);
static_assert(offsetof(UZPVER2, date) == 18);
static_assert(offsetof(UZPVER2, zlib_version) == 38);
static_assert(offsetof(UZPVER2, unzip) == 48);
static_assert(offsetof(UZPVER2, zipinfo) == 52);
static_assert(offsetof(UZPVER2, os2dll) == 56);
static_assert(offsetof(UZPVER2, windll) == 60);
static_assert(offsetof(UZPVER2, dllapimin) == 64);
static_assert(sizeof(UZPVER2) == UZ_UZPVER2_LENGTH);

// The process's file mode creation mask, read once for the whole library.
#pragma once

#include <sys/types.h>

namespace platform {

// The process's file mode creation mask (umask): the permissions a file or
// folder the library creates is given, as if the program had created it
// itself. Read the first time it is asked for and kept; the library asks
// before its threads start (ZpInit, Pipeline::Shared). It is read from
// /proc without changing it; only where /proc cannot tell is it read by
// setting it for a moment, which would give a file that another thread
// creates meanwhile the wrong permissions: once, before any work.
mode_t CreationMask();

}  // namespace platform

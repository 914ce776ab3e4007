#pragma once

#include "unzip32.h"
#include "zip32.h"

#include <string>
#include <vector>

// What the fake libraries saw of the binding's last call.
struct FakeUnzipCall {
    int calls;
    DCL dcl;
    int includeCount, excludeCount;
    std::vector<std::string> include;  // "(null)" for null entries
    std::vector<std::string> exclude;
    std::string zipName, extractDir;
    bool zipNameNull, extractDirNull;
};

struct FakeZipCall {
    int inits, setOptions, archives;
    ZPOPT options;
    int argc;
    std::string zipName;
    std::vector<std::string> names;  // "(null)" for null entries
};

#pragma once

#include <string>

// The folder that holds the running program, ending in the separator;
// empty when the platform cannot tell.
std::string ProgramFolder();

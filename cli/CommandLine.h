#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the command line asked for.
struct CommandLine {
    enum class Action { Fix, List, Help, Version, UsageError };
    Action action = Action::Fix;
    std::string folder;
    std::vector<std::pair<std::string, bool>> options;  // option key, on
    bool save = false;
    std::string error;  // for UsageError
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

extern const char* const UsageText;

#pragma once

#include <string>

// The file a path leads to: the path itself, or, when its last part is a
// symbolic link, the file the link points at. A link whose target does not
// exist is returned as it is.
std::string RealFilePath(const std::string& path);

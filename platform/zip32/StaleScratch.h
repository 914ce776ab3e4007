#pragma once

#include <string>

namespace platform {

// libzip writes an archive into a scratch file beside it, "NAME.XXXXXX",
// and renames it at the end. A process killed meanwhile leaves that file
// behind; this removes such leftovers of an archive about to be written
// (regular files of this user's only).
void RemoveStaleScratchFiles(const std::string& archivePath);

}  // namespace platform

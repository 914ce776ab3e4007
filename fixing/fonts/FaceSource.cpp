// Where the four font files the fix embeds are read from.
#include "FaceSource.h"

#include "FileSystemObject.h"
#include "PathText.h"

namespace {

// The system's own copies, kept up to date by the system, rather than
// copies of ours: the build finds them where fonts-liberation2 puts them.
std::string g_fontFolder = BINDWELL_FONT_FOLDER;

}  // namespace

std::string InstalledFontFolder()
{
    return g_fontFolder;
}

void SetInstalledFontFolder(const std::string& folder)
{
    g_fontFolder = folder;
}

std::string FontSource(const std::string& fileName)
{
    if (FileSystem().FileExists(fileName))
        return fileName;
    const std::string installed = PathText::Join(g_fontFolder, fileName);
    return FileSystem().FileExists(installed) ? installed : fileName;
}

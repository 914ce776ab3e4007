#include "FontFiles.h"

#include "FileSystemObject.h"
#include "PathText.h"
#include "LiberationFaces.h"
#include "TextFile.h"
#include "WorkingFolder.h"

#include <zlib.h>

#include <map>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

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

std::optional<FileFingerprint> FingerprintOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    using Version = std::tuple<std::string, off_t, long, long>;
    static std::map<Version, FileFingerprint> known;
    const Version version{path, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
    if (const auto it = known.find(version); it != known.end())
        return it->second;

    const std::string bytes = ReadTextFile(path);
    const FileFingerprint print{bytes.size(), static_cast<std::uint32_t>(crc32_z(
                                                  crc32_z(0, nullptr, 0),
                                                  reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()))};
    known[version] = print;
    return print;
}

void FontStock::PutInto(const std::string& workingFolder)
{
    if (!stocked_) {
        RecreateFolder(folder_);
        for (const LiberationFace& face : LiberationFaces::CopyOrder)
            FileSystem().CopyFile(FontSource(face.fileName), PathText::AsFolder(folder_), true);
        stocked_ = true;
    }
    for (const LiberationFace& face : LiberationFaces::CopyOrder) {
        const std::string stocked = PathText::Join(folder_, face.fileName);
        const std::string placed = workingFolder + face.fileName;
        DeleteFileIfExists(placed);  // a book's own file of that name gives way
        if (::link(stocked.c_str(), placed.c_str()) != 0)
            FileSystem().CopyFile(stocked, workingFolder, true);
    }
}

void FontStock::Remove()
{
    stocked_ = false;
    DeleteFolderIfExists(folder_);
}

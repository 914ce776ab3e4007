// The four font files of one run, whole or cut, and how a book's copies are told for ours.
#include "FontFiles.h"

#include "FileSystemObject.h"
#include "PathText.h"
#include "LiberationFaces.h"
#include "TextFile.h"

#include <zlib.h>

#include <algorithm>
#include <map>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

FileFingerprint FingerprintOfBytes(const std::string& bytes)
{
    return {bytes.size(), static_cast<std::uint32_t>(crc32_z(crc32_z(0, nullptr, 0),
                                                             reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()))};
}

}  // namespace

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

    const FileFingerprint print = FingerprintOfBytes(ReadTextFile(path));
    known[version] = print;
    return print;
}

void FontStock::Stock()
{
    if (stocked_)
        return;
    RecreateFolder(folder_);
    for (const LiberationFace& face : LiberationFaces::CopyOrder)
        FileSystem().CopyFile(FontSource(face.fileName), PathText::AsFolder(folder_), true);
    stocked_ = true;
}

FontSubsetter& FontStock::Cutter()
{
    if (!cutter_)
        cutter_ = std::make_unique<FontSubsetter>();
    return *cutter_;
}

std::optional<FontStock::CutSet> FontStock::Cut(const std::vector<char32_t>& characters)
{
    const std::vector<char32_t> covered = Cutter().Covered(characters);
    if (const auto kept = cutSets_.find(covered); kept != cutSets_.end())
        return kept->second;
    // Cut in an earlier run, or else cut now, deflated once and kept for
    // the runs to come.
    const std::string key = Cutter().WholeFacesDigest();
    std::optional<PackedFaces> packed = cache_.Find(key, covered);
    if (!packed) {
        const std::shared_ptr<const SubsetFaces> faces = Cutter().FacesFor(covered);
        if (!faces)
            return std::nullopt;
        packed.emplace();
        for (std::size_t i = 0; i < packed->size(); ++i)
            (*packed)[i] = PackFace(faces->bytes[i]);
        cache_.Store(key, covered, *packed);
    }
    Stock();
    const CutSet set = PathText::Join(folder_, "cut-" + std::to_string(++cutsMade_));
    std::array<DeflatedFace, 4> deflated;
    for (std::size_t i = 0; i < packed->size(); ++i) {
        PackedFace& face = (*packed)[i];
        const char* name = LiberationFaces::CopyOrder[i].fileName;
        WriteWholeFile(PathText::Join(set, name), face.bytes);
        knownCuts_.insert({name, {face.bytes.size(), face.crc}});
        deflated[i] = {std::move(face.deflated), face.crc, face.bytes.size()};
    }
    if (std::all_of(deflated.begin(), deflated.end(), [](const DeflatedFace& face) { return !face.deflated.empty(); }))
        deflated_.emplace(set, std::move(deflated));
    cutSets_.emplace(covered, set);
    cutOrder_.push_back(covered);
    if (cutOrder_.size() > MostCutSets) {
        const CutSet oldest = cutSets_.at(cutOrder_.front());
        DeleteFolderIfExists(oldest);
        deflated_.erase(oldest);
        cutSets_.erase(cutOrder_.front());
        cutOrder_.pop_front();
    }
    return set;
}

const std::array<FontStock::DeflatedFace, 4>* FontStock::Deflated(const CutSet& set) const
{
    const auto found = deflated_.find(set);
    return found == deflated_.end() ? nullptr : &found->second;
}

bool FontStock::IsOurs(const LiberationFace& face, const FileFingerprint& listed,
                       const std::function<std::string()>& bytes)
{
    if (FingerprintOf(FontSource(face.fileName)) == listed || knownCuts_.count({face.fileName, listed}))
        return true;
    const std::string candidate = bytes();
    if (FingerprintOfBytes(candidate) != listed || !Cutter().NamesItselfOurs(face, candidate))
        return false;
    knownCuts_.insert({face.fileName, listed});
    return true;
}

void FontStock::PutInto(const std::string& workingFolder, const std::optional<CutSet>& cut)
{
    Stock();
    const std::string from = cut ? *cut : folder_;
    for (const LiberationFace& face : LiberationFaces::CopyOrder) {
        const std::string stocked = PathText::Join(from, face.fileName);
        const std::string placed = workingFolder + face.fileName;
        DeleteFileIfExists(placed);  // a book's own file of that name gives way
        if (::link(stocked.c_str(), placed.c_str()) != 0)
            FileSystem().CopyFile(stocked, workingFolder, true);
    }
}

void FontStock::Remove()
{
    cache_.Finish();  // the sets this run cut are kept before it ends
    stocked_ = false;
    cutSets_.clear();
    cutOrder_.clear();
    deflated_.clear();
    DeleteFolderIfExists(folder_);
}

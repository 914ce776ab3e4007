// A file of the cache of cut faces holding arbitrary bytes, read back as a
// set: reading may not crash, and a set it gives has four faces that match
// their CRC-32s; anything else is no set. Input that begins as a cache file
// does is the file; other input is written over a valid file from the
// offset its first two bytes give, so that damage deep in a file is tried.
#include "FaceCache.h"
#include "FuzzFiles.h"

#include <libdeflate.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const std::vector<char32_t> Characters = {U'a', U'\u00E9', U'\u2014'};

// The path of the one file the cache keeps, found once by storing a set.
const std::filesystem::path& SetFile()
{
    static const std::filesystem::path file = [] {
        const std::filesystem::path folder = ScratchFolder() / "cache";
        FaceCache cache(folder.string());
        PackedFaces faces;
        for (PackedFace& face : faces)
            face = PackFace("glyphs");
        cache.Store("fuzz", Characters, faces);
        cache.Finish();
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            return entry.path();
        std::abort();
    }();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string valid = ReadBytes(SetFile());
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (input.rfind("BWFACES", 0) == 0 || size < 2) {
        WriteBytes(SetFile(), data, size);
    } else {
        std::string damaged = valid;
        const std::size_t at = (data[0] | std::size_t{data[1]} << 8) % valid.size();
        damaged.replace(at, std::min(size - 2, valid.size() - at), input.substr(2));
        WriteBytes(SetFile(), reinterpret_cast<const std::uint8_t*>(damaged.data()), damaged.size());
    }
    FaceCache cache(SetFile().parent_path().string());
    if (const std::optional<PackedFaces> faces = cache.Find("fuzz", Characters))
        for (const PackedFace& face : *faces)
            if (libdeflate_crc32(0, face.bytes.data(), face.bytes.size()) != face.crc || face.deflated.empty())
                std::abort();
    return 0;
}

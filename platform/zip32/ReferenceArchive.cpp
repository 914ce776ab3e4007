#include "ReferenceArchive.h"

#include <algorithm>

namespace platform {

std::optional<ReferenceEntry> ReadReferenceEntry(zip_t* archive, zip_uint64_t index, zip_stat_t& st)
{
    st.name = nullptr;
    st.valid = 0;
    constexpr zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC |
                                    ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
    if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &st) != 0 || (st.valid & needed) != needed ||
        st.encryption_method != ZIP_EM_NONE || (st.comp_method != ZIP_CM_STORE && st.comp_method != ZIP_CM_DEFLATE))
        return std::nullopt;
    return ReferenceEntry{index, st.size, st.crc, st.comp_size, st.comp_method == ZIP_CM_DEFLATE,
                          (st.valid & ZIP_STAT_MTIME) ? st.mtime : 0};
}

ReferenceIndex::ReferenceIndex(const std::string& path) : path_(path)
{
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    if (!archive)
        return;
    Read(archive, {});
    zip_discard(archive);
}

ReferenceIndex::ReferenceIndex(const std::string& path, zip_t* archive,
                               const EntryVisitor& each)
    : path_(path)
{
    Read(archive, each);
}

void ReferenceIndex::Read(zip_t* archive, const EntryVisitor& each)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        const zip_uint64_t index = static_cast<zip_uint64_t>(i);
        const std::optional<ReferenceEntry> entry = ReadReferenceEntry(archive, index, st);
        if (each && !each(index, st, entry))
            return;
        if (!entry)
            continue;
        // A name met twice is no reference at all: which one is meant?
        const auto [it, fresh] = entries_.emplace(st.name, *entry);
        if (!fresh)
            it->second.packedSize = UINT64_MAX;
    }
}

std::optional<ReferenceEntry> ReferenceIndex::Find(const std::string& name) const
{
    const auto it = entries_.find(name);
    if (it == entries_.end() || it->second.packedSize == UINT64_MAX)
        return std::nullopt;
    return it->second;
}

ReferenceReader::~ReferenceReader()
{
    if (archive_)
        zip_discard(archive_);
}

zip_file_t* ReferenceReader::OpenPacked(const ReferenceEntry& entry)
{
    if (!opened_) {
        opened_ = true;
        archive_ = zip_open(path_.c_str(), ZIP_RDONLY, nullptr);
    }
    return archive_ ? zip_fopen_index(archive_, entry.index, ZIP_FL_COMPRESSED) : nullptr;
}

bool ReferenceReader::ReadPacked(const ReferenceEntry& entry, std::string& bytes)
{
    zip_file_t* file = OpenPacked(entry);
    if (!file)
        return false;
    bytes.resize(entry.packedSize);
    std::size_t done = 0;
    zip_int64_t got = 0;
    while (done < bytes.size() && (got = zip_fread(file, bytes.data() + done, bytes.size() - done)) > 0)
        done += static_cast<std::size_t>(got);
    char more;
    const bool whole = done == bytes.size() && zip_fread(file, &more, 1) == 0;
    zip_fclose(file);
    return whole;
}

bool ReferenceReader::ReadPackedPieces(const ReferenceEntry& entry, const Pieces& take)
{
    zip_file_t* file = OpenPacked(entry);
    if (!file)
        return false;
    std::string piece(std::min<std::uint64_t>(entry.packedSize + 1, 1u << 20), '\0');
    std::uint64_t done = 0;
    zip_int64_t got = 0;
    bool goOn = true;
    while (goOn && (got = zip_fread(file, piece.data(), piece.size())) > 0) {
        done += static_cast<std::uint64_t>(got);
        goOn = done <= entry.packedSize && take(piece.data(), static_cast<std::size_t>(got));
    }
    zip_fclose(file);
    return goOn && got == 0 && done == entry.packedSize;
}

}  // namespace platform

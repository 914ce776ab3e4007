#include "ReferenceArchive.h"

namespace platform {

ReferenceIndex::ReferenceIndex(const std::string& path) : path_(path)
{
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    if (!archive)
        return;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        const zip_uint64_t index = static_cast<zip_uint64_t>(i);
        constexpr zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC |
                                        ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
        if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &st) != 0 || (st.valid & needed) != needed ||
            st.encryption_method != ZIP_EM_NONE ||
            (st.comp_method != ZIP_CM_STORE && st.comp_method != ZIP_CM_DEFLATE))
            continue;
        // A name met twice is no reference at all: which one is meant?
        const auto [it, fresh] = entries_.emplace(
            st.name, ReferenceEntry{index, st.size, st.crc, st.comp_size, st.comp_method == ZIP_CM_DEFLATE});
        if (!fresh)
            it->second.packedSize = UINT64_MAX;
    }
    zip_discard(archive);
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

bool ReferenceReader::ReadPacked(const ReferenceEntry& entry, std::string& bytes)
{
    if (!opened_) {
        opened_ = true;
        archive_ = zip_open(path_.c_str(), ZIP_RDONLY, nullptr);
    }
    if (!archive_)
        return false;
    zip_file_t* file = zip_fopen_index(archive_, entry.index, ZIP_FL_COMPRESSED);
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

}  // namespace platform

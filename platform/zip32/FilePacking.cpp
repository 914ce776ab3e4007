#include "FilePacking.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace platform {
namespace {

bool ReadWhole(const std::string& path, std::string& bytes, std::time_t& mtime, int& err)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return false;
    }
    struct stat st {};
    ::fstat(fd, &st);
    mtime = st.st_mtime;
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    ::close(fd);
    return true;
}

// Deflates in pieces, so that a long deflate can report progress between
// them; without flushes, zlib gives the same bytes however the input is cut.
bool Deflate(const std::string& in, int level, std::string& out, const std::function<void()>& progress)
{
    constexpr std::size_t Piece = 256u << 10;
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    out.resize(deflateBound(&z, static_cast<uLong>(in.size())));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    std::size_t left = in.size();
    int rc = Z_OK;
    while (rc == Z_OK) {
        const std::size_t piece = std::min(left, Piece);
        z.avail_in += static_cast<uInt>(piece);
        left -= piece;
        rc = deflate(&z, left == 0 ? Z_FINISH : Z_NO_FLUSH);
        if (rc == Z_OK && progress)
            progress();
    }
    out.resize(z.total_out);
    deflateEnd(&z);
    return rc == Z_STREAM_END;
}

// Contents that come again, packed once. A content is first only noted by
// size, CRC and level; met a second time it is kept with its packed bytes,
// so that unique files (a book's pages and pictures) cost no memory.
class RepeatCache {
public:
    using Key = std::tuple<std::uint64_t, std::uint32_t, int>;
    struct Kept {
        std::string raw;
        bool deflated;
        std::string data;
    };

    bool Find(const Key& key, const std::string& raw, PackedBytes& out)
    {
        std::lock_guard<std::mutex> hold(mutex_);
        const auto it = kept_.find(key);
        if (it == kept_.end() || it->second.raw != raw)
            return false;
        out.deflated = it->second.deflated;
        out.data = it->second.data;
        return true;
    }

    void Offer(const Key& key, const std::string& raw, const PackedBytes& packed)
    {
        if (raw.size() > EntryLimit)
            return;
        std::lock_guard<std::mutex> hold(mutex_);
        if (seen_.insert(key).second || kept_.count(key) || keptBytes_ + raw.size() + packed.data.size() > TotalLimit)
            return;
        keptBytes_ += raw.size() + packed.data.size();
        kept_.emplace(key, Kept{raw, packed.deflated, packed.data});
    }

private:
    static constexpr std::size_t EntryLimit = 4u << 20;
    static constexpr std::size_t TotalLimit = 48u << 20;

    std::mutex mutex_;
    std::set<Key> seen_;
    std::map<Key, Kept> kept_;
    std::size_t keptBytes_ = 0;
};

RepeatCache g_repeats;

// Whether packed, a raw deflate stream, inflates to exactly raw and ends
// with its last byte.
bool InflatesTo(const std::string& packed, const std::string& raw, const std::function<void()>& progress)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    std::string piece(256u << 10, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    std::size_t compared = 0;
    int rc = Z_OK;
    bool same = true;
    while (same && rc == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(piece.data());
        z.avail_out = static_cast<uInt>(piece.size());
        rc = inflate(&z, Z_NO_FLUSH);
        const std::size_t got = piece.size() - z.avail_out;
        same = compared + got <= raw.size() && raw.compare(compared, got, piece, 0, got) == 0;
        compared += got;
        if (rc == Z_OK && progress)
            progress();
    }
    inflateEnd(&z);
    return same && rc == Z_STREAM_END && compared == raw.size() && z.avail_in == 0;
}

// Whether deflating raw at level gains at least 1%, judged by a sample of
// its beginning; small files are deflated and judged whole.
bool WorthDeflating(const std::string& raw, int level)
{
    constexpr std::size_t Sample = 64u << 10;
    if (raw.size() <= Sample)
        return true;
    std::string packed;
    return Deflate(raw.substr(0, Sample), level, packed, {}) && packed.size() * 100 < Sample * 99;
}

// Takes what the reference entry gives, when it may: see PackFile.
bool TakeFromReference(const PackJob& job, ReferenceReader* reader, std::string& raw, PackedBytes& out,
                       const std::function<void()>& progress)
{
    const std::optional<ReferenceEntry>& entry = job.reference;
    if (!entry || entry->size != out.size || entry->crc != out.crc)
        return false;
    if (entry->deflated && entry->packedSize < entry->size) {
        std::string packed;
        if (!reader || !reader->ReadPacked(*entry, packed) || !InflatesTo(packed, raw, progress))
            return false;
        out.deflated = out.fromReference = true;
        out.data = std::move(packed);
        return true;
    }
    if (!entry->deflated && WorthDeflating(raw, job.level))
        return false;
    out.data = std::move(raw);
    return true;
}

}  // namespace

PackedBytes PackFile(const PackJob& job, ReferenceReader* reader, const std::function<void()>& progress)
{
    PackedBytes out;
    std::string raw;
    if (!ReadWhole(job.path, raw, out.mtime, out.systemError))
        return out;
    out.ok = true;
    out.size = raw.size();
    out.crc = static_cast<std::uint32_t>(
        crc32_z(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(raw.data()), raw.size()));
    const int level = job.level;
    if (level <= 0) {
        out.data = std::move(raw);
        return out;
    }
    if (TakeFromReference(job, reader, raw, out, progress))
        return out;
    const RepeatCache::Key key{out.size, out.crc, level};
    if (g_repeats.Find(key, raw, out))
        return out;
    std::string packed;
    out.deflated = Deflate(raw, level, packed, progress) && packed.size() < raw.size();
    out.data = out.deflated ? std::move(packed) : raw;
    g_repeats.Offer(key, raw, out);
    return out;
}

}  // namespace platform

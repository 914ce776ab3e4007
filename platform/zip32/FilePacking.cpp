#include "FilePacking.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <set>
#include <string_view>
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

constexpr std::size_t Sample = 64u << 10;

// Whether deflating a file of size bytes that begin with start gains at
// least 1% at level, judged by a sample of its beginning; small files are
// deflated and judged whole.
bool WorthDeflating(std::string_view start, std::uint64_t size, int level)
{
    if (size <= Sample)
        return true;
    std::string packed;
    return Deflate(std::string(start.substr(0, Sample)), level, packed, {}) && packed.size() * 100 < Sample * 99;
}

std::uint32_t Crc(std::uint32_t crc, const char* data, std::size_t length)
{
    return static_cast<std::uint32_t>(crc32_z(crc, reinterpret_cast<const Bytef*>(data), length));
}

// Reads a carried entry's compressed bytes and checks them once: inflated
// as they are read (stored ones as they are), they must give exactly the
// size and CRC-32 the archive declares. packed, when given, receives the
// compressed bytes; raw receives up to rawLimit of the inflated ones. out
// receives the CRC-32 of the compressed bytes. False when the entry is
// damaged or cannot be read.
bool CheckCarried(const ReferenceEntry& entry, ReferenceReader& reader, std::string* packed, std::string& raw,
                  std::size_t rawLimit, PackedBytes& out, const std::function<void()>& progress)
{
    z_stream z{};
    if (entry.deflated && inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    std::string piece(entry.deflated ? 256u << 10 : 0, '\0');
    std::uint64_t size = 0;
    std::uint32_t crc = Crc(0, nullptr, 0), packedCrc = crc;
    int rc = entry.deflated ? Z_OK : Z_STREAM_END;
    // Takes inflated bytes: counted, summed, and kept up to rawLimit.
    auto take = [&](const char* data, std::size_t length) {
        size += length;
        crc = Crc(crc, data, length);
        if (raw.size() < rawLimit)
            raw.append(data, std::min(length, rawLimit - raw.size()));
        return size <= entry.size;
    };
    const bool read = reader.ReadPackedPieces(entry, [&](const char* data, std::size_t length) {
        packedCrc = Crc(packedCrc, data, length);
        if (packed)
            packed->append(data, length);
        if (progress)
            progress();
        if (!entry.deflated)
            return take(data, length);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
        z.avail_in = static_cast<uInt>(length);
        // Until the piece is used up and inflate has nothing more to give.
        while (rc == Z_OK) {
            z.next_out = reinterpret_cast<Bytef*>(piece.data());
            z.avail_out = static_cast<uInt>(piece.size());
            rc = inflate(&z, Z_NO_FLUSH);
            if (rc == Z_BUF_ERROR && z.avail_in == 0) {
                rc = Z_OK;  // wants the next piece
                break;
            }
            if ((rc != Z_OK && rc != Z_STREAM_END) || !take(piece.data(), piece.size() - z.avail_out))
                return false;
            if (z.avail_in == 0 && z.avail_out != 0)
                break;
        }
        return z.avail_in == 0;  // no bytes after the end of the deflate stream
    });
    if (entry.deflated)
        inflateEnd(&z);
    out.packedCrc = packedCrc;
    return read && rc == Z_STREAM_END && size == entry.size && crc == entry.crc;
}

// Reads and checks a carried entry (see PackFile). True with raw holding
// its bytes, or with out complete when it goes in as the reference holds
// it; false with out damaged when it is not what the archive declares.
bool TakeCarried(const PackJob& job, ReferenceReader* reader, std::string& raw, PackedBytes& out,
                 const std::function<void()>& progress)
{
    const ReferenceEntry& entry = *job.reference;
    out.mtime = entry.mtime;
    out.size = entry.size;
    out.crc = entry.crc;
    const bool large = entry.packedSize > KeepLimit;
    // A deflated entry smaller than its bytes goes in as it is, and so does
    // a large stored one that deflating would not make smaller: their bytes
    // are only checked, not kept (a small one's compressed bytes are).
    const bool asItIs = job.level > 0 && entry.deflated && entry.packedSize < entry.size;
    const bool storedLarge = !entry.deflated && large;
    std::string packed;
    const std::size_t rawLimit = asItIs ? 0 : storedLarge ? Sample : SIZE_MAX;
    if (!reader || !CheckCarried(entry, *reader, asItIs && !large ? &packed : nullptr, raw, rawLimit, out, progress)) {
        out.damaged = true;
        return false;
    }
    out.ok = true;
    if (storedLarge && (job.level <= 0 || !WorthDeflating(raw, entry.size, job.level))) {
        out.streamed = out.fromReference = true;
        raw.clear();
        return true;
    }
    if (storedLarge) {
        // Deflating gains: the whole of it is wanted after all.
        if (!reader->ReadPacked(entry, raw) || Crc(Crc(0, nullptr, 0), raw.data(), raw.size()) != entry.crc) {
            out.ok = false;
            out.damaged = true;
            return false;
        }
        return true;
    }
    if (asItIs) {
        out.deflated = out.fromReference = true;
        out.streamed = large;
        out.data = std::move(packed);
    }
    return true;
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
    if (!entry->deflated && WorthDeflating(raw, raw.size(), job.level))
        return false;
    out.data = std::move(raw);
    return true;
}

}  // namespace

PackedBytes PackFile(const PackJob& job, ReferenceReader* reader, const std::function<void()>& progress)
{
    PackedBytes out;
    std::string raw;
    if (job.carried) {
        if (!TakeCarried(job, reader, raw, out, progress) || out.deflated || out.streamed)
            return out;
    } else {
        if (!ReadWhole(job.path, raw, out.mtime, out.systemError))
            return out;
        out.ok = true;
        out.size = raw.size();
        out.crc = Crc(Crc(0, nullptr, 0), raw.data(), raw.size());
    }
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

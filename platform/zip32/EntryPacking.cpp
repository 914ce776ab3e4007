#include "EntryPacking.h"

#include "Budget.h"
#include "CarriedCheck.h"
#include "FileIdentity.h"
#include "OfferedDeflates.h"

#include <zip.h>
#include <zlib.h>

#include <algorithm>
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

// Reads the whole file at path into bytes: as many as it had when it was
// opened, and then its end. A file that gives fewer (it shrank) or more
// (it grew) changed while it was read: packing what it gave would put a
// piece of it in the archive as if it were whole.
std::optional<Unreadable> ReadWhole(const std::string& path, std::string& bytes, struct stat& st)
{
    using Step = Unreadable::Step;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Unreadable{Step::Opening, errno};
    const auto fail = [fd](Step step, int error) {
        ::close(fd);
        return Unreadable{step, error};
    };
    st = {};
    if (::fstat(fd, &st) != 0)
        return fail(Step::Opening, errno);
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    for (;;) {
        // Past the size, one byte more is asked for: the end must come there.
        char past = 0;
        const bool within = done < bytes.size();
        const ssize_t got = ::read(fd, within ? bytes.data() + done : &past, within ? bytes.size() - done : 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(Step::Reading, errno);
        if (got == 0)
            break;
        if (!within)
            return fail(Step::Changed, 0);
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (done != bytes.size())
        return Unreadable{Step::Changed, 0};
    return std::nullopt;
}

// Deflates in pieces, so that a long deflate can report progress between
// them; without flushes, zlib gives the same bytes however the input is cut.
bool Deflate(std::string_view in, int level, std::string& out, const std::function<void()>& progress)
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

    // The key of the content last packed from this file at level, to try
    // before its CRC-32 is known (the same file hard-linked into every
    // book); Find still compares the bytes.
    std::optional<Key> KeyFor(const FileIdentity& file, int level)
    {
        std::lock_guard<std::mutex> hold(mutex_);
        const auto it = byFile_.find(file);
        if (it == byFile_.end() || std::get<2>(it->second) != level)
            return std::nullopt;
        return it->second;
    }

    void NoteFile(const FileIdentity& file, const Key& key)
    {
        std::lock_guard<std::mutex> hold(mutex_);
        if (byFile_.size() >= FileLimit)
            byFile_.clear();
        byFile_[file] = key;
    }

    bool Find(const Key& key, const std::string& raw, InMemory& out)
    {
        std::lock_guard<std::mutex> hold(mutex_);
        const auto it = kept_.find(key);
        if (it == kept_.end() || it->second.raw != raw)
            return false;
        out.deflated = it->second.deflated;
        out.data = it->second.data;
        return true;
    }

    // A file with more than one link is kept at once: it is most likely the
    // same file linked into each folder packed.
    void Offer(const Key& key, const std::string& raw, const InMemory& packed, bool linked)
    {
        if (raw.size() > budget::RepeatEntry)
            return;
        std::lock_guard<std::mutex> hold(mutex_);
        if ((seen_.insert(key).second && !linked) || kept_.count(key) ||
            keptBytes_ + raw.size() + packed.data.size() > budget::Repeats)
            return;
        keptBytes_ += raw.size() + packed.data.size();
        kept_.emplace(key, Kept{raw, packed.deflated, packed.data});
    }

private:
    struct Kept {
        std::string raw;
        bool deflated;
        std::string data;
    };
    static constexpr std::size_t FileLimit = 256;

    std::mutex mutex_;
    std::set<Key> seen_;
    std::map<Key, Kept> kept_;
    std::size_t keptBytes_ = 0;
    std::map<FileIdentity, Key> byFile_;
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
    return Deflate(start.substr(0, Sample), level, packed, {}) && packed.size() * 100 < Sample * 99;
}

// A carried entry read and checked, to be packed as a file of its bytes
// would be.
struct CarriedBytes {
    EntryFacts facts;
    std::string raw;
};

// Reads and checks a carried entry (see PackEntry): its outcome when it
// goes in as the reference holds it, or is damaged; otherwise its bytes.
std::variant<PackOutcome, CarriedBytes> ReadCarried(const PackJob& job, ReferenceReader* reader,
                                                   const std::function<void()>& progress)
{
    const ReferenceEntry& entry = *job.reference;
    const EntryFacts facts{entry.size, entry.crc, entry.mtime};
    if (!reader)
        return Damaged{};
    // A deflated entry smaller than its bytes goes in as it is, and so does
    // a large stored one that deflating would not make smaller.
    const bool asItIs = job.level > 0 && entry.deflated && entry.packedSize < entry.size;
    std::string raw;
    if (entry.packedSize <= budget::WholeEntry || job.seen || !job.prefix.empty()) {
        // Read whole, in one piece: kept when it goes in as it is, and
        // what a stored entry gives as it is.
        std::string packed;
        CarriedCheck check(entry, raw, (asItIs && !job.seen) || !entry.deflated ? 0 : SIZE_MAX);
        if (!reader->ReadPacked(entry, packed) || !check.Take(packed.data(), packed.size()) || !check.Whole())
            return Damaged{};
        if (asItIs) {
            InMemory out{facts, true, std::move(packed), true, std::move(raw)};
            return out;
        }
        if (!entry.deflated)
            raw = std::move(packed);
        return CarriedBytes{facts, std::move(raw)};
    }
    // A large entry is checked as it is read, and not held when it goes in
    // as it is: then its compressed bytes are read again as libzip takes
    // them, against their CRC-32.
    const bool stored = !entry.deflated;
    std::uint32_t packedCrc = Crc(0, nullptr, 0);
    CarriedCheck check(entry, raw, asItIs ? 0 : stored ? Sample : SIZE_MAX);
    const bool read = reader->ReadPackedPieces(entry, [&](const char* data, std::size_t length) {
        packedCrc = Crc(packedCrc, data, length);
        if (progress)
            progress();
        return check.Take(data, length);
    });
    if (!read || !check.Whole())
        return Damaged{};
    if (asItIs || (stored && (job.level <= 0 || !WorthDeflating(raw, entry.size, job.level))))
        return PackOutcome{ReadAtWriting{facts, !stored, packedCrc}};
    // Deflating a stored one gains, so the whole of it is wanted after all.
    if (stored && (!reader->ReadPacked(entry, raw) || Crc(Crc(0, nullptr, 0), raw.data(), raw.size()) != entry.crc))
        return Damaged{};
    return CarriedBytes{facts, std::move(raw)};
}

// Takes what the reference entry gives, when it may: see PackEntry.
bool TakeFromReference(const PackJob& job, ReferenceReader* reader, std::string& raw, InMemory& out,
                       const std::function<void()>& progress)
{
    const std::optional<ReferenceEntry>& entry = job.reference;
    if (!entry || entry->size != out.facts.size || entry->crc != out.facts.crc)
        return false;
    if (entry->deflated && entry->packedSize < entry->size) {
        std::string packed;
        if (!reader || !reader->ReadPacked(*entry, packed) || !InflatesTo(packed, raw, progress))
            return false;
        out.deflated = out.referenceBytes = true;
        out.data = std::move(packed);
        return true;
    }
    if (!entry->deflated && WorthDeflating(raw, raw.size(), job.level))
        return false;
    out.data = std::move(raw);
    return true;
}

// What a transform gave in place of an entry: stored, with its own size
// and CRC-32 and the entry's time.
InMemory StoredAnew(std::string bytes, std::time_t mtime, bool seen)
{
    InMemory out;
    out.facts = {bytes.size(), Crc(Crc(0, nullptr, 0), bytes.data(), bytes.size()), mtime};
    if (seen)
        out.inflated = bytes;
    out.data = std::move(bytes);
    return out;
}

}  // namespace

std::string ReasonOf(const Unreadable& unreadable)
{
    if (unreadable.step == Unreadable::Step::Changed)
        return "it changed while it was read";
    zip_error_t error;
    zip_error_init(&error);
    zip_error_set(&error, unreadable.step == Unreadable::Step::Opening ? ZIP_ER_OPEN : ZIP_ER_READ,
                  unreadable.systemError);
    std::string reason = zip_error_strerror(&error);
    zip_error_fini(&error);
    return reason;
}

bool PutFirst(PackOutcome& outcome, std::string_view prefix)
{
    InMemory* packed = std::get_if<InMemory>(&outcome);
    if (!packed || prefix.size() > 0xFFFF)
        return false;
    std::string data;
    if (packed->deflated) {
        // A stored block, not the last: its header bits, padding to the
        // byte, then the length and its complement, low byte first.
        const auto length = static_cast<unsigned>(prefix.size());
        data = {'\0', static_cast<char>(length & 0xFF), static_cast<char>(length >> 8),
                static_cast<char>(~length & 0xFF), static_cast<char>((~length >> 8) & 0xFF)};
    }
    data.append(prefix).append(packed->data);
    packed->data = std::move(data);
    packed->facts.crc = static_cast<std::uint32_t>(
        crc32_combine(Crc(Crc(0, nullptr, 0), prefix.data(), prefix.size()), packed->facts.crc,
                      static_cast<z_off_t>(packed->facts.size)));
    packed->facts.size += prefix.size();
    packed->referenceBytes = false;
    return true;
}

std::size_t HeldBytes(const PackOutcome& outcome)
{
    const InMemory* packed = std::get_if<InMemory>(&outcome);
    return packed ? packed->data.size() + packed->inflated.size() : 0;
}

PackOutcome PackEntry(const PackJob& job, ReferenceReader* reader, const std::function<void()>& progress)
{
    InMemory out;
    std::string raw;
    std::optional<FileIdentity> file;
    bool linked = false;
    const int level = job.level;
    if (job.carried) {
        // A transform needs the entry's bytes, however it goes in.
        PackJob read = job;
        read.seen = job.seen || job.transform;
        auto carried = ReadCarried(read, reader, progress);
        if (PackOutcome* done = std::get_if<PackOutcome>(&carried)) {
            InMemory* asItIs = std::get_if<InMemory>(done);
            if (job.transform && asItIs) {
                if (std::optional<std::string> anew = Transformed(*job.transform, job.name, asItIs->inflated))
                    return StoredAnew(std::move(*anew), asItIs->facts.mtime, job.seen);
                if (!job.seen)
                    std::string().swap(asItIs->inflated);
            }
            return std::move(*done);
        }
        out.facts = std::get<CarriedBytes>(carried).facts;
        raw = std::move(std::get<CarriedBytes>(carried).raw);
        if (job.transform)
            if (std::optional<std::string> anew = Transformed(*job.transform, job.name, raw))
                return StoredAnew(std::move(*anew), out.facts.mtime, job.seen);
    } else {
        struct stat st {};
        if (const std::optional<Unreadable> unreadable = ReadWhole(job.path, raw, st))
            return *unreadable;
        out.facts = {raw.size(), 0, st.st_mtime};
        file = FileIdentity::Of(st);
        linked = st.st_nlink > 1;
        // A file packed before whose bytes are still the same needs no
        // CRC-32 of its own: it is the one it had then.
        // Bytes offered for the file come first, as they do below.
        if (level > 0 && !job.reference)
            if (const auto known = g_repeats.KeyFor(*file, level);
                known && (TakeOffered(job.name, raw, std::get<1>(*known), out) || g_repeats.Find(*known, raw, out))) {
                out.facts.crc = std::get<1>(*known);
                return out;
            }
        out.facts.crc = Crc(Crc(0, nullptr, 0), raw.data(), raw.size());
    }
    if (job.seen)
        out.inflated = raw;
    if (level <= 0) {
        out.data = std::move(raw);
        return out;
    }
    if (TakeFromReference(job, reader, raw, out, progress))
        return out;
    const RepeatCache::Key key{out.facts.size, out.facts.crc, level};
    if (file)
        g_repeats.NoteFile(*file, key);
    if (!job.carried && TakeOffered(job.name, raw, out.facts.crc, out)) {
        // The same file linked into the next folder is found by its identity.
        g_repeats.Offer(key, raw, out, linked);
        return out;
    }
    if (g_repeats.Find(key, raw, out))
        return out;
    std::string packed;
    out.deflated = Deflate(raw, level, packed, progress) && packed.size() < raw.size();
    out.data = out.deflated ? std::move(packed) : raw;
    g_repeats.Offer(key, raw, out, linked);
    return out;
}

}  // namespace platform

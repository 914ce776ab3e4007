#include "PackedSource.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Files up to this size keep their packed bytes from the decision until
// libzip reads them.
constexpr std::size_t KeepLimit = 8u << 20;

bool ReadWhole(const std::string& path, std::string& bytes, time_t& mtime, int& err)
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

bool Deflate(const std::string& in, int level, std::string& out)
{
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    out.resize(deflateBound(&z, static_cast<uLong>(in.size())));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return rc == Z_STREAM_END;
}

class Source {
public:
    Source(std::string path, int level) : path_(std::move(path)), level_(level) { zip_error_init(&error_); }
    ~Source() { zip_error_fini(&error_); }

    // Reads and packs the file; fills the stat the first time.
    bool Pack()
    {
        std::string raw;
        time_t mtime = 0;
        int err = 0;
        if (!ReadWhole(path_, raw, mtime, err)) {
            zip_error_set(&error_, ZIP_ER_OPEN, err);
            return false;
        }
        std::string packed;
        const bool deflated = level_ > 0 && Deflate(raw, level_, packed) && packed.size() < raw.size();
        zip_stat_init(&stat_);
        stat_.valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC | ZIP_STAT_MTIME |
                      ZIP_STAT_ENCRYPTION_METHOD;
        stat_.size = raw.size();
        stat_.crc = static_cast<zip_uint32_t>(
            crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(raw.data()), static_cast<uInt>(raw.size())));
        stat_.mtime = mtime;
        stat_.encryption_method = ZIP_EM_NONE;
        stat_.comp_method = deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
        data_ = deflated ? std::move(packed) : std::move(raw);
        stat_.comp_size = data_.size();
        return true;
    }

    Packing packing() const { return stat_.comp_method == ZIP_CM_STORE ? Packing::Stored : Packing::Deflated; }
    const std::string& errorText() { return reason_ = zip_error_strerror(&error_); }

    void DropIfLarge()
    {
        if (data_.size() > KeepLimit)
            Drop();
    }

    zip_int64_t Command(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            if (data_.size() != stat_.comp_size || dropped_) {
                const zip_stat_t before = stat_;
                if (!Pack())
                    return -1;
                if (stat_.crc != before.crc || stat_.comp_size != before.comp_size) {
                    zip_error_set(&error_, ZIP_ER_CHANGED, 0);  // the file changed meanwhile
                    return -1;
                }
                dropped_ = false;
            }
            offset_ = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const std::size_t left = data_.size() - offset_;
            const std::size_t n = length < left ? static_cast<std::size_t>(length) : left;
            std::memcpy(data, data_.data() + offset_, n);
            offset_ += n;
            return static_cast<zip_int64_t>(n);
        }
        case ZIP_SOURCE_CLOSE:
            Drop();
            return 0;
        case ZIP_SOURCE_STAT:
            if (length < sizeof(zip_stat_t))
                return -1;
            std::memcpy(data, &stat_, sizeof(zip_stat_t));
            return sizeof(zip_stat_t);
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error_, data, length);
        case ZIP_SOURCE_FREE:
            delete this;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

    static zip_int64_t Callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        return static_cast<Source*>(self)->Command(data, length, command);
    }

private:
    void Drop()
    {
        std::string().swap(data_);
        dropped_ = true;
    }

    std::string path_;
    int level_;
    zip_stat_t stat_{};
    std::string data_;
    std::size_t offset_ = 0;
    bool dropped_ = false;
    zip_error_t error_;
    std::string reason_;
};

}  // namespace

PackedFile MakePackedSource(zip_t* archive, const std::string& path, int level)
{
    PackedFile out;
    auto* source = new Source(path, level);
    if (!source->Pack()) {
        out.error = source->errorText();
        delete source;
        return out;
    }
    out.packing = source->packing();
    source->DropIfLarge();
    out.source = zip_source_function(archive, &Source::Callback, source);
    if (!out.source) {
        out.error = zip_strerror(archive);
        delete source;
    }
    return out;
}

}  // namespace platform

#include "PackedSource.h"

#include "CarriedCheck.h"

#include <cstring>

namespace platform {
namespace {

// The most bytes an archive's sources keep in memory until libzip reads
// them, which it does only once the archive is being written.
constexpr std::size_t HeldLimit = 24u << 20;

class Source {
public:
    Source(PackJob job, PackedBytes packed, ReferenceReader& reader, std::function<bool()> keepAlive)
        : job_(std::move(job)), reader_(reader), keepAlive_(std::move(keepAlive))
    {
        zip_error_init(&error_);
        Take(std::move(packed));
        if (!packed_.ok)
            zip_error_set(&error_, packed_.damaged ? ZIP_ER_CRC : ZIP_ER_OPEN, packed_.systemError);
    }
    ~Source()
    {
        CloseStream();
        zip_error_fini(&error_);
    }

    bool ok() const { return packed_.ok; }

    Packing packing() const { return stat_.comp_method == ZIP_CM_STORE ? Packing::Stored : Packing::Deflated; }
    const std::string& errorText() { return reason_ = zip_error_strerror(&error_); }

    // Keeps the packed bytes until libzip reads them while they are small
    // and the archive's sources hold few bytes in all (held); otherwise a
    // carried entry is read again from the reference, and a file packed
    // again.
    void KeepOrDrop(std::size_t& held)
    {
        const std::size_t size = packed_.data.size();
        if (size <= KeepLimit && held + size <= HeldLimit) {
            held += size;
        } else if (job_.carried && packed_.fromReference) {
            packed_.streamed = true;
            packed_.packedCrc = Crc(Crc(0, nullptr, 0), packed_.data.data(), packed_.data.size());
            std::string().swap(packed_.data);
        } else {
            Drop();
        }
    }

    zip_int64_t Command(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            if (packed_.streamed)
                return OpenStream();
            if (dropped_) {
                const zip_stat_t before = stat_;
                bool goOn = true;
                Take(PackFile(job_, &reader_, [&] { goOn = goOn && keepAlive_(); }));
                if (!goOn) {
                    zip_error_set(&error_, ZIP_ER_CANCELLED, 0);
                    return -1;
                }
                if (!packed_.ok) {
                    zip_error_set(&error_, ZIP_ER_OPEN, packed_.systemError);
                    return -1;
                }
                if (stat_.crc != before.crc || stat_.comp_size != before.comp_size) {
                    zip_error_set(&error_, ZIP_ER_CHANGED, 0);  // the file changed meanwhile
                    return -1;
                }
                dropped_ = false;
            }
            offset_ = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            if (!keepAlive_()) {
                zip_error_set(&error_, ZIP_ER_CANCELLED, 0);
                return -1;
            }
            if (packed_.streamed)
                return ReadStream(data, length);
            const std::size_t left = packed_.data.size() - offset_;
            const std::size_t n = length < left ? static_cast<std::size_t>(length) : left;
            std::memcpy(data, packed_.data.data() + offset_, n);
            offset_ += n;
            return static_cast<zip_int64_t>(n);
        }
        case ZIP_SOURCE_CLOSE:
            CloseStream();
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
    // Fills the stat from a packing of the file.
    void Take(PackedBytes packed)
    {
        packed_ = std::move(packed);
        zip_stat_init(&stat_);
        stat_.valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC | ZIP_STAT_MTIME |
                      ZIP_STAT_ENCRYPTION_METHOD;
        stat_.size = packed_.size;
        stat_.crc = packed_.crc;
        stat_.mtime = packed_.mtime;
        stat_.encryption_method = ZIP_EM_NONE;
        stat_.comp_method = packed_.deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
        stat_.comp_size = packed_.streamed ? job_.reference->packedSize : packed_.data.size();
    }

    // A streamed entry's compressed bytes are read from the reference as
    // libzip takes them, and must be those that were checked.
    zip_int64_t OpenStream()
    {
        CloseStream();
        stream_ = reader_.OpenPacked(*job_.reference);
        if (!stream_) {
            zip_error_set(&error_, ZIP_ER_OPEN, 0);
            return -1;
        }
        streamCrc_ = Crc(0, nullptr, 0);
        offset_ = 0;
        return 0;
    }

    zip_int64_t ReadStream(void* data, zip_uint64_t length)
    {
        const std::uint64_t left = stat_.comp_size - offset_;
        const zip_int64_t got = zip_fread(stream_, data, length < left ? length : left);
        if (got < 0 || (got == 0 && left > 0)) {
            zip_error_set(&error_, ZIP_ER_READ, 0);
            return -1;
        }
        const auto n = static_cast<std::size_t>(got);
        streamCrc_ = Crc(streamCrc_, static_cast<const char*>(data), n);
        offset_ += n;
        if (offset_ == stat_.comp_size && streamCrc_ != packed_.packedCrc) {
            zip_error_set(&error_, ZIP_ER_CHANGED, 0);  // the book changed since it was checked
            return -1;
        }
        return got;
    }

    void CloseStream()
    {
        if (stream_)
            zip_fclose(stream_);
        stream_ = nullptr;
    }

    void Drop()
    {
        std::string().swap(packed_.data);
        dropped_ = true;
    }

    PackJob job_;
    ReferenceReader& reader_;
    std::function<bool()> keepAlive_;
    zip_stat_t stat_{};
    PackedBytes packed_;
    std::size_t offset_ = 0;
    bool dropped_ = false;
    zip_file_t* stream_ = nullptr;
    std::uint32_t streamCrc_ = 0;
    zip_error_t error_;
    std::string reason_;
};

}  // namespace

PackedFile MakePackedSource(zip_t* archive, PackJob job, PackedBytes packed, ReferenceReader& reader,
                            std::function<bool()> keepAlive, std::size_t& held)
{
    PackedFile out;
    auto* source = new Source(std::move(job), std::move(packed), reader, std::move(keepAlive));
    if (!source->ok()) {
        out.error = source->errorText();
        delete source;
        return out;
    }
    out.packing = source->packing();
    source->KeepOrDrop(held);
    out.source = zip_source_function(archive, &Source::Callback, source);
    if (!out.source) {
        out.error = zip_strerror(archive);
        delete source;
    }
    return out;
}

}  // namespace platform

#include "PackedSource.h"

#include "Budget.h"
#include "CarriedCheck.h"

#include <cstring>

namespace platform {
namespace {

class Source {
public:
    // packed: InMemory or ReadAtWriting.
    Source(PackJob job, PackOutcome packed, ReferenceReader& reader, std::function<bool()> keepAlive,
           std::function<void(const std::string&)> unreadable)
        : job_(std::move(job)), reader_(reader), keepAlive_(std::move(keepAlive)), unreadable_(std::move(unreadable))
    {
        zip_error_init(&error_);
        if (const ReadAtWriting* streamed = std::get_if<ReadAtWriting>(&packed)) {
            streamed_ = true;
            packedCrc_ = streamed->packedCrc;
            Describe(streamed->facts, streamed->deflated, job_.reference->packedSize);
        } else {
            packed_ = std::move(std::get<InMemory>(packed));
            Describe(packed_.facts, packed_.deflated, packed_.data.size());
        }
    }
    ~Source()
    {
        CloseStream();
        zip_error_fini(&error_);
    }

    bool deflated() const { return stat_.comp_method == ZIP_CM_DEFLATE; }

    // Keeps the packed bytes until libzip reads them while they are small
    // and the archive's sources hold few bytes in all (held); otherwise a
    // carried entry taken as the reference holds it is read again from
    // there, and anything else packed again.
    void KeepOrDrop(std::size_t& held)
    {
        const std::size_t size = packed_.data.size();
        if (streamed_ || (size <= budget::WholeEntry && held + size <= budget::Held)) {
            held += streamed_ ? 0 : size;
        } else if (job_.carried && packed_.referenceBytes) {
            streamed_ = true;
            packedCrc_ = Crc(Crc(0, nullptr, 0), packed_.data.data(), packed_.data.size());
            std::string().swap(packed_.data);
        } else {
            Drop();
        }
    }

    zip_int64_t Command(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            offset_ = 0;
            return streamed_ ? OpenStream() : dropped_ ? PackAgain() : 0;
        case ZIP_SOURCE_READ: {
            if (!keepAlive_())
                return Fail(ZIP_ER_CANCELLED);
            if (streamed_)
                return ReadStream(data, length);
            const std::size_t n = std::min<std::size_t>(length, packed_.data.size() - offset_);
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
            return Fail(ZIP_ER_OPNOTSUPP);
        }
    }

    static zip_int64_t Callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        return static_cast<Source*>(self)->Command(data, length, command);
    }

private:
    void Describe(const EntryFacts& facts, bool deflated, std::uint64_t packedSize)
    {
        zip_stat_init(&stat_);
        stat_.valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC | ZIP_STAT_MTIME |
                      ZIP_STAT_ENCRYPTION_METHOD;
        stat_.size = facts.size;
        stat_.crc = facts.crc;
        stat_.mtime = facts.mtime;
        stat_.encryption_method = ZIP_EM_NONE;
        stat_.comp_method = deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
        stat_.comp_size = packedSize;
    }

    zip_int64_t Fail(int code, int system = 0)
    {
        zip_error_set(&error_, code, system);
        return -1;
    }

    // A file dropped from memory is packed again, and must give the bytes
    // it gave before.
    zip_int64_t PackAgain()
    {
        bool goOn = true;
        PackOutcome again = PackEntry(job_, &reader_, [&] { goOn = goOn && keepAlive_(); });
        if (!goOn)
            return Fail(ZIP_ER_CANCELLED);
        if (!job_.prefix.empty())
            PutFirst(again, job_.prefix);
        if (const Unreadable* unreadable = std::get_if<Unreadable>(&again)) {
            unreadable_(ReasonOf(*unreadable));
            return Fail(unreadable->step == Unreadable::Step::Opening ? ZIP_ER_OPEN : ZIP_ER_READ,
                        unreadable->systemError);
        }
        InMemory* packed = std::get_if<InMemory>(&again);
        if (!packed || packed->facts.crc != stat_.crc || packed->data.size() != stat_.comp_size ||
            packed->deflated != deflated()) {
            unreadable_("it changed while it was packed");
            return Fail(ZIP_ER_CHANGED);
        }
        packed_ = std::move(*packed);
        dropped_ = false;
        return 0;
    }

    // A streamed entry's compressed bytes are read from the reference as
    // libzip takes them, and must be those that were checked.
    zip_int64_t OpenStream()
    {
        CloseStream();
        stream_ = reader_.OpenPacked(*job_.reference);
        if (!stream_)
            return Fail(ZIP_ER_OPEN);
        streamCrc_ = Crc(0, nullptr, 0);
        return 0;
    }

    zip_int64_t ReadStream(void* data, zip_uint64_t length)
    {
        const std::uint64_t left = stat_.comp_size - offset_;
        const zip_int64_t got = zip_fread(stream_, data, length < left ? length : left);
        if (got < 0 || (got == 0 && left > 0))
            return Fail(ZIP_ER_READ);
        const auto n = static_cast<std::size_t>(got);
        streamCrc_ = Crc(streamCrc_, static_cast<const char*>(data), n);
        offset_ += n;
        if (offset_ == stat_.comp_size && streamCrc_ != packedCrc_)
            return Fail(ZIP_ER_CHANGED);  // the book changed since it was checked
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
        dropped_ = !streamed_;
    }

    PackJob job_;
    ReferenceReader& reader_;
    std::function<bool()> keepAlive_;
    std::function<void(const std::string&)> unreadable_;
    zip_stat_t stat_{};
    InMemory packed_;
    bool streamed_ = false;
    std::uint32_t packedCrc_ = 0;
    std::size_t offset_ = 0;
    bool dropped_ = false;
    zip_file_t* stream_ = nullptr;
    std::uint32_t streamCrc_ = 0;
    zip_error_t error_;
};

}  // namespace

PackedFile MakePackedSource(zip_t* archive, PackJob job, PackOutcome packed, ReferenceReader& reader,
                            std::function<bool()> keepAlive, std::function<void(const std::string&)> unreadable,
                            std::size_t& held)
{
    PackedFile out;
    if (const Unreadable* failed = std::get_if<Unreadable>(&packed)) {
        out.error = ReasonOf(*failed);
        return out;
    }
    auto* source = new Source(std::move(job), std::move(packed), reader, std::move(keepAlive), std::move(unreadable));
    out.deflated = source->deflated();
    source->KeepOrDrop(held);
    out.source = zip_source_function(archive, &Source::Callback, source);
    if (!out.source) {
        out.error = zip_strerror(archive);
        delete source;
    }
    return out;
}

}  // namespace platform

// The cut faces kept across runs in the user's cache folder, each set with its deflated bytes and CRC-32.
#include "FaceCache.h"

#include <QCryptographicHash>

#include <libdeflate.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a file of the cache begins with: which layout it has.
constexpr std::string_view Magic = "BWFACES1";
constexpr std::string_view Suffix = ".faces";
constexpr std::string_view TemporaryMark = ".tmp-";
// A temporary file older than this was left by a run that stopped.
constexpr std::time_t StaleTemporary = 3600;

void PutNumber(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads numbers and bytes from a file's contents; false once past its end.
class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}

    bool Number(std::uint64_t& value, int bytes)
    {
        if (data_.size() < static_cast<std::size_t>(bytes))
            return false;
        value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= std::uint64_t{static_cast<unsigned char>(data_[static_cast<std::size_t>(i)])} << (8 * i);
        data_.remove_prefix(static_cast<std::size_t>(bytes));
        return true;
    }
    bool Bytes(std::string_view& bytes, std::uint64_t length)
    {
        if (data_.size() < length)
            return false;
        bytes = data_.substr(0, static_cast<std::size_t>(length));
        data_.remove_prefix(static_cast<std::size_t>(length));
        return true;
    }
    bool AtEnd() const { return data_.empty(); }

private:
    std::string_view data_;
};

std::uint32_t Crc32(std::string_view bytes)
{
    return libdeflate_crc32(0, bytes.data(), bytes.size());
}

// Whether deflated inflates to exactly size bytes with CRC-32 crc, ending
// with its last byte; then bytes holds them.
bool Inflate(std::string_view deflated, std::uint64_t size, std::uint32_t crc, std::string& bytes)
{
    constexpr std::uint64_t LargestFace = 16u << 20;  // ours are under half a megabyte whole
    if (size > LargestFace)
        return false;
    const std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> inflater(
        libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    if (!inflater)
        return false;
    bytes.assign(static_cast<std::size_t>(size), '\0');
    std::size_t read = 0;
    // Without a place for the size given back, libdeflate fails on a
    // stream that gives fewer bytes or more than size.
    return libdeflate_deflate_decompress_ex(inflater.get(), deflated.data(), deflated.size(), bytes.data(),
                                            bytes.size(), &read, nullptr) == LIBDEFLATE_SUCCESS &&
           read == deflated.size() && Crc32(bytes) == crc;
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t wrote = ::write(fd, data.data(), data.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

bool ReadAll(const std::string& path, std::string& data)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= static_cast<off_t>(FaceCache::MostBytes);
    if (read) {
        data.assign(static_cast<std::size_t>(st.st_size), '\0');
        std::size_t done = 0;
        while (read && done < data.size()) {
            const ssize_t got = ::read(fd, data.data() + done, data.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            read = got > 0;
            if (read)
                done += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    return read;
}

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

PackedFace PackFace(std::string bytes)
{
    PackedFace face;
    face.crc = Crc32(bytes);
    const std::unique_ptr<libdeflate_compressor, void (*)(libdeflate_compressor*)> deflater(
        libdeflate_alloc_compressor(FaceDeflateLevel), libdeflate_free_compressor);
    if (deflater) {
        face.deflated.resize(libdeflate_deflate_compress_bound(deflater.get(), bytes.size()));
        const std::size_t length = libdeflate_deflate_compress(deflater.get(), bytes.data(), bytes.size(),
                                                               face.deflated.data(), face.deflated.size());
        face.deflated.resize(length);  // 0 when it failed: no deflated bytes, the packer deflates
    }
    face.bytes = std::move(bytes);
    return face;
}

// The thread that writes the sets stored, one after the other, and the
// state of the folder as it knows it.
struct FaceCache::Writer {
    Writer(std::string folder, std::uint64_t mostBytes) : folder(std::move(folder)), mostBytes(mostBytes)
    {
        thread = std::thread([this] { Serve(); });
    }
    ~Writer()
    {
        {
            const std::lock_guard hold(mutex);
            stopping = true;
        }
        wake.notify_all();
        thread.join();
    }

    // Queues one file's bytes for path; false when too much waits already.
    bool Queue(std::string path, std::string data)
    {
        const std::lock_guard hold(mutex);
        if (!writable || queued >= MostQueued)
            return false;
        queued += data.size();
        files.emplace_back(std::move(path), std::move(data));
        wake.notify_all();
        return true;
    }
    void Finish()
    {
        std::unique_lock hold(mutex);
        done.wait(hold, [this] { return files.empty() && !busy; });
    }

private:
    static constexpr std::size_t MostQueued = 16u << 20;

    void Serve()
    {
        std::unique_lock hold(mutex);
        for (;;) {
            wake.wait(hold, [this] { return stopping || !files.empty(); });
            if (files.empty())
                return;  // stopping, and all is written
            auto [path, data] = std::move(files.front());
            files.pop_front();
            busy = true;
            hold.unlock();
            bool written = false;
            try {
                written = Write(path, data);
            } catch (...) {
                // Nothing leaves the thread: a set that could not be written is no set.
            }
            hold.lock();
            busy = false;
            queued -= data.size();
            if (!written) {
                writable = false;  // the run goes on without storing
                for (const auto& file : files)
                    queued -= file.second.size();
                files.clear();
            }
            done.notify_all();
        }
    }

    bool Write(const std::string& path, const std::string& data);
    void Trim();

    const std::string folder;
    const std::uint64_t mostBytes;
    // What the folder holds, as last listed plus what was written since:
    // it is listed again only once that passes the bound. The writer's own.
    std::optional<std::uint64_t> held;

    std::mutex mutex;  // guards what follows
    std::condition_variable wake, done;
    std::deque<std::pair<std::string, std::string>> files;
    std::size_t queued = 0;
    bool busy = false;
    bool stopping = false;
    bool writable = true;
    std::thread thread;
};

FaceCache::FaceCache(std::string folder, std::uint64_t mostBytes) : folder_(std::move(folder)), mostBytes_(mostBytes)
{
}

FaceCache::~FaceCache() = default;
FaceCache::FaceCache(FaceCache&&) noexcept = default;
FaceCache& FaceCache::operator=(FaceCache&&) noexcept = default;

void FaceCache::Finish()
{
    if (writer_)
        writer_->Finish();
}

std::string FaceCache::UserFolder()
{
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && cache[0] == '/')
        return std::string(cache) + "/bindwell";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.cache/bindwell";
    return {};
}

std::string FaceCache::FileOf(std::string_view key, const std::vector<char32_t>& characters) const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // How the bytes were made is part of what they are: another libdeflate
    // or level gives other (as good) bytes, kept apart.
    const std::string made = std::string(key) + "\nlibdeflate " + LIBDEFLATE_VERSION_STRING + " level " +
                             std::to_string(FaceDeflateLevel) + "\n";
    hash.addData(QByteArrayView(made.data(), static_cast<qsizetype>(made.size())));
    std::string numbers;
    for (const char32_t c : characters)
        PutNumber(numbers, c, 4);
    hash.addData(QByteArrayView(numbers.data(), static_cast<qsizetype>(numbers.size())));
    return folder_ + "/" + hash.result().toHex().toStdString() + std::string(Suffix);
}

std::optional<PackedFaces> FaceCache::Find(std::string_view key, const std::vector<char32_t>& characters)
{
    if (folder_.empty())
        return std::nullopt;
    const std::string path = FileOf(key, characters);
    std::string data;
    if (!ReadAll(path, data))
        return std::nullopt;
    Reader read(data);
    std::string_view magic;
    std::uint64_t count = 0;
    if (!read.Bytes(magic, Magic.size()) || magic != Magic || !read.Number(count, 4) || count != characters.size())
        return std::nullopt;
    for (const char32_t c : characters) {
        std::uint64_t stored = 0;
        if (!read.Number(stored, 4) || stored != c)
            return std::nullopt;
    }
    PackedFaces faces;
    for (PackedFace& face : faces) {
        std::uint64_t size = 0, crc = 0, length = 0;
        std::string_view deflated;
        if (!read.Number(size, 8) || !read.Number(crc, 4) || !read.Number(length, 8) || !read.Bytes(deflated, length) ||
            !Inflate(deflated, size, static_cast<std::uint32_t>(crc), face.bytes))
            return std::nullopt;
        face.deflated = deflated;
        face.crc = static_cast<std::uint32_t>(crc);
    }
    if (!read.AtEnd())
        return std::nullopt;
    // Used now: the last to go.
    ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0);
    return faces;
}

void FaceCache::Store(std::string_view key, const std::vector<char32_t>& characters, const PackedFaces& faces)
{
    if (folder_.empty())
        return;
    std::string data(Magic);
    PutNumber(data, characters.size(), 4);
    for (const char32_t c : characters)
        PutNumber(data, c, 4);
    for (const PackedFace& face : faces) {
        if (face.deflated.empty())
            return;  // not deflated: nothing worth keeping
        PutNumber(data, face.bytes.size(), 8);
        PutNumber(data, face.crc, 4);
        PutNumber(data, face.deflated.size(), 8);
        data += face.deflated;
    }
    if (data.size() > mostBytes_)
        return;
    try {
        if (!writer_)
            writer_ = std::make_unique<Writer>(folder_, mostBytes_);
        writer_->Queue(FileOf(key, characters), std::move(data));
    } catch (const std::system_error&) {
        // No thread to write with: no cache.
    }
}

bool FaceCache::Writer::Write(const std::string& path, const std::string& data)
{
    // The folder and those above it, for the user alone.
    for (std::size_t slash = 1; slash != std::string::npos;) {
        slash = folder.find('/', slash + 1);
        const std::string upTo = folder.substr(0, slash);
        if (::mkdir(upTo.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    std::string temporary = path + std::string(TemporaryMark) + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (held)
        *held += data.size();
    if (!held || *held > mostBytes)
        Trim();
    return true;
}

void FaceCache::Writer::Trim()
{
    struct Kept {
        std::string path;
        std::uint64_t size;
        struct timespec used;
    };
    std::vector<Kept> kept;
    std::uint64_t total = 0;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        const bool temporary = name.find(TemporaryMark) != std::string_view::npos && name.find(Suffix) != std::string_view::npos;
        if (!temporary && !EndsWith(name, Suffix))
            continue;  // not ours
        const std::string path = folder + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (temporary) {
            if (now - st.st_mtim.tv_sec > StaleTemporary)
                ::unlink(path.c_str());
            continue;
        }
        total += static_cast<std::uint64_t>(st.st_size);
        kept.push_back({path, static_cast<std::uint64_t>(st.st_size), st.st_mtim});
    }
    ::closedir(listing);
    held = total;
    if (total <= mostBytes)
        return;
    std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) {
        return a.used.tv_sec != b.used.tv_sec ? a.used.tv_sec < b.used.tv_sec : a.used.tv_nsec < b.used.tv_nsec;
    });
    const std::uint64_t down = mostBytes / 4 * 3;
    for (const Kept& file : kept) {
        if (total <= down)
            break;
        if (::unlink(file.path.c_str()) == 0 || errno == ENOENT)
            total -= file.size;
    }
    held = total;
}
